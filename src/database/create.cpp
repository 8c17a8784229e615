// Creating a new rules database from the built-in schema.
#include "database/dal.hpp"
#include "orvane/database.hpp"

namespace OrvaneLib {

namespace detail {
extern const char* const kSchemaSql;
extern const char* const kSampleSql;
}  // namespace detail

void CreateRulesDatabase(const std::string& path, bool withSample) {
    std::string script = detail::kSchemaSql;
    if (withSample) script += detail::kSampleSql;
    try {
        dal::CreateDatabase(path, script);
    } catch (const dal::Error& e) {
        throw std::runtime_error(e.what());
    }
}

}  // namespace OrvaneLib
