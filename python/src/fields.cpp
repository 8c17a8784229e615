// The typed field attributes of record classes: one descriptor per field of a kind, holding
// the field's handle, so that reading or writing `species.Move` costs one call into the
// library's own access to the member and one Python value, with no name lookup and no
// argument conversion machinery in between.
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "bindings.hpp"

namespace orvane_py {

namespace {

struct FieldAttribute {
    PyObject_HEAD FieldHandle handle;
    PyObject* owner;  // the class the field belongs to
    ObjectOf objectOf;
    PyObject* name;
};

PyTypeObject* attributeType = nullptr;

constexpr std::array<const char*, 6> kAbilities = {"Str", "Dex", "Con", "Int", "Wis", "Cha"};

// A Single as Python shows it: the shortest decimal that reads back as the same Single, so
// that 2.1 stays 2.1 rather than the double nearest to the Single nearest to 2.1.
double SingleValue(Single value) {
    if (!std::isfinite(value)) return value;
    char text[32];
    auto written = std::to_chars(text, text + sizeof text, value);
    double out = value;
    std::from_chars(text, written.ptr, out);
    return out;
}

// Translates a library exception into the Python exception the caller can act on.
PyObject* Raise(const std::exception& e) {
    if (dynamic_cast<const std::out_of_range*>(&e))
        PyErr_SetString(PyExc_OverflowError, e.what());
    else if (dynamic_cast<const std::invalid_argument*>(&e))
        PyErr_SetString(PyExc_ValueError, e.what());
    else if (dynamic_cast<const std::logic_error*>(&e))
        PyErr_SetString(PyExc_TypeError, e.what());
    else
        PyErr_SetString(PyExc_RuntimeError, e.what());
    return nullptr;
}

Object* Target(FieldAttribute* self, PyObject* obj) {
    if (!PyObject_TypeCheck(obj, reinterpret_cast<PyTypeObject*>(self->owner))) {
        PyErr_Format(PyExc_TypeError, "%U belongs to %s, not to %s", self->name,
                     reinterpret_cast<PyTypeObject*>(self->owner)->tp_name, Py_TYPE(obj)->tp_name);
        return nullptr;
    }
    return self->objectOf(obj);
}

PyObject* Get(PyObject* descriptor, PyObject* obj, PyObject*) {
    auto* self = reinterpret_cast<FieldAttribute*>(descriptor);
    if (!obj || obj == Py_None) {
        Py_INCREF(descriptor);
        return descriptor;
    }
    Object* record = Target(self, obj);
    if (!record) return nullptr;
    const FieldHandle& h = self->handle;
    try {
        switch (h.Type()) {
            case FieldKind::Text:
            case FieldKind::List:
                return NewText(h.GetText(*record));
            case FieldKind::Boolean:
                return PyBool_FromLong(h.GetNumber(*record) != 0);
            case FieldKind::IntegerNumber:
            case FieldKind::LongNumber:
                return PyLong_FromLongLong(h.GetNumber(*record));
            case FieldKind::SingleNumber:
                return PyFloat_FromDouble(SingleValue(h.GetSingle(*record)));
            case FieldKind::Modifiers: {
                PyObject* tuple = PyTuple_New(6);
                if (!tuple) return nullptr;
                for (int i = 0; i < 6; ++i)
                    PyTuple_SET_ITEM(tuple, i, PyLong_FromLong(h.GetModifier(*record, i)));
                return tuple;
            }
            case FieldKind::Block:
                break;
        }
    } catch (const std::exception& e) {
        return Raise(e);
    }
    PyErr_Format(PyExc_TypeError, "%U cannot be read as a value", self->name);
    return nullptr;
}

bool WholeNumber(PyObject* value, PyObject* name, long long& out) {
    PyObject* index = PyNumber_Index(value);
    if (!index) {
        PyErr_Format(PyExc_TypeError, "%U takes a whole number, not %s", name,
                     Py_TYPE(value)->tp_name);
        return false;
    }
    int overflow = 0;
    out = PyLong_AsLongLongAndOverflow(index, &overflow);
    Py_DECREF(index);
    if (overflow) {
        PyErr_Format(PyExc_OverflowError, "%U cannot hold %R", name, value);
        return false;
    }
    return !(out == -1 && PyErr_Occurred());
}

// The six modifiers from a sequence of six whole numbers, or from a mapping of the ability
// abbreviations to them (the form to_dict gives).
bool ModifierValues(PyObject* value, PyObject* name, std::array<Integer, 6>& out) {
    PyObject* items = nullptr;
    if (PyMapping_Check(value) && !PySequence_Check(value)) {
        items = PyList_New(6);
        if (!items) return false;
        for (int i = 0; i < 6; ++i) {
            PyObject* item =
                PyMapping_GetItemString(value, kAbilities[static_cast<std::size_t>(i)]);
            if (!item) {
                Py_DECREF(items);
                PyErr_Format(PyExc_ValueError, "%U needs %s", name,
                             kAbilities[static_cast<std::size_t>(i)]);
                return false;
            }
            PyList_SET_ITEM(items, i, item);
        }
    } else {
        items = PySequence_Fast(value, "");
        if (!items || PySequence_Fast_GET_SIZE(items) != 6) {
            Py_XDECREF(items);
            PyErr_Format(PyExc_TypeError,
                         "%U takes six whole numbers (Str, Dex, Con, Int, Wis, Cha)", name);
            return false;
        }
    }
    bool ok = true;
    for (int i = 0; ok && i < 6; ++i) {
        long long v = 0;
        ok = WholeNumber(PySequence_Fast_GET_ITEM(items, i), name, v);
        if (ok && (v < -32768 || v > 32767)) {
            PyErr_Format(PyExc_OverflowError, "%U: a modifier of %lld does not fit an Integer",
                         name, v);
            ok = false;
        }
        out[static_cast<std::size_t>(i)] = static_cast<Integer>(v);
    }
    Py_DECREF(items);
    return ok;
}

int Set(PyObject* descriptor, PyObject* obj, PyObject* value) {
    auto* self = reinterpret_cast<FieldAttribute*>(descriptor);
    Object* record = Target(self, obj);
    if (!record) return -1;
    if (!value) {
        PyErr_Format(PyExc_AttributeError, "the field %U cannot be deleted", self->name);
        return -1;
    }
    const FieldHandle& h = self->handle;
    try {
        switch (h.Type()) {
            case FieldKind::Text:
            case FieldKind::List: {
                if (!PyUnicode_Check(value)) {
                    PyErr_Format(PyExc_TypeError, "%U takes a str, not %s", self->name,
                                 Py_TYPE(value)->tp_name);
                    return -1;
                }
                Py_ssize_t size = 0;
                if (const char* utf8 = PyUnicode_AsUTF8AndSize(value, &size)) {
                    h.SetText(*record, std::string_view(utf8, static_cast<std::size_t>(size)));
                    return 0;
                }
                PyErr_Clear();
                PyObject* bytes = PyUnicode_AsEncodedString(value, "utf-8", "surrogateescape");
                if (!bytes) return -1;
                h.SetText(*record,
                          std::string_view(PyBytes_AS_STRING(bytes),
                                           static_cast<std::size_t>(PyBytes_GET_SIZE(bytes))));
                Py_DECREF(bytes);
                return 0;
            }
            case FieldKind::Boolean:
            case FieldKind::IntegerNumber:
            case FieldKind::LongNumber: {
                long long v = 0;
                if (h.Type() == FieldKind::Boolean && PyBool_Check(value)) {
                    v = value == Py_True;
                } else if (!WholeNumber(value, self->name, v)) {
                    return -1;
                }
                h.SetNumber(*record, v);
                return 0;
            }
            case FieldKind::SingleNumber: {
                if (!PyFloat_Check(value) && !PyLong_Check(value) && !PyIndex_Check(value)) {
                    PyErr_Format(PyExc_TypeError, "%U takes a number, not %s", self->name,
                                 Py_TYPE(value)->tp_name);
                    return -1;
                }
                const double v = PyFloat_AsDouble(value);
                if (v == -1.0 && PyErr_Occurred()) return -1;
                h.SetSingle(*record, v);
                return 0;
            }
            case FieldKind::Modifiers: {
                std::array<Integer, 6> values{};
                if (!ModifierValues(value, self->name, values)) return -1;
                for (int i = 0; i < 6; ++i)
                    h.SetModifier(*record, i, values[static_cast<std::size_t>(i)]);
                return 0;
            }
            case FieldKind::Block:
                break;
        }
    } catch (const std::exception& e) {
        Raise(e);
        return -1;
    }
    PyErr_Format(PyExc_TypeError, "%U cannot be set", self->name);
    return -1;
}

void Dealloc(PyObject* descriptor) {
    auto* self = reinterpret_cast<FieldAttribute*>(descriptor);
    PyTypeObject* type = Py_TYPE(descriptor);
    Py_XDECREF(self->owner);
    Py_XDECREF(self->name);
    self->handle.~FieldHandle();
    type->tp_free(descriptor);
    Py_DECREF(type);
}

PyObject* Repr(PyObject* descriptor) {
    auto* self = reinterpret_cast<FieldAttribute*>(descriptor);
    return PyUnicode_FromFormat("<field %U of %s>", self->name,
                                reinterpret_cast<PyTypeObject*>(self->owner)->tp_name);
}

PyObject* NameOf(PyObject* descriptor, void*) {
    auto* self = reinterpret_cast<FieldAttribute*>(descriptor);
    Py_INCREF(self->name);
    return self->name;
}

PyObject* KindOf(PyObject* descriptor, void*) {
    auto* self = reinterpret_cast<FieldAttribute*>(descriptor);
    return py::cast(self->handle.Type()).release().ptr();
}

const char* kTypeText[] = {"str",
                           "bool",
                           "int (an Integer)",
                           "int (a Long)",
                           "float (a Single)",
                           "str (an encoded list's text)",
                           "tuple of six ints (Str, Dex, Con, Int, Wis, Cha)",
                           ""};

PyObject* DocOf(PyObject* descriptor, void*) {
    auto* self = reinterpret_cast<FieldAttribute*>(descriptor);
    return PyUnicode_FromFormat("The field %U: %s.", self->name,
                                kTypeText[static_cast<int>(self->handle.Type())]);
}

PyGetSetDef attributeGetSet[] = {
    {"__name__", NameOf, nullptr, nullptr, nullptr},
    {"name", NameOf, nullptr, "the field's name", nullptr},
    {"kind", KindOf, nullptr, "the field's FieldKind", nullptr},
    {"__doc__", DocOf, nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Slot attributeSlots[] = {
    {Py_tp_dealloc, reinterpret_cast<void*>(Dealloc)},
    {Py_tp_descr_get, reinterpret_cast<void*>(Get)},
    {Py_tp_descr_set, reinterpret_cast<void*>(Set)},
    {Py_tp_repr, reinterpret_cast<void*>(Repr)},
    {Py_tp_getset, attributeGetSet},
    {0, nullptr},
};

PyType_Spec attributeSpec = {
    "orvane.FieldAttribute", sizeof(FieldAttribute), 0, Py_TPFLAGS_DEFAULT, attributeSlots,
};

}  // namespace

void InitFieldAttributes(py::module_& m) {
    PyObject* type = PyType_FromSpec(&attributeSpec);
    if (!type) throw py::error_already_set();
    attributeType = reinterpret_cast<PyTypeObject*>(type);
    m.attr("FieldAttribute") = py::reinterpret_borrow<py::object>(type);
}

py::object MakeFieldAttribute(const FieldHandle& handle, py::handle owner, ObjectOf objectOf) {
    PyObject* o = attributeType->tp_alloc(attributeType, 0);
    if (!o) throw py::error_already_set();
    auto* self = reinterpret_cast<FieldAttribute*>(o);
    new (&self->handle) FieldHandle(handle);
    self->owner = owner.inc_ref().ptr();
    self->objectOf = objectOf;
    self->name = NewText(handle.Name());
    if (!self->name) {
        Py_DECREF(o);
        throw py::error_already_set();
    }
    return py::reinterpret_steal<py::object>(o);
}

}  // namespace orvane_py
