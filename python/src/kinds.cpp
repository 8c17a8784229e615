// The record kinds at run time (RecordKinds, FindKind, KindInfo and what it describes), and
// the field handles behind the typed record attributes.
#include "bindings.hpp"

namespace orvane_py {

namespace {

// Keys as the kinds take them: texts, numbers given as decimal text (a Python int is taken
// too and written so).
std::vector<std::string> KeysOf(const py::iterable& keys) {
    std::vector<std::string> out;
    for (py::handle key : keys) {
        if (PyLong_Check(key.ptr()) && !PyBool_Check(key.ptr()))
            out.push_back(py::str(key).cast<std::string>());
        else
            out.push_back(key.cast<std::string>());
    }
    return out;
}

template <class T>
py::object Value(T value) {
    return py::cast(std::move(value));
}
py::object Value(std::shared_ptr<Object> record) { return record ? py::cast(record) : py::none(); }

template <class T>
py::object AsResult(Result<T> result) {
    return MakeResult(std::move(result.status), Value(std::move(result.value)));
}

std::string FieldKindName(FieldKind kind) { return py::str(py::cast(kind)).cast<std::string>(); }

}  // namespace

void BindKinds(py::module_& m) {
    py::enum_<FieldKind>(m, "FieldKind")
        .value("Text", FieldKind::Text)
        .value("Boolean", FieldKind::Boolean)
        .value("IntegerNumber", FieldKind::IntegerNumber)
        .value("LongNumber", FieldKind::LongNumber)
        .value("SingleNumber", FieldKind::SingleNumber)
        .value("List", FieldKind::List)
        .value("Modifiers", FieldKind::Modifiers)
        .value("Block", FieldKind::Block);

    py::class_<FieldInfo>(m, "FieldInfo")
        .def_readonly("Name", &FieldInfo::Name)
        .def_readonly("Type", &FieldInfo::Type)
        .def_readonly("Column", &FieldInfo::Column)
        .def_readonly("InFile", &FieldInfo::InFile)
        .def_readonly("Key", &FieldInfo::Key)
        .def("__repr__", [](const FieldInfo& f) {
            return "FieldInfo(" + f.Name + ", " + FieldKindName(f.Type) +
                   (f.Column.empty() ? "" : ", column " + f.Column) + (f.Key ? ", key" : "") +
                   (f.InFile ? ", in file" : "") + ")";
        });
    py::class_<FileLineInfo>(m, "FileLineInfo")
        .def_readonly("Field", &FileLineInfo::Field)
        .def_readonly("Type", &FileLineInfo::Type)
        .def_readonly("Group", &FileLineInfo::Group)
        .def_readonly("Form", &FileLineInfo::Form)
        .def("__repr__", [](const FileLineInfo& l) {
            return "FileLineInfo(" + l.Field + ", group " + std::to_string(l.Group) + ", " +
                   l.Form + ")";
        });
    py::class_<KeyInfo>(m, "KeyInfo")
        .def_readonly("Column", &KeyInfo::Column)
        .def_readonly("Field", &KeyInfo::Field)
        .def_readonly("Number", &KeyInfo::Number)
        .def("__repr__", [](const KeyInfo& k) {
            return "KeyInfo(" + k.Field + ", column " + k.Column + (k.Number ? ", number" : "") +
                   ")";
        });

    py::class_<FieldHandle>(m, "FieldHandle",
                            "A field found once by name, for typed access to its value.")
        .def(py::init<>())
        .def("__bool__", [](const FieldHandle& h) { return static_cast<bool>(h); })
        .def("Type", &FieldHandle::Type)
        .def("Name", &FieldHandle::Name)
        .def("RecordClass", &FieldHandle::RecordClass)
        .def("GetText", &FieldHandle::GetText, py::arg("record"))
        .def(
            "SetText",
            [](const FieldHandle& h, Object& record, const std::string& text) {
                h.SetText(record, text);
            },
            py::arg("record"), py::arg("text"))
        .def("GetNumber", &FieldHandle::GetNumber, py::arg("record"))
        .def("SetNumber", &FieldHandle::SetNumber, py::arg("record"), py::arg("value"))
        .def("GetSingle", &FieldHandle::GetSingle, py::arg("record"))
        .def("SetSingle", &FieldHandle::SetSingle, py::arg("record"), py::arg("value"))
        .def("GetModifier", &FieldHandle::GetModifier, py::arg("record"), py::arg("ability"))
        .def("SetModifier", &FieldHandle::SetModifier, py::arg("record"), py::arg("ability"),
             py::arg("value"))
        .def(
            "GetObject",
            [](const FieldHandle& h, const Object& record) {
                return CopyOfObject(h.GetObject(record));
            },
            py::arg("record"), "A copy of the field's list object or nested record (or None).")
        .def("__repr__", [](const FieldHandle& h) {
            return h ? "FieldHandle(" + h.RecordClass() + "." + h.Name() + ")"
                     : std::string("FieldHandle()");
        });

    py::class_<KindInfo>(m, "KindInfo",
                         "A record kind: what it is called, where it is stored, how it is keyed, "
                         "its fields, and its operations called by kind.")
        .def("Name", &KindInfo::Name)
        .def("Table", &KindInfo::Table)
        .def("RecordClass", &KindInfo::RecordClass)
        .def("Keys", &KindInfo::Keys)
        .def("HasStation", &KindInfo::HasStation)
        .def("HasDescript", &KindInfo::HasDescript)
        .def("HasListFlag", &KindInfo::HasListFlag)
        .def("Fields", &KindInfo::Fields)
        .def("FileLines", &KindInfo::FileLines)
        .def("BlockFields", &KindInfo::BlockFields, py::arg("field"))
        .def(
            "List",
            [](const KindInfo& k, clsDatabase& db, bool flag) {
                return Locked(db, [&] { return k.List(db, flag); });
            },
            py::arg("db"), py::arg("flag") = false)
        .def(
            "Read",
            [](const KindInfo& k, clsDatabase& db, const py::iterable& keys, bool bDescript,
               bool bStation) {
                auto args = KeysOf(keys);
                return Value(Locked(db, [&] { return k.Read(db, args, bDescript, bStation); }));
            },
            py::arg("db"), py::arg("keys"), py::arg("bDescript") = false,
            py::arg("bStation") = false)
        .def(
            "Add",
            [](const KindInfo& k, clsDatabase& db, const Object& record) {
                auto copy = CopyOfRecord(record);
                Locked(db, [&] { k.Add(db, copy ? *copy : record); });
            },
            py::arg("db"), py::arg("record"))
        .def(
            "Delete",
            [](const KindInfo& k, clsDatabase& db, const py::iterable& keys, bool bStation) {
                auto args = KeysOf(keys);
                Locked(db, [&] { k.Delete(db, args, bStation); });
            },
            py::arg("db"), py::arg("keys"), py::arg("bStation") = false)
        .def(
            "TryList",
            [](const KindInfo& k, clsDatabase& db, bool flag) {
                return AsResult(Locked(db, [&] { return k.TryList(db, flag); }));
            },
            py::arg("db"), py::arg("flag") = false)
        .def(
            "TryRead",
            [](const KindInfo& k, clsDatabase& db, const py::iterable& keys, bool bDescript,
               bool bStation) {
                auto args = KeysOf(keys);
                return AsResult(
                    Locked(db, [&] { return k.TryRead(db, args, bDescript, bStation); }));
            },
            py::arg("db"), py::arg("keys"), py::arg("bDescript") = false,
            py::arg("bStation") = false)
        .def(
            "TryAdd",
            [](const KindInfo& k, clsDatabase& db, const Object& record) {
                auto copy = CopyOfRecord(record);
                return Locked(db, [&] { return k.TryAdd(db, copy ? *copy : record); });
            },
            py::arg("db"), py::arg("record"))
        .def(
            "TryDelete",
            [](const KindInfo& k, clsDatabase& db, const py::iterable& keys, bool bStation) {
                auto args = KeysOf(keys);
                return Locked(db, [&] { return k.TryDelete(db, args, bStation); });
            },
            py::arg("db"), py::arg("keys"), py::arg("bStation") = false)
        .def("NewRecord", &KindInfo::NewRecord)
        .def("FieldText", &KindInfo::FieldText, py::arg("record"), py::arg("field"))
        .def("SetFieldText", &KindInfo::SetFieldText, py::arg("record"), py::arg("field"),
             py::arg("text"))
        .def(
            "FieldObject",
            [](const KindInfo& k, const Object& record, const std::string& field) {
                return CopyOfObject(k.FieldObject(record, field));
            },
            py::arg("record"), py::arg("field"),
            "A copy of the list object behind a list field, or of the nested record behind a "
            "block field (None for other fields and an absent nested record).")
        .def(
            "FieldList",
            [](const KindInfo& k, const Object& record, const std::string& field) {
                return CopyOfObject(k.FieldList(record, field));
            },
            py::arg("record"), py::arg("field"))
        .def(
            "Save",
            [](const KindInfo& k, const Object& record, const std::string& fileName) {
                auto copy = CopyOfRecord(record);
                FileWork([&] { k.Save(copy ? *copy : record, fileName); });
            },
            py::arg("record"), py::arg("fileName"))
        .def(
            "Load",
            [](const KindInfo& k, Object& record, const std::string& fileName) {
                FileWork([&] { k.Load(record, fileName); });
            },
            py::arg("record"), py::arg("fileName"))
        .def(
            "TrySave",
            [](const KindInfo& k, const Object& record, const std::string& fileName) {
                auto copy = CopyOfRecord(record);
                return FileWork([&] { return k.TrySave(copy ? *copy : record, fileName); });
            },
            py::arg("record"), py::arg("fileName"))
        .def(
            "TryLoad",
            [](const KindInfo& k, Object& record, const std::string& fileName) {
                return FileWork([&] { return k.TryLoad(record, fileName); });
            },
            py::arg("record"), py::arg("fileName"))
        .def("Handle", &KindInfo::Handle, py::arg("field"))
        .def("BlockHandle", &KindInfo::BlockHandle, py::arg("block"), py::arg("field"))
        .def("BlockClass", &KindInfo::BlockClass, py::arg("field"))
        .def("__eq__",
             [](const KindInfo& a, const KindInfo& b) {
                 return a.Name() == b.Name() && a.Table() == b.Table();
             })
        .def("__hash__", [](const KindInfo& k) { return py::hash(py::str(k.Name())); })
        .def("__repr__", [](const KindInfo& k) {
            return "KindInfo(" + py::repr(py::cast(k.Name())).cast<std::string>() + ")";
        });

    m.def("RecordKinds", &RecordKinds);
    m.def(
        "FindKind",
        [](const std::string& name) -> py::object {
            auto kind = FindKind(name);
            return kind ? py::cast(*kind) : py::none();
        },
        py::arg("name"));
}

}  // namespace orvane_py
