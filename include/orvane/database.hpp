// clsDatabase: the connection to the rules database and every operation on it.
#pragma once

#include <memory>
#include <string>

#include "orvane/types.hpp"

namespace OrvaneLib {

namespace detail {
struct DatabaseState;
}

// Creates a new rules database file from the library's schema, empty or with the sample
// content. Refuses to overwrite an existing file; throws std::runtime_error on failure.
void CreateRulesDatabase(const std::string& path, bool withSample);

class clsDatabase : public Object {
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

  private:
    std::unique_ptr<detail::DatabaseState> state_;
};

}  // namespace OrvaneLib
