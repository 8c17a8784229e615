// The Python module orvane._orvane (the package orvane adds what a Python user expects
// beside the library's own names).
#include "bindings.hpp"

PYBIND11_MODULE(_orvane, m) {
    using namespace orvane_py;
    m.doc() = "OrvaneLib, the rules database library, from Python.";
    InitFieldAttributes(m);
    BindCore(m);
    BindLists(m);
    DeclareRecords(m);
    BindDatabase(m);
    BindKinds(m);
    BindRecords(m);
}
