// What an operation did, as a value: for programs that want to tell "no such record" from
// "the database failed" without watching the message boxes.
#pragma once

#include <string>
#include <utility>

#include "orvane/export.hpp"

namespace OrvaneLib {

enum class StatusCode {
    Ok,
    NoDatabase,  // the database file could not be found or opened
    NoTable,     // the table (or stored query) does not exist
    NotFound,    // no row matches the key
    BadKey,      // the key is missing (empty text, negative number where none is allowed)
    Empty,       // the table or list holds no rows
    Engine,      // the database engine failed; EngineCode() has its result code
    BadValue,    // a value that cannot be converted (a null where one is required, overflow)
    File,        // a record file could not be written or read; Line() tells where
};

class ORVANE_API Status {
  public:
    Status() = default;  // success
    Status(StatusCode code, std::string message, int engineCode = 0)
        : code_(code), engineCode_(engineCode), message_(std::move(message)) {}

    bool Ok() const { return code_ == StatusCode::Ok; }
    StatusCode Code() const { return code_; }
    int EngineCode() const { return engineCode_; }  // the engine's extended result code, or 0
    const std::string& Message() const { return message_; }
    // The label of the operation, as its report shows it ("Property Get: GetAgeInfo(Old)").
    const std::string& Label() const { return label_; }
    // True when the rules show nothing for this outcome (an optional table that is absent,
    // a homeworld delete that finds no row): the operation returns its empty result silently.
    bool Quiet() const { return quiet_; }
    // For record files: the line (from 1) that could not be written or read, else 0.
    int Line() const { return line_; }
    // Whether a log line of this failure carries the last key-lookup statement: lists and
    // adds leave it out.
    bool LogsStatement() const { return logsStatement_; }

    Status& WithLabel(std::string label) {
        label_ = std::move(label);
        return *this;
    }
    Status& MakeQuiet(bool quiet = true) {
        quiet_ = quiet;
        return *this;
    }
    Status& AtLine(int line) {
        line_ = line;
        return *this;
    }
    Status& WithoutStatement() {
        logsStatement_ = false;
        return *this;
    }

  private:
    StatusCode code_ = StatusCode::Ok;
    int engineCode_ = 0;
    int line_ = 0;
    bool quiet_ = false;
    bool logsStatement_ = true;
    std::string message_;
    std::string label_;
};

// A result together with the status of the operation that produced it. On failure the value
// is the operation's empty result (the empty list form, no record).
template <class T>
struct Result {
    Status status;
    T value{};
};

}  // namespace OrvaneLib
