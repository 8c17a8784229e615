// Creature types, levels, size details, templates and climates: their resets, appended
// records and text files.
#include "orvane/records/creatures.hpp"

#include <limits>
#include <stdexcept>

#include "host/internal.hpp"
#include "records/describe.hpp"

namespace OrvaneLib {

namespace {

// Reads a record's lines from a caller's file whose number arrives as text. The number is
// converted inside the same trap as the read, so a text that is not a number is shown like
// any other failure. The record is not cleared, before or after.
void LoadAppendFromText(Object& record, const detail::RecordKind& kind, const std::string& number) {
    Integer file = 0;
    try {
        file = static_cast<Integer>(detail::ReadWhole(number, std::numeric_limits<Integer>::min(),
                                                      std::numeric_limits<Integer>::max()));
    } catch (const std::exception& e) {
        detail::ShowMessage(std::string("Sub: LoadAppend.\r\n") + e.what(), MsgIcon::Critical,
                            "Error");
        return;
    }
    detail::LoadAppendRecord(record, kind, file, /*clearFirst=*/false);
}

}  // namespace

void clsCreatureLevel::SaveAppend(Integer iFileNum) {
    detail::SaveAppendRecord(*this, Kind(), iFileNum);
}

void clsCreatureLevel::LoadAppend(const std::string& iFileNum) {
    LoadAppendFromText(*this, Kind(), iFileNum);
}

void clsCreatureDetail::SaveAppend(Integer iFileNum) {
    detail::SaveAppendRecord(*this, Kind(), iFileNum);
}

void clsCreatureDetail::LoadAppend(const std::string& iFileNum) {
    LoadAppendFromText(*this, Kind(), iFileNum);
}

// All creature tables are optional in a rules database: without its table an operation
// gives its empty result and reports nothing.

// The file of a creature type leaves out the four numbers that only the database holds.
ORVANE_DESCRIBE_RECORD(clsClassCreature) {
    return {.fields = {Key<&R::Name>("Name"), F<&R::MinInt>("MinInt"), F<&R::MaxInt>("MaxInt"),
                       F<&R::MinWis>("MinWis"), F<&R::MaxWis>("MaxWis"), F<&R::MinCha>("MinCha"),
                       F<&R::MaxCha>("MaxCha"), F<&R::feats_>("Feat", Col::Value).Names(Ref::Feat),
                       F<&R::classSkills_>("ClassSkills", Col::Value).Names(Ref::Skill),
                       F<&R::specQual_>("SpecialQuality", Col::Value).Names(Ref::SpecialQuality),
                       F<&R::Vitality>("Vitality").NoLine().KeptByClear(),
                       F<&R::SkillPtsFirst>("SkillPtsFirst").NoLine().KeptByClear(),
                       F<&R::SkillPtsLevel>("SkillPtsLevel").NoLine().KeptByClear(),
                       F<&R::MaxLevel>("MaxLevel").NoLine().KeptByClear()},
            .tables = {{.name = "Creature type",
                        .table = "tblCreatureClasses",
                        .noun = "Creature Class",
                        .test = TableTest::All,
                        .read = Form::C,
                        .clear = ClearGroup::Creatures}}};
}

// Levels are keyed by the creature's name and the level; any level number is a valid key.
ORVANE_DESCRIBE_RECORD(clsCreatureLevel) {
    return {.fields = {Key<&R::Name>("Name").Names(Ref::CreatureType), Key<&R::Level>("Level"),
                       F<&R::Attack>("Attack"), F<&R::FortSave>("FortSave", Col::Always, "SV_Fort"),
                       F<&R::RefSave>("RefSave", Col::Always, "SV_Ref"),
                       F<&R::WillSave>("WillSave", Col::Always, "SV_Will")},
            .tables = {{.name = "Creature level",
                        .table = "tblCreatureLevels",
                        .test = TableTest::All,
                        .read = Form::D,
                        .clear = ClearGroup::Creatures,
                        .readNoMatch =
                            "Unable to locate a Creature and/or Level matching your criteria."}},
            .overlay = true};
}

// Size details look rows up by name and size; the logged statement quotes the keys with
// single quotes for a read and double quotes for a delete, while the keys themselves are
// always bound as values.
ORVANE_DESCRIBE_RECORD(clsCreatureDetail) {
    return {.fields = {Key<&R::Name>("Name").Names(Ref::CreatureType),
                       Key<&R::Size>("Size").Names(Ref::Size), F<&R::MinStr>("MinStr"),
                       F<&R::MaxStr>("MaxStr"), F<&R::MinDex>("MinDex"), F<&R::MaxDex>("MaxDex"),
                       F<&R::MinCon>("MinCon"), F<&R::MaxCon>("MaxCon"), F<&R::VPScale>("VPScale"),
                       F<&R::Slam>("Slam"), F<&R::Bite>("Bite"), F<&R::Gore>("Gore"),
                       F<&R::Claw>("Claw")},
            .tables = {
                {.name = "Creature detail",
                 .table = "tblCreatureDetails",
                 .noun = "Creature Characteristic",
                 .test = TableTest::All,
                 .read = Form::PairSingleQuote,
                 .del = Form::PairDoubleQuote,
                 .clear = ClearGroup::Creatures,
                 .readNoMatch = "Unable to locate a Creature and/or Size matching your criteria.",
                 .delNoMatch = "Unable to locate a Creature Characteristic matching your "
                               "criteria."}}};
}

ORVANE_DESCRIBE_RECORD(clsCreatureTemplate) {
    return {.fields = {Key<&R::Name>("Name"),
                       F<&R::AttackBonus>("AttackBonus"),
                       F<&R::MinStr>("MinStr"),
                       F<&R::MaxStr>("MaxStr"),
                       F<&R::MinDex>("MinDex"),
                       F<&R::MaxDex>("MaxDex"),
                       F<&R::MinCon>("MinCon"),
                       F<&R::MaxCon>("MaxCon"),
                       F<&R::MinInt>("MinInt"),
                       F<&R::MaxInt>("MaxInt"),
                       F<&R::MinWis>("MinWis"),
                       F<&R::MaxWis>("MaxWis"),
                       F<&R::MinCha>("MinCha"),
                       F<&R::MaxCha>("MaxCha"),
                       F<&R::Vitality>("Vitality"),
                       F<&R::VitBonus>("VitBonus", Col::Always, "VitalityBonus"),
                       F<&R::IncreaseDamage>("IncreaseDamage"),
                       F<&R::DecreaseDamage>("DecreaseDamage", Col::Always, "ReduceDamage"),
                       F<&R::specQual_>("SpecialQuality", Col::Value).Names(Ref::SpecialQuality),
                       F<&R::synergy_>("Synergy", Col::Value).Names(Ref::Skill),
                       F<&R::feats_>("Feats", Col::Value).Names(Ref::Feat),
                       F<&R::attackDamage_>("AttackDamage", Col::Value)},
            .tables = {{.name = "Creature template",
                        .table = "tblCreatureTemplates",
                        .test = TableTest::All,
                        .read = Form::C,
                        .clear = ClearGroup::Creatures}},
            .overlay = true};
}

ORVANE_DESCRIBE_RECORD(clsCreatureClimate) {
    return {.fields = {Key<&R::Name>("Name"),
                       F<&R::specQual_>("Qualities", Col::Value).Names(Ref::SpecialQuality),
                       F<&R::synergy_>("Bonus", Col::Value).Names(Ref::Skill)},
            .tables = {{.name = "Creature climate",
                        .table = "tblCreatureClimates",
                        .test = TableTest::All,
                        .read = Form::C,
                        .clear = ClearGroup::Creatures}},
            .overlay = true};
}

}  // namespace OrvaneLib
