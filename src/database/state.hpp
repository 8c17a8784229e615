// The private state of a clsDatabase and the helpers every data operation uses: the open
// check, the error reporter, the column and table tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "database/dal.hpp"
#include "orvane/types.hpp"

namespace OrvaneLib::detail {

struct TableKind;
struct StatementDesc;

// The inputs of a key-lookup statement text, kept so that the text itself is only built
// when a failure is logged.
struct PendingStatement {
    const TableKind* kind = nullptr;
    const StatementDesc* form = nullptr;
    std::string keys[2];
    std::int64_t numbers[2]{};
    bool isNumber[2]{};
    std::size_t count = 0;
    bool station = false;
};
std::string RenderStatement(const PendingStatement& pending);

struct DatabaseState {
    std::unique_ptr<dal::Connection> dbData;
    std::string strDBPath;  // the Name property
    bool bOpen = false;
    std::string strSQL;  // text of the last key lookup, for the log (see SQL())
    PendingStatement pendingSQL;
    bool sqlPending = false;
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

    void ClearSQL() {
        strSQL.clear();
        sqlPending = false;
    }
    void SetSQL(std::string text) {
        strSQL = std::move(text);
        sqlPending = false;
    }
    // The last key-lookup statement text, built now if only its inputs were kept.
    const std::string& SQL() {
        if (sqlPending) {
            strSQL = RenderStatement(pendingSQL);
            sqlPending = false;
        }
        return strSQL;
    }
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
