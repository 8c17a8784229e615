// The record classes. The classes come from the list of every record kind (ORVANE_ALL_KINDS),
// their members from each class's own list of members (ORVANE_MEMBERS_<class>), and their
// fields from the kind descriptions the library shows at run time (RecordKinds()): a kind,
// member or field added in C++ is in Python without a line here.
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "bindings.hpp"

namespace orvane_py {

namespace {

// What the module knows of a bound record class, by class name. It holds Python objects, so
// it lives as long as the process: no destructor runs after the interpreter has gone.
struct RecordClassInfo {
    py::object type;
    ObjectOf objectOf = nullptr;
    std::vector<std::pair<std::string, std::string>> references;  // member, class it holds
    bool fieldsBound = false;
};
std::map<std::string, RecordClassInfo>& Registry() {
    static auto* registry = new std::map<std::string, RecordClassInfo>;
    return *registry;
}

template <class R>
std::string NameOf() {
    static const std::string name = [] {
        if constexpr (std::is_same_v<R, clsRequirements>)
            return std::string("clsRequirements");
        else
            return R().ClassName();
    }();
    return name;
}

template <class R>
PyTypeObject* exactType = nullptr;

using Copier = std::shared_ptr<Object> (*)(const Object&);
std::map<std::type_index, Copier>& Copiers() {
    static std::map<std::type_index, Copier> copiers;
    return copiers;
}

// The record behind a Python object of class R: for an object of exactly that class, the
// pointer the instance keeps (the common case, no lookup); otherwise the part of the instance
// that holds an R. An object whose __init__ has not run holds no record yet.
template <class R>
Object* RecordOf(PyObject* self) {
    auto* inst = reinterpret_cast<py::detail::instance*>(self);
    if (Py_TYPE(self) == exactType<R> && inst->simple_layout) {
        if (inst->simple_holder_constructed) return static_cast<R*>(inst->simple_value_holder[0]);
    } else if (auto* type = py::detail::get_type_info(typeid(R))) {
        auto part = inst->get_value_and_holder(type, false);
        if (part && part.holder_constructed()) return static_cast<R*>(part.value_ptr());
    }
    PyErr_Format(PyExc_TypeError, "the %s object was not initialized", NameOf<R>().c_str());
    return nullptr;
}

template <class R, class Base>
using RecordClass = py::class_<R, Base, std::shared_ptr<R>>;

template <class R>
using BaseOf = std::conditional_t<std::is_base_of_v<Record, R>, Record, Object>;

template <class R>
RecordClass<R, BaseOf<R>> Class(py::module_& m) {
    return py::reinterpret_borrow<RecordClass<R, BaseOf<R>>>(m.attr(py::str(NameOf<R>())));
}

// Pass one: the class itself, so that every signature bound later names it.
template <class R>
void Declare(py::module_& m) {
    if (Registry().count(NameOf<R>())) return;  // a class stored in two tables comes twice
    RecordClass<R, BaseOf<R>> c(m, NameOf<R>().c_str());
    exactType<R> = reinterpret_cast<PyTypeObject*>(c.ptr());
    Registry()[NameOf<R>()] = {c, &RecordOf<R>, {}, false};
    Copiers()[typeid(R)] = [](const Object& o) -> std::shared_ptr<Object> {
        return std::make_shared<R>(static_cast<const R&>(o));
    };
}

// Members a class declares itself: reference fields (recorded, for the block fields that
// reach the same object), the file operations (without the interpreter lock, one at a time),
// AgeRange's two out-parameters (returned as a tuple) and every other operation as it is.
template <class T>
struct MemberType;
template <class C, class T>
struct MemberType<T C::*> {
    using Type = T;
};

bool IsFileWork(const std::string& name) {
    return name == "Save" || name == "Load" || name == "SaveAppend" || name == "LoadAppend";
}

template <class R, class C, class Ret, class... A>
auto WithoutLock(Ret (C::*member)(A...)) {
    return [member](R& self, A... a) { return FileWork([&] { return (self.*member)(a...); }); };
}
template <class R, class C, class Ret, class... A>
auto WithoutLock(Ret (C::*member)(A...) const) {
    return
        [member](const R& self, A... a) { return FileWork([&] { return (self.*member)(a...); }); };
}

template <class R, class C>
auto OutParameters(void (C::*member)(const std::string&, std::string&, std::string&) const) {
    return [member](const R& self, const std::string& in) {
        std::string first, second;
        (self.*member)(in, first, second);
        return py::make_tuple(first, second);
    };
}

template <class R, auto M, class Cls>
void DefDeclared(Cls& c, const char* name) {
    using T = decltype(M);
    if constexpr (std::is_member_object_pointer_v<T>) {
        using Held = typename MemberType<T>::Type::element_type;
        c.def_readwrite(name, M);
        Registry()[NameOf<R>()].references.emplace_back(name, NameOf<Held>());
    } else if constexpr (std::is_same_v<T, void (R::*)(const std::string&, std::string&,
                                                       std::string&) const>) {
        c.def(name, OutParameters<R>(M));
    } else {
        if (IsFileWork(name))
            c.def(name, WithoutLock<R>(M));
        else
            c.def(name, M);
    }
}

// What every record class has beyond its lists of members: construction (Clear runs),
// copies (a copy owns copies of its lists and requirements), Save and Load without the
// interpreter lock, the ability modifiers and the special-quality object slots.
template <class R, class Cls>
void BindCommon(Cls& c) {
    c.def(py::init<>());
    c.def("__copy__", [](const R& r) { return std::make_shared<R>(r); });
    c.def(
        "__deepcopy__", [](const R& r, py::object) { return std::make_shared<R>(r); },
        py::arg("memo"));
    if constexpr (std::is_base_of_v<Record, R>) {
        // Save writes a copy, so the record stays free for other threads while the file is
        // written; Load fills the record itself.
        c.def(
            "Save",
            [](const R& self, const std::string& FileName) {
                R copy(self);
                FileWork([&] { copy.Save(FileName); });
            },
            py::arg("FileName"));
        c.def(
            "Load",
            [](R& self, const std::string& FileName) { FileWork([&] { self.Load(FileName); }); },
            py::arg("FileName"));
    }
    if constexpr (std::is_base_of_v<AbilityModifiers, R>) {
        c.def("GetModifier", &R::GetModifier, py::arg("iModifier"));
        c.def("SetModifier", &R::SetModifier, py::arg("iModifier"), py::arg("iValue"));
    }
    if constexpr (std::is_base_of_v<QualitySlots<R>, R>) {
        c.def("GetSpecialQualityObj", &R::GetSpecialQualityObj, py::arg("iSpecQuals"));
        c.def("SetSpecialQualityObj", &R::SetSpecialQualityObj, py::arg("iSpecQuals"),
              py::arg("objSpecial"));
    }
}

}  // namespace

// The forwarding members, as bindings instead of definitions. The families of record.hpp
// (ORVANE_SIMPLE_FAMILY and the others) are made of these one-member forms; redefined here,
// each class's list of members expands (through those same families) into one binding per
// member, with the argument names the forms give in C++.
#undef ORVANE_FWD_SET
#undef ORVANE_FWD_HAS
#undef ORVANE_FWD_SIZE
#undef ORVANE_FWD_IN
#undef ORVANE_FWD_TEXT
#undef ORVANE_FWD_AT
#undef ORVANE_FWD_AT2
#undef ORVANE_FWD_AT2V
#undef ORVANE_FWD_BYNAME
#undef ORVANE_FWD_SET_IN
#undef ORVANE_DECLARED
#define ORVANE_FWD_SET(list, Name) c.def(#Name, &Self::Name, py::arg("text"));
#define ORVANE_FWD_HAS(list, Name) c.def(#Name, &Self::Name);
#define ORVANE_FWD_SIZE(list, Name) c.def(#Name, &Self::Name);
#define ORVANE_FWD_IN(list, Name) c.def(#Name, &Self::Name, py::arg("item"));
#define ORVANE_FWD_TEXT(list, Name) c.def(#Name, &Self::Name);
#define ORVANE_FWD_AT(list, Name, Op) c.def(#Name, &Self::Name, py::arg("index"));
#define ORVANE_FWD_AT2(list, Name, Op) \
    c.def(#Name, &Self::Name, py::arg("index"), py::arg("second"));
#define ORVANE_FWD_AT2V(list, Name, Op)                                                          \
    c.def(#Name, py::overload_cast<Integer, Integer>(&Self::Name, py::const_), py::arg("index"), \
          py::arg("second"));                                                                    \
    c.def(#Name, py::overload_cast<Integer, const std::string&>(&Self::Name, py::const_),        \
          py::arg("index"), py::arg("second"));
#define ORVANE_FWD_BYNAME(list, Name, Op) c.def(#Name, &Self::Name, py::arg("item"));
#define ORVANE_FWD_SET_IN(list, Name) c.def(#Name, &Self::Name, py::arg("set"), py::arg("item"));
#define ORVANE_DECLARED(Name) DefDeclared<Self, &Self::Name>(c, #Name);

// One class's members: the common ones, then its list.
#define ORVANE_PY_MEMBERS(R) \
    [&](auto c) {            \
        using Self = R;      \
        BindCommon<Self>(c); \
        ORVANE_MEMBERS(R)    \
    }(Class<R>(m));

namespace {

// Pass two, at run time: the fields of every kind, as typed attributes of its class. A field
// whose name a member of the class already has (clsArmor's list AbilityBonus beside the
// member AbilityBonus()) leaves the name to the member, as in C++, and is the attribute of
// that name with "_" added. A block field (a nested record held by reference) is the
// reference member that holds the nested record, under the field's name too; the nested
// record's class gets the block's fields. Each class lists its fields in `_fields` as
// (name, FieldKind, attribute) in file order.
std::string AttributeFor(py::handle type, const std::string& owner, const std::string& field) {
    if (!py::hasattr(type, field.c_str())) return field;
    const std::string renamed = field + "_";
    if (py::hasattr(type, renamed.c_str()))
        throw std::runtime_error(owner + "." + field +
                                 ": a field whose name and the name with "
                                 "'_' added are both taken by members");
    return renamed;
}

void SetAttribute(py::list& fields, py::handle type, const std::string& owner, const FieldInfo& f,
                  const FieldHandle& handle, ObjectOf objectOf) {
    const std::string attribute = AttributeFor(type, owner, f.Name);
    py::setattr(type, attribute.c_str(), MakeFieldAttribute(handle, type, objectOf));
    fields.append(py::make_tuple(f.Name, f.Type, attribute));
}

void BindFields(const KindInfo& kind) {
    auto found = Registry().find(kind.RecordClass());
    if (found == Registry().end())
        throw std::runtime_error("the record kind " + kind.Name() + " has a class, " +
                                 kind.RecordClass() + ", that the module does not bind");
    RecordClassInfo& info = found->second;
    if (info.fieldsBound) return;
    info.fieldsBound = true;
    py::list fields;
    for (const auto& f : kind.Fields()) {
        if (f.Type != FieldKind::Block) {
            SetAttribute(fields, info.type, kind.RecordClass(), f, kind.Handle(f.Name),
                         info.objectOf);
            continue;
        }
        const std::string nestedClass = kind.BlockClass(f.Name);
        std::string holder;
        for (const auto& [member, held] : info.references)
            if (held == nestedClass) {
                if (!holder.empty())
                    throw std::runtime_error(kind.RecordClass() + "." + f.Name +
                                             ": more than one member holds a " + nestedClass);
                holder = member;
            }
        if (holder.empty())
            throw std::runtime_error(kind.RecordClass() + "." + f.Name + ": no member holds the " +
                                     nestedClass + " of the block");
        std::string attribute = holder;
        if (holder != f.Name) {
            attribute = AttributeFor(info.type, kind.RecordClass(), f.Name);
            auto get =
                py::cpp_function([holder](py::object self) { return self.attr(holder.c_str()); },
                                 py::name(attribute.c_str()));
            auto set = py::cpp_function(
                [holder](py::object self, py::object value) {
                    py::setattr(self, holder.c_str(), value);
                },
                py::name(attribute.c_str()));
            py::setattr(
                info.type, attribute.c_str(),
                py::module_::import("builtins")
                    .attr("property")(get, set, py::none(),
                                      "The block " + f.Name + " (the member " + holder + ")."));
        }
        fields.append(py::make_tuple(f.Name, f.Type, attribute));
        auto nested = Registry().find(nestedClass);
        if (nested == Registry().end())
            throw std::runtime_error("the block " + f.Name + " holds a " + nestedClass +
                                     ", a class the module does not bind");
        if (!nested->second.fieldsBound) {
            nested->second.fieldsBound = true;
            py::list blockFields;
            for (const auto& bf : kind.BlockFields(f.Name))
                SetAttribute(blockFields, nested->second.type, nestedClass, bf,
                             kind.BlockHandle(f.Name, bf.Name), nested->second.objectOf);
            py::setattr(nested->second.type, "_fields", py::tuple(blockFields));
        }
    }
    py::setattr(info.type, "_fields", py::tuple(fields));
    py::setattr(info.type, "_kind", py::cast(kind));
}

}  // namespace

std::shared_ptr<Object> CopyOfRecord(const Object& record) {
    auto found = Copiers().find(typeid(record));
    return found == Copiers().end() ? nullptr : found->second(record);
}

#define ORVANE_PY_DECLARE(R, T, SHAPE, List, Read, Add, Del) Declare<R>(m);

void DeclareRecords(py::module_& m) {
    py::class_<Record, Object, std::shared_ptr<Record>>(
        m, "Record", "The base of every record class: Clear, Save and Load, the class name.")
        .def("Clear", &Record::Clear);
    ORVANE_ALL_KINDS(ORVANE_PY_DECLARE)
    Declare<clsRequirements>(m);
}

// Members: once per class (a class stored in two tables is listed twice; pybind11 would
// refuse to bind a member twice only for a new overload, so the second pass is skipped).
#define ORVANE_PY_BIND(R, T, SHAPE, List, Read, Add, Del) \
    if (bound.insert(#R).second) ORVANE_PY_MEMBERS(R)

void BindRecords(py::module_& m) {
    std::set<std::string> bound;
    ORVANE_ALL_KINDS(ORVANE_PY_BIND)
    ORVANE_PY_MEMBERS(clsRequirements)
    for (const auto& kind : RecordKinds()) BindFields(kind);
}

}  // namespace orvane_py
