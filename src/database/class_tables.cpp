// The tables of classes, class levels and prestige classes.
#include "database/table.hpp"
#include "orvane/database.hpp"
#include "orvane/records/character.hpp"

namespace OrvaneLib {

namespace {

using namespace detail;

const TableKind& Classes() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Class",
            .record = &Describe<clsClass>::Kind(),
            .table = "tblClasses",
            .keys = {{"Class", "Name"}},
            .descript = true,
            .readStatement = {Form::A},
            .delStatement = {Form::A},
            .listLabel = "Property Get: GetClassList",
            .readLabel = "Property Get: GetClassInfo(",
            .addLabel = "Property Let: AddClass(",
            .delLabel = "Property Let: DelClass(",
            .emptyTable = "There are no Class Records in the Database!",
            .readEmptyKey = "A Class Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a class mathcing your criteria.",
            .columns = {
                {"Class", "Name", Read::Key, Write::Always},
                {"Hero", "Hero"},
                {"Prestige", "Prestige"},
                {"AumenClass", "Aumen"},
                {"VaelClass", "Vael"},
                {"KhorClass", "Khor"},
                {"Vitality", "Vitality"},
                {"SkillPtsLevel", "SkillPoints"},
                {"MaxLevel", "MaxLevel"},
                {"WisVitality", "WisVitality"},
                {"AumenOnlyPts", "AumenSklPts"},
                {"NormalOnlyPts", "NormalSklPts"},
                {"Source", "Source", Read::NotNull, Write::IfValue},
                {"ClassSkills", "ClassSkills", Read::NotNull, Write::IfValue},
                {"ForbiddenClass", "ForbiddenClass", Read::NotNull, Write::IfValue},
                {"ForbiddenFeats", "ForbiddenFeats", Read::NotNull, Write::IfValue},
                {"ForbiddenSkills", "ForbiddenSkills", Read::NotNull, Write::IfValue},
                {"RestrictedSkills", "RestrictedSkills", Read::NotNull, Write::IfValue},
                {"Description", "Description", Read::IfDescript, Write::IfPresentAndValue},
                {"TradeLevels", "TradeLevels", Read::IfPresentNotNull, Write::IfPresentAndValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

// Keyed by class name and level; listed as "Class:Level". The special qualities are read
// through SetSpecialQualities, which sizes the object slots.
const TableKind& ClassLevels() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Class level",
            .record = &Describe<clsClassLevel>::Kind(),
            .table = "tblClassesLevels",
            .keys = {{"Class", "Name"}, {"Level", "Level", /*number=*/true}},
            .readStatement = {Form::D},
            .delStatement = {Form::D},
            .listLabel = "Property Get: GetClassLevelList",
            .readLabel = "Function: GetClassLevelInfo(",
            .addLabel = "Property Let: AddClassLevel(",
            .delLabel = "Sub: DelClassLevel(",
            .emptyTable = "There are no Class Level Records in the Database!",
            .readEmptyKey = "A Class Level Search field was not corretly Identified.",
            .delEmptyKey = "A Class Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Class and/or Level matching your criteria.",
            .columns = {{"Class", "Name", Read::Key, Write::Always},
                        {"Level", "Level", Read::Key, Write::Always},
                        {"Attack", "Attack"},
                        {"SV_Fort", "FortSave"},
                        {"SV_Ref", "RefSave"},
                        {"SV_Will", "WillSave"},
                        {"SpecialQualities", "SetSpecialQualities", Read::NotNull, Write::IfValue},
                        {"GivenFeats", "GivenFeats", Read::NotNull, Write::IfValue},
                        {"GivenBonus", "GivenBonus", Read::NotNull, Write::IfValue},
                        {"GlowbladeDamage", "Glowblade", Read::NotNull, Write::IfValue},
                        {"Defense", "Defense"},
                        {"Reputation", "Reputation"},
                        {"SkillMastery", "SkillMastery", Read::NotNull, Write::IfValue},
                        {"CrossClass", "CrossClass", Read::NotNull, Write::IfValue},
                        {"BonusFeatures", "BonusFeatures", Read::NotNull, Write::IfValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

// The requirement columns of a prestige class; the four alternative-set columns came later
// and are read and written only when the table has them.
const TableKind& Prestige() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Prestige class",
            .record = &Describe<clsPrestige>::Kind(),
            .table = "tblClassPrestige",
            .keys = {{"Class", "Name"}},
            .readStatement = {Form::B},
            .delStatement = {Form::B},
            .listLabel = "Property Get: GetClassPrestigeList",
            .readLabel = "Property Get: GetClassPrestigeInfo(",
            .addLabel = "Property Let: AddClassPrestige(",
            .delLabel = "Property Let: DelClassPresitige(",
            .emptyTable = "There are no Prestige Class Records in the Database!",
            .readEmptyKey = "A Prestige Class Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Prestige Class matching your criteria.",
            .columns = {
                {"Class", "Name", Read::Key, Write::Always},
                {"ReqTainted", "ReqTainted"},
                {"ReqDarkSide", "ReqDarkSide"},
                {"SpeciesNonLevel", "SpeciesNonLevel"},
                {"MinRequirements", "MinRequirements", Read::NotNull, Write::IfValue},
                {"MaxRequirements", "MaxRequirements", Read::NotNull, Write::IfValue},
                {"AbilityRequirements", "AbilityRequirements", Read::NotNull, Write::IfValue},
                {"SkillRequirements", "SkillRequirements", Read::NotNull, Write::IfValue},
                {"ClassRequirements", "ClassRequirements", Read::NotNull, Write::IfValue},
                {"FeatRequirements", "FeatRequirements", Read::NotNull, Write::IfValue},
                {"WriteRequirements", "WriteRequirements", Read::NotNull, Write::IfValue},
                {"SpeakRequirements", "SpeakRequirements", Read::NotNull, Write::IfValue},
                {"SpeciesRequirements", "SpeciesRequirements", Read::NotNull, Write::IfValue},
                {"HomeworldRequirements", "HomeworldRequirements", Read::NotNull, Write::IfValue},
                {"SpecialRequirements", "SpecialRequirements", Read::NotNull, Write::IfValue},
                {"OrFeatRequirements", "OrFeatRequirements", Read::IfPresentNotNull,
                 Write::IfPresentAndValue},
                {"OrSkillRequirements", "OrSkillRequirements", Read::IfPresentNotNull,
                 Write::IfPresentAndValue},
                {"OrClassRequirements", "OrClassRequirements", Read::IfPresentNotNull,
                 Write::IfPresentAndValue},
                {"OrSpecialRequirements", "OrSpecialRequirements", Read::IfPresentNotNull,
                 Write::IfPresentAndValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

}  // namespace

ORVANE_REGISTER_TABLE(Classes)
ORVANE_REGISTER_TABLE(ClassLevels)
ORVANE_REGISTER_TABLE(Prestige)

ListResult clsDatabase::GetClassList() { return ListRows(*state_, Classes()); }
std::shared_ptr<clsClass> clsDatabase::GetClassInfo(const std::string& strClass, bool bDescript) {
    return ReadAs<clsClass>(*state_, Classes(), {strClass}, bDescript);
}
void clsDatabase::AddClass(const clsClass* record) { AddRow(*state_, Classes(), record); }
void clsDatabase::DelClass(const std::string& strClass) {
    DeleteRow(*state_, Classes(), {strClass});
}

ListResult clsDatabase::GetClassLevelList() { return ListRows(*state_, ClassLevels()); }
std::shared_ptr<clsClassLevel> clsDatabase::GetClassLevelInfo(const std::string& strClass,
                                                              Integer iLevel) {
    return ReadAs<clsClassLevel>(*state_, ClassLevels(), {strClass, iLevel});
}
void clsDatabase::AddClassLevel(const clsClassLevel* record) {
    AddRow(*state_, ClassLevels(), record);
}
void clsDatabase::DelClassLevel(const std::string& strClass, Integer iLevel) {
    DeleteRow(*state_, ClassLevels(), {strClass, iLevel});
}

ListResult clsDatabase::GetClassPrestigeList() { return ListRows(*state_, Prestige()); }
std::shared_ptr<clsPrestige> clsDatabase::GetClassPrestigeInfo(const std::string& strClass) {
    return ReadAs<clsPrestige>(*state_, Prestige(), {strClass});
}
void clsDatabase::AddClassPrestige(const clsPrestige* record) {
    AddRow(*state_, Prestige(), record);
}
void clsDatabase::DelClassPresitige(const std::string& strClass) {
    DeleteRow(*state_, Prestige(), {strClass});
}

}  // namespace OrvaneLib
