// Creating a new rules database from the built-in schema.
#include "database/dal.hpp"
#include "orvane/database.hpp"

#include <stdexcept>

namespace OrvaneLib {

namespace detail {
extern const char* const kSchemaSql;
extern const char* const kSampleSql;
}  // namespace detail

void CreateRulesDatabase(const std::string& path, bool withSample) {
    std::string script = detail::kSchemaSql;
    if (withSample) script += detail::kSampleSql;
    if (Status st = dal::CreateDatabase(path, script); !st.Ok())
        throw std::runtime_error(st.Message());
}

}  // namespace OrvaneLib
