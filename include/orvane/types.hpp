// Scalar types, the List result and the component-hosting base of OrvaneLib.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace OrvaneLib {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

// Base of every public class; lets callers create objects by name.
class Object {
  public:
    virtual ~Object();
    virtual std::string ClassName() const = 0;
};

// Creates a public class by its name, "OrvaneLib." + class name; nullptr when unknown.
std::shared_ptr<Object> CreateObject(const std::string& progId);

// What every list operation of clsDatabase returns: values at LBound()..UBound().
// The empty form is a single empty text at index 0.
class ListResult {
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

namespace detail {
using Factory = std::shared_ptr<Object> (*)();
// Adds a class to the table CreateObject serves; returns true so it can seed a static.
bool RegisterClass(const char* className, Factory factory);
}  // namespace detail

}  // namespace OrvaneLib

// Registers a public class for CreateObject; used once per class in its source file.
#define ORVANE_REGISTER_CLASS(cls)                                                               \
    namespace {                                                                                  \
    const bool orvaneRegistered_##cls = ::OrvaneLib::detail::RegisterClass(                      \
        #cls, []() -> std::shared_ptr<::OrvaneLib::Object> { return std::make_shared<cls>(); }); \
    }
