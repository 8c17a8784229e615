// clsDatabase: every member, the record kinds' four operations each from the list of every
// kind (ORVANE_ALL_KINDS), and what a Python user expects beside them (a context manager
// that ends a transaction begun inside it). Database work runs without the interpreter lock
// and with the database object's own lock; no operation raises, as in C++, except creation
// and switching logging on.
#include <type_traits>

#include "bindings.hpp"

namespace orvane_py {

namespace {

using DatabaseClass = py::class_<clsDatabase, Object, std::shared_ptr<clsDatabase>>;

// A member of clsDatabase called as its Python method: the arguments are converted with the
// interpreter lock, the member runs without it.
template <auto M>
struct Call;
template <class Ret, class... A, Ret (clsDatabase::*M)(A...)>
struct Call<M> {
    static Ret Run(clsDatabase& self, A... a) {
        return Locked(self, [&]() -> Ret { return (self.*M)(a...); });
    }
};
template <class Ret, class... A, Ret (clsDatabase::*M)(A...) const>
struct Call<M> {
    static Ret Run(clsDatabase& self, A... a) {
        return Locked(self, [&]() -> Ret { return (self.*M)(a...); });
    }
};

// An add takes a copy of the record, made with the interpreter lock, so the record itself is
// free for other threads while the row is written (None adds nothing, as nullptr does).
template <class R, void (clsDatabase::*M)(const R*)>
void AddCopy(clsDatabase& self, const R* record) {
    if (!record) return Locked(self, [&] { (self.*M)(nullptr); });
    R copy(*record);
    Locked(self, [&] { (self.*M)(&copy); });
}

// A kind's list (with the station flag where it takes one) and add.
template <class R, auto List, auto Add>
void DefListAndAdd(DatabaseClass& c, const char* list, const char* add) {
    if constexpr (std::is_invocable_v<decltype(List), clsDatabase&>)
        c.def(list, &Call<List>::Run);
    else
        c.def(list, &Call<List>::Run, py::arg("bStation") = false);
    c.def(add, &AddCopy<R, Add>, py::arg("record"));
}

// The arguments of each shape's read and delete, under the names of the C++ declarations.
#define ORVANE_PY_KIND(R, T, SHAPE, List, Read, Add, Del)                      \
    DefListAndAdd<R, &clsDatabase::List, &clsDatabase::Add>(c, #List, #Add);   \
    c.def(#Read, &Call<&clsDatabase::Read>::Run, ORVANE_PY_READ_ARGS_##SHAPE); \
    c.def(#Del, &Call<&clsDatabase::Del>::Run, ORVANE_PY_DEL_ARGS_##SHAPE);

#define ORVANE_PY_READ_ARGS_TEXT py::arg("strKey")
#define ORVANE_PY_READ_ARGS_TEXT_DESCRIBED py::arg("strKey"), py::arg("bDescript") = false
#define ORVANE_PY_READ_ARGS_TEXT_LEVEL py::arg("strKey"), py::arg("iLevel")
#define ORVANE_PY_READ_ARGS_TEXT_TEXT py::arg("strKey"), py::arg("strSecond")
#define ORVANE_PY_READ_ARGS_NUMBER py::arg("iKey")
#define ORVANE_PY_READ_ARGS_STATION_NUMBER py::arg("iKey"), py::arg("bStation") = false
#define ORVANE_PY_READ_ARGS_STATION_TEXT py::arg("strKey"), py::arg("bStation") = false
#define ORVANE_PY_DEL_ARGS_TEXT py::arg("strKey")
#define ORVANE_PY_DEL_ARGS_TEXT_DESCRIBED py::arg("strKey")
#define ORVANE_PY_DEL_ARGS_TEXT_LEVEL py::arg("strKey"), py::arg("iLevel")
#define ORVANE_PY_DEL_ARGS_TEXT_TEXT py::arg("strKey"), py::arg("strSecond")
#define ORVANE_PY_DEL_ARGS_NUMBER py::arg("iKey")
#define ORVANE_PY_DEL_ARGS_STATION_NUMBER py::arg("iKey"), py::arg("bStation") = false
#define ORVANE_PY_DEL_ARGS_STATION_TEXT py::arg("strKey"), py::arg("bStation") = false

// The kinds' operations by name, for the test that every kind is reachable: (class, table
// index, list, read, add, delete) per entry of the list of every kind.
#define ORVANE_PY_KIND_ENTRY(R, T, SHAPE, List, Read, Add, Del) \
    entries.append(py::make_tuple(#R, T, #SHAPE, #List, #Read, #Add, #Del));

Database& Own(clsDatabase& db) {
    auto* own = dynamic_cast<Database*>(&db);
    if (!own) throw py::type_error("a database object not made by the module");
    return *own;
}

}  // namespace

void BindDatabase(py::module_& m) {
    DatabaseClass c(m, "clsDatabase",
                    "The connection to a rules database and every operation on it. Usable as a "
                    "context manager: a transaction begun inside the block is committed at its "
                    "end, or rolled back when the block raises.");
    c.def(py::init([] {
        py::gil_scoped_release release;
        return std::shared_ptr<clsDatabase>(std::make_shared<Database>());
    }));
    c.def("Clear", &Call<&clsDatabase::Clear>::Run);
    c.def_property(
        "Name", [](clsDatabase& db) { return Locked(db, [&] { return db.Name(); }); },
        [](clsDatabase& db, const std::string& path) { Locked(db, [&] { db.Name(path); }); });
    c.def_property(
        "Messaging", [](clsDatabase& db) { return Locked(db, [&] { return db.Messaging(); }); },
        [](clsDatabase& db, bool value) { Locked(db, [&] { db.Messaging(value); }); });
    c.def_property(
        "Logging", [](clsDatabase& db) { return Locked(db, [&] { return db.Logging(); }); },
        [](clsDatabase& db, bool value) { Locked(db, [&] { db.Logging(value); }); });
    c.def("FileDate", &Call<&clsDatabase::FileDate>::Run);
    c.def("Version", &Call<&clsDatabase::Version>::Run);

    c.def("BeginTrans", [](clsDatabase& db) {
        Locked(db, [&] {
            db.BeginTrans();
            Own(db).transactionOpen = true;
        });
    });
    c.def("CommitTrans", [](clsDatabase& db) {
        Locked(db, [&] {
            db.CommitTrans();
            Own(db).transactionOpen = false;
        });
    });
    c.def("Rollback", [](clsDatabase& db) {
        Locked(db, [&] {
            db.Rollback();
            Own(db).transactionOpen = false;
        });
    });
    c.def("__enter__", [](py::object self) {
        auto& db = Own(self.cast<clsDatabase&>());
        // A transaction already open when the block begins is not the block's to end.
        db.blocks.push_back(db.transactionOpen);
        return self;
    });
    c.def(
        "__exit__",
        [](clsDatabase& self, py::object type, py::object, py::object) {
            auto& db = Own(self);
            bool outer = false;
            if (!db.blocks.empty()) {
                outer = db.blocks.back();
                db.blocks.pop_back();
            }
            if (db.transactionOpen && !outer) {
                Locked(db, [&, failed = !type.is_none()] {
                    if (failed)
                        db.Rollback();
                    else
                        db.CommitTrans();
                    db.transactionOpen = false;
                });
            }
            return false;
        },
        py::arg("exc_type"), py::arg("exc_value"), py::arg("traceback"));

    // Lookup lists.
    c.def("AbilityList", &Call<&clsDatabase::AbilityList>::Run);
    c.def("AddAbility", &Call<&clsDatabase::AddAbility>::Run, py::arg("strAbility"),
          py::arg("iOrder"));
    c.def("DelAbility", &Call<&clsDatabase::DelAbility>::Run, py::arg("strAbility"));
    c.def("GetAbility", &Call<&clsDatabase::GetAbility>::Run, py::arg("strAbility"));
    c.def("KeywordList", &Call<&clsDatabase::KeywordList>::Run);
    c.def("AddKeyword", &Call<&clsDatabase::AddKeyword>::Run, py::arg("strKeyword"),
          py::arg("strName"));
    c.def("DelKeyword", &Call<&clsDatabase::DelKeyword>::Run, py::arg("strKeyword"));
    c.def("GetKeyword", &Call<&clsDatabase::GetKeyword>::Run, py::arg("strKeyword"));
    c.def("LanguageList", &Call<&clsDatabase::LanguageList>::Run);
    c.def("AddLanguage", &Call<&clsDatabase::AddLanguage>::Run, py::arg("strLanguage"));
    c.def("DelLanguage", &Call<&clsDatabase::DelLanguage>::Run, py::arg("strLanguage"));
    c.def("RegionList", &Call<&clsDatabase::RegionList>::Run);
    c.def("AddRegion", &Call<&clsDatabase::AddRegion>::Run, py::arg("strRegion"));
    c.def("DelRegion", &Call<&clsDatabase::DelRegion>::Run, py::arg("strRegion"));
    c.def("GetColorList", &Call<&clsDatabase::GetColorList>::Run);
    c.def("AddColor", &Call<&clsDatabase::AddColor>::Run, py::arg("strColor"));
    c.def("DelColor", &Call<&clsDatabase::DelColor>::Run, py::arg("strColor"));

    // Record kinds.
    ORVANE_ALL_KINDS(ORVANE_PY_KIND)
    c.def("GetSkillList", &Call<&clsDatabase::GetSkillList>::Run, py::arg("bAumenSkills") = false);

    py::list entries;
    ORVANE_ALL_KINDS(ORVANE_PY_KIND_ENTRY)
    m.attr("_kind_operations") = py::tuple(entries);
}

}  // namespace orvane_py
