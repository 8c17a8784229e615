// The tables of creature types, levels, size details, templates and climates. Every one is
// optional in a rules database: without its table an operation gives its empty result and
// reports nothing.
#include "database/table.hpp"
#include "orvane/database.hpp"
#include "orvane/records/creatures.hpp"

namespace OrvaneLib {

namespace {

using namespace detail;

const TableKind& CreatureClasses() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Creature type",
            .record = &Describe<clsClassCreature>::Kind(),
            .table = "tblCreatureClasses",
            .keys = {{"Name", "Name"}},
            .test = TableTest::All,
            .readStatement = {Form::C},
            .delStatement = {Form::C},
            .listLabel = "Property Get: ClassCreatureList",
            .readLabel = "Property Get: GetClassCreatureInfo(",
            .addLabel = "Property Let: AddClassCreature(",
            .delLabel = "Property Let: DelClassCreature(",
            .emptyTable = "There are no Creature Class Records in the Database!",
            .readEmptyKey = "A Creature Class Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Creature Class matching your criteria.",
            .columns = {{"Name", "Name", Read::Key, Write::Always},
                        {"MinInt", "MinInt"},
                        {"MaxInt", "MaxInt"},
                        {"MinWis", "MinWis"},
                        {"MaxWis", "MaxWis"},
                        {"MinCha", "MinCha"},
                        {"MaxCha", "MaxCha"},
                        {"SkillPtsFirst", "SkillPtsFirst"},
                        {"SkillPtsLevel", "SkillPtsLevel"},
                        {"Vitality", "Vitality"},
                        {"MaxLevel", "MaxLevel"},
                        {"ClassSkills", "ClassSkills", Read::NotNull, Write::IfValue},
                        {"Feat", "Feat", Read::NotNull, Write::IfValue},
                        {"SpecialQuality", "SpecialQuality", Read::NotNull, Write::IfValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

// Levels are keyed by the creature's name and the level; any level number is a valid key.
const TableKind& CreatureLevels() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Creature level",
            .record = &Describe<clsCreatureLevel>::Kind(),
            .table = "tblCreatureLevels",
            .keys = {{"Name", "Name"}, {"Level", "Level", /*number=*/true}},
            .test = TableTest::All,
            .readStatement = {Form::D},
            .delStatement = {Form::D},
            .listLabel = "Property Get: GetCreatureLevelList",
            .readLabel = "Property Get: GetCreatureLevelInfo(",
            .addLabel = "Property Let: AddCreatureLevel(",
            .delLabel = "Sub: DelCreatureLevel(",
            .emptyTable = "There are no Creature Level Records in the Database!",
            .readEmptyKey = "A Creature Level Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Creature and/or Level matching your criteria.",
            .columns = {{"Name", "Name", Read::Key, Write::Always},
                        {"Level", "Level", Read::Key, Write::Always},
                        {"Attack", "Attack"},
                        {"SV_Fort", "FortSave"},
                        {"SV_Ref", "RefSave"},
                        {"SV_Will", "WillSave"}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

// Size details look rows up by name and size; the logged statement quotes the keys with
// single quotes for a read and double quotes for a delete, while the keys themselves are
// always bound as values.
const TableKind& CreatureDetails() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Creature detail",
            .record = &Describe<clsCreatureDetail>::Kind(),
            .table = "tblCreatureDetails",
            .keys = {{"Name", "Name"}, {"Size", "Size"}},
            .test = TableTest::All,
            .readStatement = {Form::PairSingleQuote},
            .delStatement = {Form::PairDoubleQuote},
            .listLabel = "Property Get: GetCreatureDetailList",
            .readLabel = "Property Get: GetCreatureDetailInfo(",
            .addLabel = "Property Let: AddCreatureDetail(",
            .delLabel = "Sub: DelCreatureDetail(",
            .emptyTable = "There are no Creature Characteristic Records in the Database!",
            .readEmptyKey = "A Creature Characteristic Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Creature and/or Size matching your criteria.",
            .delNoMatch = "Unable to locate a Creature Characteristic matching your criteria.",
            .columns = {{"Name", "Name", Read::Key, Write::Always},
                        {"Size", "Size", Read::Key, Write::Always},
                        {"MinStr", "MinStr"},
                        {"MaxStr", "MaxStr"},
                        {"MinDex", "MinDex"},
                        {"MaxDex", "MaxDex"},
                        {"MinCon", "MinCon"},
                        {"MaxCon", "MaxCon"},
                        {"Bite", "Bite"},
                        {"Slam", "Slam"},
                        {"Gore", "Gore"},
                        {"Claw", "Claw"},
                        {"VPScale", "VPScale"}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

const TableKind& CreatureTemplates() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Creature template",
            .record = &Describe<clsCreatureTemplate>::Kind(),
            .table = "tblCreatureTemplates",
            .keys = {{"Name", "Name"}},
            .test = TableTest::All,
            .readStatement = {Form::C},
            .delStatement = {Form::C},
            .listLabel = "Property Get: CreatureTemplateList",
            .readLabel = "Property Get: GetCreatureTemplateInfo(",
            .addLabel = "Property Let: AddCreatureTemplate(",
            .delLabel = "Property Let: DelCreatureTemplate(",
            .emptyTable = "There are no Creature Template Records in the Database!",
            .readEmptyKey = "A Creature Template Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Creature Template matching your criteria.",
            .columns = {{"Name", "Name", Read::Key, Write::Always},
                        {"AttackBonus", "AttackBonus"},
                        {"MinStr", "MinStr"},
                        {"MaxStr", "MaxStr"},
                        {"MinDex", "MinDex"},
                        {"MaxDex", "MaxDex"},
                        {"MinCon", "MinCon"},
                        {"MaxCon", "MaxCon"},
                        {"MinInt", "MinInt"},
                        {"MaxInt", "MaxInt"},
                        {"MinWis", "MinWis"},
                        {"MaxWis", "MaxWis"},
                        {"MinCha", "MinCha"},
                        {"MaxCha", "MaxCha"},
                        {"Vitality", "Vitality"},
                        {"VitalityBonus", "VitBonus"},
                        {"IncreaseDamage", "IncreaseDamage"},
                        {"ReduceDamage", "DecreaseDamage"},
                        {"Synergy", "Synergy", Read::NotNull, Write::IfValue},
                        {"Feats", "Feats", Read::NotNull, Write::IfValue},
                        {"AttackDamage", "AttackDamage", Read::NotNull, Write::IfValue},
                        {"SpecialQuality", "SpecialQuality", Read::NotNull, Write::IfValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

const TableKind& CreatureClimates() {
    static const TableKind kind = [] {
        TableKind k{.name = "Creature climate",
                    .record = &Describe<clsCreatureClimate>::Kind(),
                    .table = "tblCreatureClimates",
                    .keys = {{"Name", "Name"}},
                    .test = TableTest::All,
                    .readStatement = {Form::C},
                    .delStatement = {Form::C},
                    .listLabel = "Property Get: CreatureClimateList",
                    .readLabel = "Property Get: GetCreatureClimateInfo(",
                    .addLabel = "Property Let: AddCreatureClimate(",
                    .delLabel = "Property Let: DelCreatureClimate(",
                    .emptyTable = "There are no Creature Climate Records in the Database!",
                    .readEmptyKey = "A Creature Climate Search field was not corretly Identified.",
                    .readNoMatch = "Unable to locate a Creature Climate matching your criteria.",
                    .columns = {{"Name", "Name", Read::Key, Write::Always},
                                {"Bonus", "Bonus", Read::NotNull, Write::IfValue},
                                {"Qualities", "Qualities", Read::NotNull, Write::IfValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

}  // namespace

ORVANE_REGISTER_TABLE(CreatureClasses)
ORVANE_REGISTER_TABLE(CreatureLevels)
ORVANE_REGISTER_TABLE(CreatureDetails)
ORVANE_REGISTER_TABLE(CreatureTemplates)
ORVANE_REGISTER_TABLE(CreatureClimates)

ListResult clsDatabase::ClassCreatureList() { return ListRows(*state_, CreatureClasses()); }
std::shared_ptr<clsClassCreature> clsDatabase::GetClassCreatureInfo(
    const std::string& strCreature) {
    return ReadAs<clsClassCreature>(*state_, CreatureClasses(), {strCreature});
}
void clsDatabase::AddClassCreature(const clsClassCreature* record) {
    AddRow(*state_, CreatureClasses(), record);
}
void clsDatabase::DelClassCreature(const std::string& name) {
    DeleteRow(*state_, CreatureClasses(), {name});
}

ListResult clsDatabase::GetCreatureLevelList() { return ListRows(*state_, CreatureLevels()); }
std::shared_ptr<clsCreatureLevel> clsDatabase::GetCreatureLevelInfo(const std::string& strCreature,
                                                                    Integer iLevel) {
    return ReadAs<clsCreatureLevel>(*state_, CreatureLevels(), {strCreature, iLevel});
}
void clsDatabase::AddCreatureLevel(const clsCreatureLevel* record) {
    AddRow(*state_, CreatureLevels(), record);
}
void clsDatabase::DelCreatureLevel(const std::string& strCreature, Integer iLevel) {
    DeleteRow(*state_, CreatureLevels(), {strCreature, iLevel});
}

ListResult clsDatabase::GetCreatureDetailList() { return ListRows(*state_, CreatureDetails()); }
std::shared_ptr<clsCreatureDetail> clsDatabase::GetCreatureDetailInfo(
    const std::string& strCreature, const std::string& strSize) {
    return ReadAs<clsCreatureDetail>(*state_, CreatureDetails(), {strCreature, strSize});
}
void clsDatabase::AddCreatureDetail(const clsCreatureDetail* record) {
    AddRow(*state_, CreatureDetails(), record);
}
void clsDatabase::DelCreatureDetail(const std::string& strCreature, const std::string& strSize) {
    DeleteRow(*state_, CreatureDetails(), {strCreature, strSize});
}

ListResult clsDatabase::CreatureTemplateList() { return ListRows(*state_, CreatureTemplates()); }
std::shared_ptr<clsCreatureTemplate> clsDatabase::GetCreatureTemplateInfo(
    const std::string& strTemplate) {
    return ReadAs<clsCreatureTemplate>(*state_, CreatureTemplates(), {strTemplate});
}
void clsDatabase::AddCreatureTemplate(const clsCreatureTemplate* record) {
    AddRow(*state_, CreatureTemplates(), record);
}
void clsDatabase::DelCreatureTemplate(const std::string& name) {
    DeleteRow(*state_, CreatureTemplates(), {name});
}

ListResult clsDatabase::CreatureClimateList() { return ListRows(*state_, CreatureClimates()); }
std::shared_ptr<clsCreatureClimate> clsDatabase::GetCreatureClimateInfo(
    const std::string& strClimate) {
    return ReadAs<clsCreatureClimate>(*state_, CreatureClimates(), {strClimate});
}
void clsDatabase::AddCreatureClimate(const clsCreatureClimate* record) {
    AddRow(*state_, CreatureClimates(), record);
}
void clsDatabase::DelCreatureClimate(const std::string& name) {
    DeleteRow(*state_, CreatureClimates(), {name});
}

}  // namespace OrvaneLib
