// The private state of a clsDatabase and the helpers every data operation uses: the open
// check, the error reporter, the column and table tests.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "database/dal.hpp"
#include "orvane/types.hpp"

namespace OrvaneLib::detail {

struct DatabaseState {
    std::unique_ptr<dal::Connection> dbData;
    std::string strDBPath;  // the Name property
    bool bOpen = false;
    std::string strSQL;  // text of the last key lookup, for the log
    bool bMessaging = true;
    bool bDebug = false;
    bool bLogging = false;
    Integer iLogFile = -1;
    bool logOpen = false;  // the log file under iLogFile is really ours and open
    std::string strLogBase;

    ~DatabaseState();

    void OpenDB();
    void CloseDB();
    // Shows and logs one failure; never fails its caller.
    void ReportError(const std::string& label, const std::string& message);
    // The open check: opens when closed; false when the database still is not open.
    bool EnsureOpen() {
        if (!bOpen) OpenDB();
        return bOpen;
    }
    bool TableExists(std::string_view name);
    static bool FieldExists(const dal::Recordset& rs, std::string_view column) {
        return rs.HasField(column);
    }
    void ClearTable(const std::string& name);
    void SetLogging(bool value);  // throws when the log file cannot be opened
};

// Statement text of a key lookup: prefix, the key between double quotes, suffix.
inline std::string Quoted(std::string_view prefix, std::string_view key,
                          std::string_view suffix = "") {
    std::string s;
    s.reserve(prefix.size() + key.size() + suffix.size() + 2);
    s.append(prefix).append(1, '"').append(key).append(1, '"').append(suffix);
    return s;
}

inline const char* BoolText(bool b) { return b ? "True" : "False"; }

}  // namespace OrvaneLib::detail
