// The module's foundations: the base Object, list results, statuses, the host services (the
// message box handler, numbered files, the library's identity), the configuration store,
// the attack calculator and the functions that make and inspect rules database files.
#include <stdexcept>
#include <utility>

#include "bindings.hpp"

namespace orvane_py {

std::recursive_mutex& LockOf(clsDatabase& db) {
    if (auto* own = dynamic_cast<Database*>(&db)) return own->mutex;
    static std::recursive_mutex others;  // a database made elsewhere: one lock for all of them
    return others;
}

std::mutex& FileLock() {
    static std::mutex lock;
    return lock;
}

namespace {

// The Python target of message boxes. The library keeps a copy of its handler for as long as
// it is installed, so the target is held by a shared pointer whose last owner gives the
// Python object back with the interpreter lock (or leaves it, once the interpreter is gone).
struct HandlerTarget {
    py::object callable;
};
bool InterpreterRunning() {
#if PY_VERSION_HEX >= 0x030D0000
    return Py_IsInitialized() && !Py_IsFinalizing();
#else
    return Py_IsInitialized() && !_Py_IsFinalizing();
#endif
}

void DropTarget(HandlerTarget* target) {
    if (InterpreterRunning()) {
        py::gil_scoped_acquire gil;
        delete target;
    } else {
        target->callable.release();  // the interpreter is gone: nothing left to give back
        delete target;
    }
}

std::shared_ptr<HandlerTarget> currentTarget;  // changed with the interpreter lock held

void Deliver(const std::shared_ptr<HandlerTarget>& target, const std::string& prompt, MsgIcon icon,
             const std::string& title) {
    if (!InterpreterRunning()) return;
    py::gil_scoped_acquire gil;
    try {
        target->callable(prompt, icon, title);
    } catch (py::error_already_set& e) {
        // A database operation never raises: a failing handler is reported the way Python
        // reports errors it cannot raise, and the operation goes on.
        e.discard_as_unraisable("orvane message handler");
    } catch (const std::exception& e) {
        PyErr_SetString(PyExc_RuntimeError, e.what());
        PyErr_WriteUnraisable(target->callable.ptr());
    }
}

// Installs `callable` as the message box handler (None restores the default, which writes to
// standard error) and returns the Python handler it replaces (None for the default).
py::object SetHandler(py::object callable) {
    py::object previous = currentTarget ? currentTarget->callable : py::none();
    if (callable.is_none()) {
        currentTarget.reset();
        py::gil_scoped_release release;  // the old handler may be running in another thread
        SetMessageBoxHandler({});
        return previous;
    }
    if (!PyCallable_Check(callable.ptr()))
        throw py::type_error("a message handler is a callable (prompt, icon, title), or None");
    std::shared_ptr<HandlerTarget> target(new HandlerTarget{std::move(callable)}, DropTarget);
    currentTarget = target;
    {
        py::gil_scoped_release release;
        SetMessageBoxHandler(
            [target](const std::string& prompt, MsgIcon icon, const std::string& title) {
                Deliver(target, prompt, icon, title);
            });
    }
    return previous;
}

// The Python form of Result<T>: the status and the value (None for no record).
struct PyResult {
    Status status;
    py::object value;
};

}  // namespace

void BindCore(py::module_& m) {
    py::class_<Object, std::shared_ptr<Object>>(m, "Object",
                                                "The base of every class of the library.")
        .def("ClassName", &Object::ClassName);

    py::class_<ListResult>(m, "ListResult",
                           "What the list operations return: the values at LBound()..UBound(). "
                           "It iterates over its values; the empty form (one empty text at index "
                           "0) iterates as nothing and answers IsEmptyForm().")
        .def(py::init<>())
        .def(py::init<int, std::vector<std::string>>(), py::arg("lbound"), py::arg("values"))
        .def("LBound", &ListResult::LBound)
        .def("UBound", &ListResult::UBound)
        .def("size", &ListResult::size)
        .def("IsEmptyForm", &ListResult::IsEmptyForm)
        .def("Values", &ListResult::Values)
        .def("__len__", [](const ListResult& r) { return r.IsEmptyForm() ? 0 : r.size(); })
        .def("__bool__", [](const ListResult& r) { return !r.IsEmptyForm() && r.size() > 0; })
        .def("__iter__",
             [](const ListResult& r) {
                 // One list of str made in one go, then iterated: much cheaper per value than
                 // an iterator object calling back into the module for each.
                 const auto& values = r.Values();
                 const std::size_t n = r.IsEmptyForm() ? 0 : values.size();
                 PyObject* list = PyList_New(static_cast<Py_ssize_t>(n));
                 if (!list) throw py::error_already_set();
                 auto owned = py::reinterpret_steal<py::object>(list);
                 for (std::size_t i = 0; i < n; ++i) {
                     PyObject* text = NewText(values[i]);
                     if (!text) throw py::error_already_set();
                     PyList_SET_ITEM(list, static_cast<Py_ssize_t>(i), text);
                 }
                 return py::iter(owned);
             })
        .def(
            "__getitem__",
            [](const ListResult& r, int i) -> const std::string& {
                if (i < r.LBound() || i > r.UBound())
                    throw py::index_error("index " + std::to_string(i) + " is outside " +
                                          std::to_string(r.LBound()) + ".." +
                                          std::to_string(r.UBound()));
                return r[i];
            },
            py::arg("i"))
        .def(
            "__contains__",
            [](const ListResult& r, const std::string& value) {
                if (r.IsEmptyForm()) return false;
                for (const auto& v : r.Values())
                    if (v == value) return true;
                return false;
            },
            py::arg("value"))
        .def("__eq__",
             [](const ListResult& a, const ListResult& b) {
                 return a.LBound() == b.LBound() && a.Values() == b.Values();
             })
        .def("__repr__", [](const ListResult& r) {
            if (r.IsEmptyForm()) return std::string("ListResult()");
            std::string text = "ListResult(" + std::to_string(r.LBound()) + ", [";
            for (std::size_t i = 0; i < r.size(); ++i) {
                if (i == 8) {
                    text += ", ... " + std::to_string(r.size() - 8) + " more";
                    break;
                }
                text += (i ? ", " : "") + py::repr(py::cast(r.Values()[i])).cast<std::string>();
            }
            return text + "])";
        });
    py::setattr(m.attr("ListResult"), "__hash__", py::none());

    py::enum_<StatusCode>(m, "StatusCode")
        .value("Ok", StatusCode::Ok)
        .value("NoDatabase", StatusCode::NoDatabase)
        .value("NoTable", StatusCode::NoTable)
        .value("NotFound", StatusCode::NotFound)
        .value("BadKey", StatusCode::BadKey)
        .value("Empty", StatusCode::Empty)
        .value("Engine", StatusCode::Engine)
        .value("BadValue", StatusCode::BadValue)
        .value("File", StatusCode::File);

    py::class_<Status>(m, "Status", "What an operation did, as a value.")
        .def(py::init<>())
        .def(py::init<StatusCode, std::string, int>(), py::arg("code"), py::arg("message"),
             py::arg("engineCode") = 0)
        .def("Ok", &Status::Ok)
        .def("Code", &Status::Code)
        .def("EngineCode", &Status::EngineCode)
        .def("Message", &Status::Message)
        .def("Label", &Status::Label)
        .def("Quiet", &Status::Quiet)
        .def("Line", &Status::Line)
        .def("LogsStatement", &Status::LogsStatement)
        .def("__bool__", &Status::Ok)
        .def("__repr__", [](const Status& s) {
            return "Status(" + py::repr(py::cast(s.Code())).cast<std::string>() + ", " +
                   py::repr(py::cast(s.Message())).cast<std::string>() +
                   (s.Label().empty()
                        ? ""
                        : ", label=" + py::repr(py::cast(s.Label())).cast<std::string>()) +
                   ")";
        });

    py::class_<PyResult>(m, "Result",
                         "A value with the status of the operation that produced it; on failure "
                         "the value is the empty result (the empty list form, None).")
        .def_readonly("status", &PyResult::status)
        .def_readonly("value", &PyResult::value)
        .def("__iter__",
             [](const PyResult& r) { return py::iter(py::make_tuple(r.status, r.value)); })
        .def("__repr__", [](const PyResult& r) {
            return "Result(" + py::repr(py::cast(r.status)).cast<std::string>() + ", " +
                   py::repr(r.value).cast<std::string>() + ")";
        });

    // Host services.
    py::enum_<MsgIcon>(m, "MsgIcon")
        .value("Exclamation", MsgIcon::Exclamation)
        .value("Critical", MsgIcon::Critical);
    m.def("_set_message_handler", &SetHandler, py::arg("handler"));

    py::enum_<FileMode>(m, "FileMode")
        .value("Output", FileMode::Output)
        .value("Input", FileMode::Input)
        .value("Append", FileMode::Append);
    m.def("FreeFile", &FreeFile);
    m.def(
        "FileOpen",
        [](Integer number, const std::string& path, FileMode mode) {
            FileWork([&] { FileOpen(number, path, mode); });
        },
        py::arg("number"), py::arg("path"), py::arg("mode"));
    m.def(
        "FileClose", [](Integer number) { FileWork([&] { FileClose(number); }); },
        py::arg("number"));
    m.def("FileIsOpen", &FileIsOpen, py::arg("number"));
    m.def("LibraryFolder", &LibraryFolder);
    m.def("LibraryFileName", &LibraryFileName);
    m.def("LibraryVersion", &LibraryVersion);
    m.def("VariantToInteger", &VariantToInteger, py::arg("value"));
    m.def("CreateObject", &CreateObject, py::arg("progId"));

    // The configuration store.
    py::enum_<RegRoot>(m, "RegRoot")
        .value("LocalMachine", RegRoot::LocalMachine)
        .value("CurrentUser", RegRoot::CurrentUser);
    m.def("QueryRegValue", &QueryRegValue, py::arg("root"), py::arg("keyPath"),
          py::arg("valueName"));
    m.def(
        "SetRegValue",
        [](RegRoot root, const std::string& keyPath, const std::string& valueName,
           const std::string& text) {
            py::gil_scoped_release release;
            SetRegValue(root, keyPath, valueName, text);
        },
        py::arg("root"), py::arg("keyPath"), py::arg("valueName"), py::arg("text"));

    // Rules database files.
    m.def(
        "CreateRulesDatabase",
        [](const std::string& path, bool withSample) {
            py::gil_scoped_release release;
            CreateRulesDatabase(path, withSample);
        },
        py::arg("path"), py::arg("withSample"));
    m.def(
        "SetDatabaseInfo",
        [](const std::string& path, const std::string& version) {
            py::gil_scoped_release release;
            SetDatabaseInfo(path, version);
        },
        py::arg("path"), py::arg("version"));
    m.def("MissingSchemaTables", &MissingSchemaTables, py::arg("path"),
          py::call_guard<py::gil_scoped_release>());
    m.def("KeywordRows", &KeywordRows, py::arg("path"), py::call_guard<py::gil_scoped_release>());

    // The attack calculator (the std::overflow_error it throws is an OverflowError).
    py::class_<clsAttacks, Object, std::shared_ptr<clsAttacks>>(m, "clsAttacks")
        .def(py::init<>())
        .def_readwrite("MultiFeat", &clsAttacks::MultiFeat)
        .def_readwrite("RapidFeat", &clsAttacks::RapidFeat)
        .def_readwrite("OffHandIsLight", &clsAttacks::OffHandIsLight)
        .def_readwrite("AmbidexterityFeat", &clsAttacks::AmbidexterityFeat)
        .def_readwrite("TwoWeaponFeat", &clsAttacks::TwoWeaponFeat)
        .def_readwrite("ImprovTwoWeapFeat", &clsAttacks::ImprovTwoWeapFeat)
        .def("NormalAttack", &clsAttacks::NormalAttack, py::arg("iAttack"), py::arg("iMin") = 1,
             py::arg("bRestrict") = true, py::arg("iRestrict") = 4)
        .def("MultiAttack", &clsAttacks::MultiAttack, py::arg("iAttack"), py::arg("iMin") = 0)
        .def("AutoAttack", &clsAttacks::AutoAttack, py::arg("iAttack"), py::arg("iMin") = 0)
        .def("PriHandAttack", &clsAttacks::PriHandAttack, py::arg("iAttack"), py::arg("iMin") = 1)
        .def("PriHandMulti", &clsAttacks::PriHandMulti, py::arg("iAttack"), py::arg("iMin") = 1)
        .def("PriHandAuto", &clsAttacks::PriHandAuto, py::arg("iAttack"), py::arg("iMin") = 0)
        .def("OffHandAttack", &clsAttacks::OffHandAttack, py::arg("iAttack"), py::arg("iMin") = 0)
        .def("OffHandMulti", &clsAttacks::OffHandMulti, py::arg("iAttack"))
        .def("OffHandAuto", &clsAttacks::OffHandAuto, py::arg("iAttack"));
}

py::object MakeResult(Status status, py::object value) {
    return py::cast(PyResult{std::move(status), std::move(value)});
}

}  // namespace orvane_py
