// The encoded-list classes: every class ORVANE_LIST_CLASSES names, with what EncodedList
// offers bound once on the base and each class's own questions on the class.
#include "bindings.hpp"

namespace orvane_py {

namespace {

template <class L>
using ListClass = py::class_<L, EncodedList, std::shared_ptr<L>>;

template <class L>
ListClass<L> Class(py::module_& m) {
    return py::reinterpret_borrow<ListClass<L>>(m.attr(py::str(L().ClassName())));
}

}  // namespace

py::object CopyOfObject(const Object* object) {
    if (!object) return py::none();
#define ORVANE_PY_COPY_LIST(L) \
    if (auto* list = dynamic_cast<const L*>(object)) return py::cast(std::make_shared<L>(*list));
    ORVANE_LIST_CLASSES(ORVANE_PY_COPY_LIST)
#undef ORVANE_PY_COPY_LIST
    if (auto* requirements = dynamic_cast<const clsRequirements*>(object))
        return py::cast(std::make_shared<clsRequirements>(*requirements));
    return py::none();
}

void BindLists(py::module_& m) {
    py::class_<EncodedList, Object, std::shared_ptr<EncodedList>>(
        m, "EncodedList",
        "What every encoded list offers: parse a text (SetList), tell whether it held a list, "
        "count the entries, write the canonical text back (GetList) and clear.")
        .def("Clear", &EncodedList::Clear)
        .def("HasList", &EncodedList::HasList)
        .def("SetList", &EncodedList::SetList, py::arg("strList"))
        .def("GetSize", &EncodedList::GetSize)
        .def("GetList", &EncodedList::GetList)
        .def("__len__", &EncodedList::GetSize)
        .def("__eq__",
             [](const EncodedList& a, const EncodedList& b) {
                 return a.ClassName() == b.ClassName() && a.HasList() == b.HasList() &&
                        a.GetList() == b.GetList();
             })
        .def("__repr__", [](const EncodedList& l) {
            return l.ClassName() + "(" + py::repr(py::cast(l.GetList())).cast<std::string>() + ")";
        });
    py::setattr(m.attr("EncodedList"), "__hash__", py::none());

    // Every list class, creatable and copyable; a text given to the constructor is parsed.
#define ORVANE_PY_LIST_CLASS(L)                                                            \
    ListClass<L>(m, #L)                                                                    \
        .def(py::init<>())                                                                 \
        .def(py::init([](const std::string& text) {                                        \
                 auto list = std::make_shared<L>();                                        \
                 list->SetList(text);                                                      \
                 return list;                                                              \
             }),                                                                           \
             py::arg("strList"))                                                           \
        .def("__copy__", [](const L& l) { return std::make_shared<L>(l); })                \
        .def(                                                                              \
            "__deepcopy__", [](const L& l, py::object) { return std::make_shared<L>(l); }, \
            py::arg("memo"));
    ORVANE_LIST_CLASSES(ORVANE_PY_LIST_CLASS)
#undef ORVANE_PY_LIST_CLASS

    Class<clsListSimple>(m)
        .def("InList", &clsListSimple::InList, py::arg("strItem"))
        .def("GetItem", &clsListSimple::GetItem, py::arg("iItem"));
    Class<clsListLevel>(m)
        .def("InList", &clsListLevel::InList, py::arg("strItem"))
        .def("GetName", &clsListLevel::GetName, py::arg("iItem"))
        .def("GetRank", &clsListLevel::GetRank, py::arg("iItem"))
        .def("GetRankFromName", &clsListLevel::GetRankFromName, py::arg("strItem"));
    Class<clsListBonus>(m)
        .def("GetName", &clsListBonus::GetName, py::arg("iBonus"))
        .def("GetNumber", &clsListBonus::GetNumber, py::arg("iBonus"))
        .def("GetLevel", &clsListBonus::GetLevel, py::arg("iBonus"), py::arg("iNumber"))
        .def("GetQuantity", &clsListBonus::GetQuantity, py::arg("iBonus"), py::arg("iNumber"));
    Class<clsListSynergy>(m)
        .def("InList", &clsListSynergy::InList, py::arg("strItem"))
        .def("GetLevel", &clsListSynergy::GetLevel, py::arg("iSynergy"))
        .def("GetSkill", &clsListSynergy::GetSkill, py::arg("iSynergy"))
        .def("GetBonus", &clsListSynergy::GetBonus, py::arg("iSynergy"))
        .def("GetLevelFromSkill", &clsListSynergy::GetLevelFromSkill, py::arg("strItem"))
        .def("GetBonusFromSkill", &clsListSynergy::GetBonusFromSkill, py::arg("strItem"));
    Class<clsListSubSynergy>(m)
        .def("InList", &clsListSubSynergy::InList, py::arg("strItem"))
        .def("GetLevel", &clsListSubSynergy::GetLevel, py::arg("iSynergy"))
        .def("GetSubSkill", &clsListSubSynergy::GetSubSkill, py::arg("iSynergy"))
        .def("GetSkill", &clsListSubSynergy::GetSkill, py::arg("iSynergy"))
        .def("GetBonus", &clsListSubSynergy::GetBonus, py::arg("iSynergy"))
        .def("GetLevelFromSkill", &clsListSubSynergy::GetLevelFromSkill, py::arg("strItem"))
        .def("GetBonusFromSkill", &clsListSubSynergy::GetBonusFromSkill, py::arg("strItem"));
    Class<clsListOrSimple>(m)
        .def("GetNumber", &clsListOrSimple::GetNumber, py::arg("iList"))
        .def("GetItem", &clsListOrSimple::GetItem, py::arg("iList"), py::arg("iNumber"))
        .def("InList", &clsListOrSimple::InList, py::arg("iList"), py::arg("strItem"))
        .def("GetSetList", &clsListOrSimple::GetSetList, py::arg("iList"));
    Class<clsListOrLevel>(m)
        .def("GetNumber", &clsListOrLevel::GetNumber, py::arg("iList"))
        .def("GetName", &clsListOrLevel::GetName, py::arg("iList"), py::arg("iNumber"))
        .def("GetRank", &clsListOrLevel::GetRank, py::arg("iList"), py::arg("iNumber"))
        .def("InList", &clsListOrLevel::InList, py::arg("iList"), py::arg("strItem"))
        .def("GetSetList", &clsListOrLevel::GetSetList, py::arg("iList"));
    Class<clsListTripleSimple>(m)
        .def("InList", &clsListTripleSimple::InList, py::arg("strItem"))
        .def("GetClass", &clsListTripleSimple::GetClass, py::arg("iTriple"))
        .def("GetOldFeat", &clsListTripleSimple::GetOldFeat, py::arg("iTriple"))
        .def("GetNewFeat", &clsListTripleSimple::GetNewFeat, py::arg("iTriple"));
}

}  // namespace orvane_py
