// Scalar types, the List result and the component-hosting base of OrvaneLib.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "orvane/export.hpp"

namespace OrvaneLib {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

// Base of every public class; lets callers create objects by name.
class ORVANE_API Object {
  public:
    virtual ~Object();
    virtual std::string ClassName() const = 0;
};

// Creates a public class by its name, "OrvaneLib." + class name; nullptr when unknown.
ORVANE_API std::shared_ptr<Object> CreateObject(const std::string& progId);

// What every list operation of clsDatabase returns: values at LBound()..UBound().
// The empty form is a single empty text at index 0.
class ORVANE_API ListResult {
  public:
    ListResult();  // the empty form
    ListResult(int lbound, std::vector<std::string> values);

    int LBound() const { return lbound_; }
    int UBound() const { return lbound_ + static_cast<int>(values_.size()) - 1; }
    std::size_t size() const { return values_.size(); }
    const std::string& operator[](int i) const;  // throws std::out_of_range
    bool IsEmptyForm() const;
    const std::vector<std::string>& Values() const { return values_; }

  private:
    int lbound_;
    std::vector<std::string> values_;
};

}  // namespace OrvaneLib
