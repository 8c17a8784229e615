// Records in and out of the tool as whole data: a record from its JSON (what `show --json`
// prints) or from its text file, told apart by content, with the list texts as they were
// written so that texts the lists would not read back as themselves can be refused; and the
// "Field: value" lines of the rules-data tree of `dump` and `load`.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "session.hpp"

namespace orvane_cli {

// A record read from a file, with each list field's text as the file gave it.
struct RecordInput {
    std::shared_ptr<OrvaneLib::Object> record;
    std::map<std::string, std::string> listTexts;  // field ("Requirements.Skill") -> text
    bool json = false;
};

// Reads a record of `kind` from a JSON document or a record text file. JSON with an unknown
// field, a value of the wrong type or without a key field, and a text file that does not
// load, end the command naming the field (or line); nothing is stored by this.
RecordInput ReadRecordFile(Session& session, const OrvaneLib::KindInfo& kind,
                           const std::string& file);

// A record from a JSON object: {"fields": {...}} as `show --json` prints it (its "kind" or
// "id", when given, must be this kind's), or the fields object alone. Throws Failure.
RecordInput RecordFromJson(Session& session, const OrvaneLib::KindInfo& kind, const Json& document);

// A list text that would be stored as another text: field, text given, canonical text.
struct MangledList {
    std::string field, text, canonical;
};
std::vector<MangledList> MangledLists(const OrvaneLib::KindInfo& kind, const RecordInput& read);

// "field Synergy: 'Knowledge:1' would be stored as '0::0'".
std::string MangledText(const MangledList& m);

// Reads a record from a file (JSON or text), refuses list texts that would not be stored as
// written (unless `force`), warns of names that name no entry, and stores the record whole
// (KindInfo::TryAdd would leave out columns its kind's add never writes). With `replace`,
// the stored record with the same key (and station flag) is deleted first, in the same
// transaction; there must be one. Ends the command on any failure, having stored nothing.
std::shared_ptr<OrvaneLib::Object> StoreRecordFromFile(Session& session,
                                                       const OrvaneLib::KindInfo& kind,
                                                       const std::string& file, bool force,
                                                       bool replace);

// What a reference target is called in messages: "skill", "special quality", "language".
std::string TargetNoun(const std::string& target);

// " (did you mean 'a' or 'b'?)", or nothing for no names.
std::string DidYouMean(const std::vector<std::string>& names);

// The key texts of a record, and its station flag (false for kinds without stations).
std::vector<std::string> RecordKeys(const OrvaneLib::KindInfo& kind,
                                    const OrvaneLib::Object& record);
bool RecordStation(const OrvaneLib::KindInfo& kind, const OrvaneLib::Object& record);

// A value on one line of the rules-data tree: backslashes, line feeds and carriage returns
// escaped ("\\", "\n", "\r"); Unescape throws std::invalid_argument for a stray backslash.
std::string Escape(const std::string& value);
std::string Unescape(const std::string& value);

}  // namespace orvane_cli
