// clsDatabase: the connection to the rules database and every operation on it.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "orvane/export.hpp"
#include "orvane/records/character.hpp"
#include "orvane/records/core.hpp"
#include "orvane/records/creatures.hpp"
#include "orvane/records/droids.hpp"
#include "orvane/records/gear.hpp"
#include "orvane/records/starships.hpp"
#include "orvane/types.hpp"

// Every record kind the library serves, family by family (see ORVANE_DECLARE_KIND).
#define ORVANE_ALL_KINDS(X)   \
    ORVANE_CORE_KINDS(X)      \
    ORVANE_CHARACTER_KINDS(X) \
    ORVANE_GEAR_KINDS(X) ORVANE_CREATURE_KINDS(X) ORVANE_DROID_KINDS(X) ORVANE_STARSHIP_KINDS(X)

namespace OrvaneLib {

namespace detail {
struct DatabaseState;
struct StateAccess;
}  // namespace detail
class KindInfo;

// Creates a new rules database file from the library's schema, empty or with the sample
// content. Refuses to overwrite an existing file; throws std::runtime_error on failure.
ORVANE_API void CreateRulesDatabase(const std::string& path, bool withSample);

// For tools that make, stamp and inspect rules database files beside a clsDatabase; each
// opens the existing file itself and throws std::runtime_error when it cannot.
// SetDatabaseInfo writes the information row that FileDate and Version read (the first row
// of tblInfo, added when there is none): today's date ("2026-12-01") and `version`.
// MissingSchemaTables names the tables and stored queries of the schema that the file lacks
// (all of them for a file that is no rules database). KeywordRows gives every row of the
// keyword list with its own number as text, in table order (none without the table).
ORVANE_API void SetDatabaseInfo(const std::string& path, const std::string& version);
ORVANE_API std::vector<std::string> MissingSchemaTables(const std::string& path);
ORVANE_API std::vector<std::pair<std::string, std::string>> KeywordRows(const std::string& path);

class ORVANE_API clsDatabase : public Object {
  public:
    clsDatabase();  // creation steps; throws if creation fails
    ~clsDatabase() override;
    clsDatabase(const clsDatabase&) = delete;
    clsDatabase& operator=(const clsDatabase&) = delete;
    std::string ClassName() const override { return "clsDatabase"; }

    void Clear();
    std::string Name() const;
    void Name(const std::string& path);
    bool Messaging() const;
    void Messaging(bool value);
    bool Logging() const;
    void Logging(bool value);
    std::string FileDate();
    std::string Version();

    // Bulk work: the operations between BeginTrans and CommitTrans are stored together in
    // one commit (much faster for thousands of adds); Rollback discards them instead.
    // Failures are reported like those of every other operation.
    void BeginTrans();
    void CommitTrans();
    void Rollback();

    // Lookup lists.
    ListResult AbilityList();
    void AddAbility(const std::string& strAbility, Integer iOrder);
    void DelAbility(const std::string& strAbility);
    Integer GetAbility(const std::string& strAbility);
    ListResult KeywordList();
    void AddKeyword(const std::string& strKeyword, Integer strName);
    void DelKeyword(const std::string& strKeyword);
    std::string GetKeyword(const std::string& strKeyword);
    ListResult LanguageList();
    void AddLanguage(const std::string& strLanguage);
    void DelLanguage(const std::string& strLanguage);
    ListResult RegionList();
    void AddRegion(const std::string& strRegion);
    void DelRegion(const std::string& strRegion);
    ListResult GetColorList();
    void AddColor(const std::string& strColor);
    void DelColor(const std::string& strColor);

    // Record kinds: a list, a read (nullptr when there is no record), an add (a null record
    // does nothing) and a delete each.
    ORVANE_ALL_KINDS(ORVANE_DECLARE_KIND)

    // Skills also list by kind: the ordinary ones, or those of the mystic power.
    ListResult GetSkillList(bool bAumenSkills = false);

  private:
    friend class KindInfo;              // runs the record operations by kind
    friend struct detail::StateAccess;  // whole-database work (maintenance.hpp)
    std::unique_ptr<detail::DatabaseState> state_;
};

}  // namespace OrvaneLib
