// What the parts of the Python module share: the text conversion every binding uses, the
// lock of a database object, the lock of record file work, and the registry of bound classes.
#pragma once

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <memory>
#include <mutex>
#include <string>
#include <typeindex>
#include <vector>

#include "orvane/orvane.hpp"

// Texts cross into Python as UTF-8 with undecodable bytes kept as lone surrogates, and back
// the same way, so a text that is not valid UTF-8 (an old rules database) is neither refused
// nor changed on its way through Python. Every part of the module includes this first, so
// that every std::string binding converts alike.
namespace pybind11::detail {
template <>
struct type_caster<std::string> : string_caster<std::string> {
    static handle cast(const std::string& text, return_value_policy, handle) {
        PyObject* o = PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()),
                                           "surrogateescape");
        if (!o) throw error_already_set();
        return o;
    }
    bool load(handle src, bool convert) {
        if (src && PyUnicode_Check(src.ptr())) {
            Py_ssize_t size = 0;
            if (const char* utf8 = PyUnicode_AsUTF8AndSize(src.ptr(), &size)) {
                value.assign(utf8, static_cast<std::size_t>(size));
                return true;
            }
            PyErr_Clear();
            auto bytes = reinterpret_steal<object>(
                PyUnicode_AsEncodedString(src.ptr(), "utf-8", "surrogateescape"));
            if (!bytes) {
                PyErr_Clear();
                return false;
            }
            value.assign(PyBytes_AS_STRING(bytes.ptr()),
                         static_cast<std::size_t>(PyBytes_GET_SIZE(bytes.ptr())));
            return true;
        }
        return string_caster<std::string>::load(src, convert);
    }
};
}  // namespace pybind11::detail

namespace orvane_py {

namespace py = pybind11;
using namespace OrvaneLib;

// A text as a Python str (see the caster above); nullptr with a Python error on failure.
inline PyObject* NewText(const std::string& text) {
    return PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()),
                                "surrogateescape");
}

// The database objects the module creates. clsDatabase serves one thread at a time; the
// module releases the interpreter lock during database work, so Python threads that share
// one object take turns through its lock (recursive, so that a message handler may use the
// database that shows the message), while threads with objects of their own run in parallel.
class Database : public clsDatabase {
  public:
    std::recursive_mutex mutex;
    // Whether a transaction begun through the module is open, and for each `with` block
    // entered, whether one was open already (then the block leaves it alone).
    bool transactionOpen = false;
    std::vector<bool> blocks;
};

std::recursive_mutex& LockOf(clsDatabase& db);

// Runs `work` on a database without the interpreter lock and with the database's own lock.
template <class Work>
auto Locked(clsDatabase& db, Work&& work) {
    py::gil_scoped_release release;
    std::lock_guard lock(LockOf(db));
    return work();
}

// Record files: the numbered-file table hands out a free number and opens it in two steps,
// so saves and loads of several threads take turns (without the interpreter lock).
std::mutex& FileLock();
template <class Work>
auto FileWork(Work&& work) {
    py::gil_scoped_release release;
    std::lock_guard lock(FileLock());
    return work();
}

// A copy of a list object or a nested record reached inside a record, of its own class;
// None for another object.
py::object CopyOfObject(const Object* object);
// A copy of a record of one of the bound record classes; nullptr for another object.
std::shared_ptr<Object> CopyOfRecord(const Object& record);

// A Result (status and value) as the module shows it.
py::object MakeResult(Status status, py::object value);

// The parts of the module, in the order they are bound.
void BindCore(py::module_& m);
void BindLists(py::module_& m);
void DeclareRecords(py::module_& m);  // the record classes, so every signature names them
void BindRecords(py::module_& m);     // their members and fields
void BindDatabase(py::module_& m);
void BindKinds(py::module_& m);

// The typed field attributes of the record classes (fields.cpp).
using ObjectOf = Object* (*)(PyObject* self);  // nullptr with a Python error when unusable
py::object MakeFieldAttribute(const FieldHandle& handle, py::handle owner, ObjectOf objectOf);
void InitFieldAttributes(py::module_& m);

}  // namespace orvane_py
