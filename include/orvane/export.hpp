// Marks what the shared library exposes. Everything else in it is hidden, so that callers
// can only reach the public classes and functions declared under include/orvane/.
#pragma once

#define ORVANE_API __attribute__((visibility("default")))
