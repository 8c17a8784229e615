// Component hosting: the table of creatable classes and the List result.
#include <map>
#include <mutex>
#include <stdexcept>
#include "host/internal.hpp"

#include "orvane/types.hpp"

namespace OrvaneLib {

Object::~Object() = default;

namespace {
struct ClassTable {
    std::mutex mutex;
    std::map<std::string, detail::Factory, std::less<>> factories;
};
ClassTable& Classes() {
    static ClassTable table;
    return table;
}
constexpr std::string_view kPrefix = "OrvaneLib.";
}  // namespace

bool detail::RegisterClass(const char* className, Factory factory) {
    auto& table = Classes();
    std::lock_guard lock(table.mutex);
    table.factories[className] = factory;
    return true;
}

std::shared_ptr<Object> CreateObject(const std::string& progId) {
    std::string_view id(progId);
    if (id.substr(0, kPrefix.size()) != kPrefix) return nullptr;
    id.remove_prefix(kPrefix.size());
    auto& table = Classes();
    detail::Factory factory = nullptr;
    {
        std::lock_guard lock(table.mutex);
        auto it = table.factories.find(id);
        if (it == table.factories.end()) return nullptr;
        factory = it->second;
    }
    return factory();
}

ListResult::ListResult() : lbound_(0), values_(1) {}

ListResult::ListResult(int lbound, std::vector<std::string> values)
    : lbound_(lbound), values_(std::move(values)) {
    if (values_.empty()) {
        lbound_ = 0;
        values_.emplace_back();
    }
}

const std::string& ListResult::operator[](int i) const {
    if (i < lbound_ || i > UBound()) throw std::out_of_range("ListResult index out of range");
    return values_[static_cast<std::size_t>(i - lbound_)];
}

bool ListResult::IsEmptyForm() const {
    return lbound_ == 0 && values_.size() == 1 && values_[0].empty();
}

}  // namespace OrvaneLib
