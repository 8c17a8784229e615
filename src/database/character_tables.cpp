// The tables of the character rules: species, special qualities, skills and skill mastery,
// feats and bonus-feat selections, bonus features and cross-class sets.
#include "database/table.hpp"
#include "orvane/database.hpp"
#include "orvane/records/character.hpp"

namespace OrvaneLib {

namespace {

using namespace detail;

const TableKind& Species() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Species",
            .record = &Describe<clsSpecies>::Kind(),
            .table = "tblSpecies",
            .keys = {{"Species", "Name"}},
            .descript = true,
            .readStatement = {Form::A},
            .delStatement = {Form::A},
            .listLabel = "Property Get: SpeciesList",
            .readLabel = "Property Get: GetSpeciesInfo(",
            .addLabel = "Property Let: AddSpecies(",
            .delLabel = "Property Let: DelSpecies(",
            .emptyTable = "There are no Species Records in the Database!",
            .readEmptyKey = "A Species Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Species matching your criteria.",
            .delNoMatch = "Unable to locate Species matching your criteria.",
            .columns = Join<ColumnDesc>(
                {{{"Species", "Name", Read::Key, Write::Always}},
                 ModifierColumns(),
                 {{"BonusFeats", "BonusFeat"},
                  {"NPC", "NPC"},
                  {"BonusSkillPts", "BonusSkillPts"},
                  {"Move", "Move"},
                  {"Swim", "Swim"},
                  {"Fly", "Fly"},
                  {"Other", "Other"},
                  {"Size", "Size"},
                  {"Homeworld", "Homeworld", Read::NotNull, Write::IfValue},
                  {"FlyType", "FlyType", Read::NotNull, Write::IfValue},
                  {"OtherType", "OtherType", Read::NotNull, Write::IfValue},
                  {"SpecialQualities", "SetSpecQual", Read::NotNull, Write::IfValue},
                  {"Speak", "Speak", Read::NotNull, Write::IfValue},
                  {"ReadWrite", "ReadWrite", Read::NotNull, Write::IfValue},
                  {"Synergy", "Synergy", Read::NotNull, Write::IfValue},
                  {"ClassSkills", "ClassSkills", Read::NotNull, Write::IfValue},
                  {"ForbiddenFeats", "ForbiddenFeats", Read::NotNull, Write::IfValue},
                  {"ForbiddenSkills", "ForbiddenSkills", Read::NotNull, Write::IfValue},
                  {"ForbiddenClass", "ForbiddenClass", Read::NotNull, Write::IfValue},
                  {"RestrictedSkills", "RestrictedSkills", Read::NotNull, Write::IfValue},
                  {"AddFeat", "AddFeat", Read::NotNull, Write::IfValue},
                  {"Source", "Source", Read::NotNull, Write::IfValue},
                  {"MaxChild", "MaxChild", Read::IfPresent, Write::IfPresent},
                  {"MaxYoung", "MaxYoung", Read::IfPresent, Write::IfPresent},
                  {"MaxAdult", "MaxAdult", Read::IfPresent, Write::IfPresent},
                  {"MaxMiddle", "MaxMiddle", Read::IfPresent, Write::IfPresent},
                  {"MaxOld", "MaxOld", Read::IfPresent, Write::IfPresent},
                  {"BonusFeat", "BonusFeatList", Read::IfPresentNotNull, Write::IfPresentAndValue},
                  {"MinHeight", "MinHeight", Read::IfPresent, Write::IfPresent},
                  {"MaxHeight", "MaxHeight", Read::IfPresent, Write::IfPresent},
                  {"MinWeight", "MinWeight", Read::IfPresent, Write::IfPresent},
                  {"MaxWeight", "MaxWeight", Read::IfPresent, Write::IfPresent},
                  {"Description", "Description", Read::IfDescript, Write::IfPresentAndValue},
                  {"ReplaceClsFeats", "ReplaceClsFeats", Read::IfPresentNotNull,
                   Write::IfPresentAndValue}}})};
        k.Resolve();
        return k;
    }();
    return kind;
}

