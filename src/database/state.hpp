// The private state of a clsDatabase and the helpers every data operation uses: the open
// check, the table test, and the error reporter that turns a failed status into the message
// box and the log line.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "database/dal.hpp"
#include "orvane/status.hpp"
#include "orvane/types.hpp"

namespace OrvaneLib::detail {

struct TableKind;
enum class Form : std::uint8_t;

// The inputs of a key-lookup statement text, kept so that the text itself is only built
// when a failure is logged.
struct PendingStatement {
    const TableKind* kind = nullptr;
    Form form{};
    std::string_view selectColumn;
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

    // Opens strDBPath; the status of a failure carries the label "Sub: OpenDB". On failure
    // (a missing file, or one the engine cannot open) nothing is open afterwards.
    Status OpenDB();
    void CloseDB();
    // The open check: opens when closed; the failed open's status when it still is not open.
    // Every operation starts here, which also starts its budget for waiting on locks.
    Status EnsureOpen() {
        Status st = bOpen ? Status() : OpenDB();
        if (st.Ok() && !bOpen) st = Status(StatusCode::NoDatabase, "The database is not open.");
        if (st.Ok()) dbData->StartOperation();
        return st;
    }
    // Whether a table or stored query exists; an engine failure while finding out is a
    // failure of its own ("Function: TableExists(name)"), not an absent table.
    Status TableExists(std::string_view name, bool& exists);
    Status ClearTable(const std::string& name);
    void SetLogging(bool value);  // throws when the log file cannot be opened

    // Shows and logs one failure; never fails its caller. `logsStatement`: the log line
    // carries strSQL, unless the label names an add or a list (the log's own rule).
    void ReportError(const std::string& label, const std::string& message,
                     bool logsStatement = true);
    // Reports a failed status that the rules do not keep silent.
    void Report(const Status& st) {
        if (!st.Ok() && !st.Quiet()) ReportError(st.Label(), st.Message(), st.LogsStatement());
    }
    // The value of a result, after reporting its failure.
    template <class T>
    T Reported(Result<T> result) {
        Report(result.status);
        return std::move(result.value);
    }

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