const TableKind& SpecialQualities() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Special quality",
            .record = &Describe<clsSpecialQualities>::Kind(),
            .table = "tblSpecialQualities",
            .keys = {{"Name", "Name"}},
            .descript = true,
            .readStatement = {Form::A},
            .delStatement = {Form::A},
            .listLabel = "Property Get: GetSpecialQualityList",
            .readLabel = "Property Get: GetSpecialQualityInfo(",
            .addLabel = "Property Let: AddSpecialQuality(",
            .delLabel = "Property Let: DelSpecialQuality(",
            .emptyTable = "There are no Special Quality Records in the Database!",
            .readEmptyKey = "A Special Quality Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Special Quality matching your criteria.",
            .columns = {{"Name", "Name", Read::Key, Write::Always},
                        {"SpecialQualities", "SpecialQualities", Read::NotNull, Write::IfValue},
                        {"GivenFeats", "GivenFeats", Read::NotNull, Write::IfValue},
                        {"BypassFeats", "BypassFeats", Read::NotNull, Write::IfValue},
                        {"Description", "Description", Read::IfDescript, Write::IfPresentAndValue},
                        {"Synergy", "Synergy", Read::IfPresentNotNull, Write::IfPresentAndValue},
                        {"Bonus", "Bonus", Read::IfPresentNotNull, Write::IfPresentAndValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

// The requirement columns of a skill: "Feat" is read whenever it is not null, the others
// only when the table has them; the class requirements are read but never written.
const TableKind& Skills() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Skill",
            .record = &Describe<clsSkills>::Kind(),
            .table = "tblSkills",
            .keys = {{"Name", "Name"}},
            .descript = true,
            .readStatement = {Form::A},
            .delStatement = {Form::A},
            .list = {.query = "qrySkills", .lbound = 0, .skipNull = true, .noneListedFails = true},
            .listLabel = "Property Get: GetAllSkillList",
            .readLabel = "Property Get: GetSkillInfo(",
            .addLabel = "Property Let: AddSkill(",
            .delLabel = "Property Let: DelSkill(",
            .emptyTable = "There are no Skill Records in the Database!",
            .readEmptyKey = "A Skill Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Skill matching your criteria.",
            .columns = {
                {"Name", "Name", Read::Key, Write::Always},
                {"Attribute", "Attribute", Read::NotNull, Write::IfValue},
                {"SubNumber", "SubNumber"},
                {"ArmorCheck", "ArmorCheck"},
                {"SubSkills", "SubSkills"},
                {"Aumen", "Aumen"},
                {"DarkSide", "DarkSide"},
                {"LightSide", "LightSide"},
                {"TrainedOnly", "TrainedOnly"},
                {"Synergy", "Synergy", Read::NotNull, Write::IfValue},
                {"Source", "Source", Read::NotNull, Write::IfValue},
                {"Notes", "Notes", Read::NotNull, Write::IfValue},
                {"CreatureUse", "CreatureUse", Read::IfPresent, Write::IfPresent},
                {"DroidUse", "DroidUse", Read::IfPresent, Write::IfPresent},
                {"UntrainedHeuristic", "UntrainedHeuristic", Read::IfPresent, Write::IfPresent},
                {"Description", "Description", Read::IfDescript, Write::IfPresentAndValue},
                {"SubSynergy", "SubSynergy", Read::IfPresentNotNull, Write::IfPresentAndValue},
                {.column = "SecAbility",
                 .field = "SecAbility",
                 .read = Read::IfPresentNotNull,
                 .write = Write::IfPresent,
                 .fallback = "None"},
                {"SubSuggest", "SubSuggest", Read::IfPresentNotNull, Write::IfPresentAndValue},
                {"Feat", "FeatRequirements", Read::NotNull, Write::IfValue},
                {"SkillRequirements", "SkillRequirements", Read::IfPresentNotNull,
                 Write::IfPresentAndValue},
                {"ClassRequirements", "ClassRequirements", Read::IfPresentNotNull, Write::Never},
                {"SpeciesRequirements", "SpeciesRequirements", Read::IfPresentNotNull,
                 Write::IfPresentAndValue},
                {"MinRequirements", "MinRequirements", Read::IfPresentNotNull,
                 Write::IfPresentAndValue},
                {"MaxRequirements", "MaxRequirements", Read::IfPresentNotNull,
                 Write::IfPresentAndValue},
                {"AbilityRequirements", "AbilityRequirements", Read::IfPresentNotNull,
                 Write::IfPresentAndValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

// The same table listed by kind of skill: ordinary ones, or those of the mystic power.
const TableKind& SkillsByKind() {
    static const TableKind kind = [] {
        TableKind k = Skills();
        k.name = "Skill by kind";
        k.list.filter = ListFilter::Aumen;
        k.listLabel = "Property Get: GetSkillList(";
        return k;
    }();
    return kind;
}

const TableKind& SkillMastery() {
    static const TableKind kind = [] {
        TableKind k{.name = "Skill mastery",
                    .record = &Describe<clsSkillMastery>::Kind(),
                    .table = "tblSkillMastery",
                    .keys = {{"Name", "Name"}},
                    .readStatement = {Form::A},
                    .delStatement = {Form::A},
                    .listLabel = "Property Get: SkillMasteryList",
                    .readLabel = "Property Get: GetSkillMasteryInfo(",
                    .addLabel = "Property Let: AddSkillMastery(",
                    .delLabel = "Property Let: DelSkillMastery(",
                    .emptyTable = "There are no Skill Mastery Records in the Database!",
                    .readEmptyKey = "A Skill Mastery Search field was not corretly Identified.",
                    .readNoMatch = "Unable to locate a Skill Mastery matching your criteria.",
                    .columns = {{"Name", "Name", Read::Key, Write::Always},
                                {"Number", "Number"},
                                {"Skills", "Skills", Read::NotNull, Write::IfValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

// Feats list through their stored query; the alternative and class requirement columns
// came later and are read and written only when the table has them.
const TableKind& Feats() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Feat",
            .record = &Describe<clsFeats>::Kind(),
            .table = "tblFeats",
            .keys = {{"Feat", "Name"}},
            .descript = true,
            .readStatement = {Form::B},
            .delStatement = {Form::B},
            .list = {.query = "qryFeats"},
            .listLabel = "Property Get: GetFeatList",
            .readLabel = "Property Get: GetFeatInfo(",
            .addLabel = "Property Let: AddFeat(",
            .delLabel = "Property Let: DelFeat(",
            .emptyTable = "There are no Feat Records in the Database!",
            .readEmptyKey = "A Feat Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Feat matching your criteria.",
            .columns = {
                {"Feat", "Name", Read::Key, Write::Always},
                {"GainMultiple", "GainMultiple"},
                {"AumenFeat", "AumenFeat"},
                {"Bonus", "Bonus", Read::NotNull, Write::IfValue},
                {"Source", "Source", Read::NotNull, Write::IfValue},
                {"Notes", "Notes", Read::NotNull, Write::IfValue},
                {"Description", "Description", Read::IfDescript, Write::IfPresentAndValue},
                {"ReqTainted", "ReqTainted"},
                {"ReqDarkSide", "ReqDarkSide"},
                {"MinRequirements", "MinRequirements", Read::NotNull, Write::IfValue},
                {"MaxRequirements", "MaxRequirements", Read::NotNull, Write::IfValue},
                {"AbilityRequirements", "AbilityRequirements", Read::NotNull, Write::IfValue},
                {"SkillRequirements", "SkillRequirements", Read::NotNull, Write::IfValue},
                {"FeatRequirements", "FeatRequirements", Read::NotNull, Write::IfValue},
                {"SpeciesRequirements", "SpeciesRequirements", Read::NotNull, Write::IfValue},
                {"HomeworldRequirements", "HomeworldRequirements", Read::NotNull, Write::IfValue},
                {"OrFeatRequirements", "OrFeatRequirements", Read::IfPresentNotNull,
                 Write::IfPresentAndValue},
                {"ClassRequirements", "ClassRequirements", Read::IfPresentNotNull,
                 Write::IfPresentAndValue},
                {"OrClassRequirements", "OrClassRequirements", Read::IfPresentNotNull,
                 Write::IfPresentAndValue},
                {"OrSkillRequirements", "OrSkillRequirements", Read::IfPresentNotNull,
                 Write::IfPresentAndValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

// Bonus-feat selections list from 0, leaving out rows without a name. The delete reports
// an empty key in words of its own.
const TableKind& BonusSelections() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Bonus-feat selection",
            .record = &Describe<clsBonus>::Kind(),
            .table = "tblClassesBonus",
            .keys = {{"Name", "Name"}},
            .readStatement = {Form::C},
            .delStatement = {Form::C},
            .list = {.lbound = 0, .skipNull = true, .noneListedFails = true},
            .listLabel = "Property Get: GetBonusList",
            .readLabel = "Property Get: GetBonusInfo(",
            .addLabel = "Property Let: AddBonus(",
            .delLabel = "Property Let: DelBonus(",
            .emptyTable = "There are no Bonus Feat Selection Records in the Database!",
            .readEmptyKey = "A Bonus Feat Selection Search field was not corretly Identified.",
            .delEmptyKey = "A Bonus Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Bonus Feat Selection matching your criteria.",
            .columns = {{"Name", "Name", Read::Key, Write::Always},
                        {"Feats", "Feats", Read::NotNull, Write::IfValue},
                        {"IncExotic", "IncludeExotic", Read::IfPresent, Write::IfPresent},
                        {"IncSkillNorm", "IncludeSklNormal", Read::IfPresent, Write::IfPresent},
                        {"IncSkillAumen", "IncludeSklAumen", Read::IfPresent, Write::IfPresent},
                        {"RequireRanks", "RequireSklRanks", Read::IfPresent, Write::IfPresent},
                        {"IncAllNorm", "IncludeAllNormal", Read::IfPresent, Write::IfPresent},
                        {"IncAllAumen", "IncludeAllAumen", Read::IfPresent, Write::IfPresent}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

const TableKind& BonusFeatures() {
    static const TableKind kind = [] {
        TableKind k{.name = "Bonus feature",
                    .record = &Describe<clsFeatures>::Kind(),
                    .table = "tblClassFeatures",
                    .keys = {{"Name", "Name"}},
                    .readStatement = {Form::C},
                    .delStatement = {Form::C},
                    .listLabel = "Property Get: BonusFeatureList",
                    .readLabel = "Property Get: GetFeatureInfo(",
                    .addLabel = "Property Let: AddFeature(",
                    .delLabel = "Property Let: DelFeature(",
                    .emptyTable = "There are no Bonus Feature Records in the Database!",
                    .readEmptyKey = "A Bonus Feature Search field was not corretly Identified.",
                    .readNoMatch = "Unable to locate a Bonus Feature matching your criteria.",
                    .columns = {{"Name", "Name", Read::Key, Write::Always},
                                {"List", "List", Read::NotNull, Write::IfValue},
                                {"Multiple", "Multiple", Read::IfPresent, Write::IfPresent},
                                {"Number", "Number", Read::IfPresent, Write::IfPresent}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

const TableKind& CrossClass() {
    static const TableKind kind = [] {
        TableKind k{.name = "Cross-class skills",
                    .record = &Describe<clsCrossClass>::Kind(),
                    .table = "tblCrossClass",
                    .keys = {{"Name", "Name"}},
                    .readStatement = {Form::A},
                    .delStatement = {Form::A},
                    .listLabel = "Property Get: CrossClassList",
                    .readLabel = "Property Get: GetCrossClassInfo(",
                    .addLabel = "Property Let: AddCrossClass(",
                    .delLabel = "Property Let: DelCrossClass(",
                    .emptyTable = "There are no Cross Class Records in the Database!",
                    .readEmptyKey = "A Cross Class Search field was not corretly Identified.",
                    .readNoMatch = "Unable to locate a Cross Class matching your criteria.",
                    .columns = {{"Name", "Name", Read::Key, Write::Always},
                                {"ClassSkills", "ClassSkills", Read::NotNull, Write::IfValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

}  // namespace

ORVANE_REGISTER_TABLE(Species)
ORVANE_REGISTER_TABLE(SpecialQualities)
ORVANE_REGISTER_TABLE(Skills)
ORVANE_REGISTER_TABLE(SkillsByKind)
ORVANE_REGISTER_TABLE(SkillMastery)
ORVANE_REGISTER_TABLE(Feats)
ORVANE_REGISTER_TABLE(BonusSelections)
ORVANE_REGISTER_TABLE(BonusFeatures)
ORVANE_REGISTER_TABLE(CrossClass)

ListResult clsDatabase::SpeciesList() { return ListRows(*state_, Species()); }
std::shared_ptr<clsSpecies> clsDatabase::GetSpeciesInfo(const std::string& strSpecies,
                                                        bool bDescript) {
    return ReadAs<clsSpecies>(*state_, Species(), {strSpecies}, bDescript);
}
void clsDatabase::AddSpecies(const clsSpecies* record) { AddRow(*state_, Species(), record); }
void clsDatabase::DelSpecies(const std::string& name) { DeleteRow(*state_, Species(), {name}); }

ListResult clsDatabase::GetSpecialQualityList() { return ListRows(*state_, SpecialQualities()); }
std::shared_ptr<clsSpecialQualities> clsDatabase::GetSpecialQualityInfo(
    const std::string& strSpecialQuality, bool bDescript) {
    return ReadAs<clsSpecialQualities>(*state_, SpecialQualities(), {strSpecialQuality}, bDescript);
}
void clsDatabase::AddSpecialQuality(const clsSpecialQualities* record) {
    AddRow(*state_, SpecialQualities(), record);
}
void clsDatabase::DelSpecialQuality(const std::string& name) {
    DeleteRow(*state_, SpecialQualities(), {name});
}

ListResult clsDatabase::GetAllSkillList() { return ListRows(*state_, Skills()); }
ListResult clsDatabase::GetSkillList(bool bAumenSkills) {
    return ListRows(*state_, SkillsByKind(), bAumenSkills);
}
std::shared_ptr<clsSkills> clsDatabase::GetSkillInfo(const std::string& strSkill, bool bDescript) {
    return ReadAs<clsSkills>(*state_, Skills(), {strSkill}, bDescript);
}
void clsDatabase::AddSkill(const clsSkills* record) { AddRow(*state_, Skills(), record); }
void clsDatabase::DelSkill(const std::string& strSkill) {
    DeleteRow(*state_, Skills(), {strSkill});
}

ListResult clsDatabase::SkillMasteryList() { return ListRows(*state_, SkillMastery()); }
std::shared_ptr<clsSkillMastery> clsDatabase::GetSkillMasteryInfo(
    const std::string& strSkillMastery) {
    return ReadAs<clsSkillMastery>(*state_, SkillMastery(), {strSkillMastery});
}
void clsDatabase::AddSkillMastery(const clsSkillMastery* record) {
    AddRow(*state_, SkillMastery(), record);
}
void clsDatabase::DelSkillMastery(const std::string& name) {
    DeleteRow(*state_, SkillMastery(), {name});
}

ListResult clsDatabase::GetFeatList() { return ListRows(*state_, Feats()); }
std::shared_ptr<clsFeats> clsDatabase::GetFeatInfo(const std::string& strFeat, bool bDescript) {
    return ReadAs<clsFeats>(*state_, Feats(), {strFeat}, bDescript);
}
void clsDatabase::AddFeat(const clsFeats* record) { AddRow(*state_, Feats(), record); }
void clsDatabase::DelFeat(const std::string& strFeat) { DeleteRow(*state_, Feats(), {strFeat}); }

ListResult clsDatabase::GetBonusList() { return ListRows(*state_, BonusSelections()); }
std::shared_ptr<clsBonus> clsDatabase::GetBonusInfo(const std::string& strBonus) {
    return ReadAs<clsBonus>(*state_, BonusSelections(), {strBonus});
}
void clsDatabase::AddBonus(const clsBonus* record) { AddRow(*state_, BonusSelections(), record); }
void clsDatabase::DelBonus(const std::string& strBonus) {
    DeleteRow(*state_, BonusSelections(), {strBonus});
}

ListResult clsDatabase::BonusFeatureList() { return ListRows(*state_, BonusFeatures()); }
std::shared_ptr<clsFeatures> clsDatabase::GetFeatureInfo(const std::string& strFeature) {
    return ReadAs<clsFeatures>(*state_, BonusFeatures(), {strFeature});
}
void clsDatabase::AddFeature(const clsFeatures* record) {
    AddRow(*state_, BonusFeatures(), record);
}
void clsDatabase::DelFeature(const std::string& name) {
    DeleteRow(*state_, BonusFeatures(), {name});
}

ListResult clsDatabase::CrossClassList() { return ListRows(*state_, CrossClass()); }
std::shared_ptr<clsCrossClass> clsDatabase::GetCrossClassInfo(const std::string& strCrossClass) {
    return ReadAs<clsCrossClass>(*state_, CrossClass(), {strCrossClass});
}
void clsDatabase::AddCrossClass(const clsCrossClass* record) {
    AddRow(*state_, CrossClass(), record);
}
void clsDatabase::DelCrossClass(const std::string& name) {
    DeleteRow(*state_, CrossClass(), {name});
}

}  // namespace OrvaneLib
