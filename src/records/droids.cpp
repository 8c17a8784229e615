// Droid bonuses, degrees, equipment, makers and quirks. Every droid file is read whole; none
// has optional trailing lines. Every droid table is optional in a rules database: without
// its table an operation gives its empty result and reports nothing.
#include "orvane/records/droids.hpp"

#include "host/internal.hpp"
#include "records/describe.hpp"

namespace OrvaneLib {

namespace detail {
namespace {
// What the droid descriptions share: their table is tested and emptied with the droids'.
TableDesc DroidTable(std::string_view name, std::string_view table) {
    return {.name = name,
            .table = table,
            .test = TableTest::All,
            .read = Form::B,
            .clear = ClearGroup::DroidsAndStarships};
}
}  // namespace
}  // namespace detail

ORVANE_DESCRIBE_RECORD(clsDroidBonus) {
    return {.fields = {Key<&R::Name>("Name"),
                       F<&R::GainMultiple>("GainMultiple", Col::Always, "Multiple"),
                       F<&R::skills_>("Skills", Col::Value).Names(Ref::Skill)},
            .tables = {DroidTable("Droid bonus", "tblDroidBonus")}};
}

ORVANE_DESCRIBE_RECORD(clsDroidDegree) {
    return {.fields = {Key<&R::Name>("Name"), Modifiers<R>(),
                       F<&R::classes_>("Classes", Col::Value).Names(Ref::Class)},
            .tables = {DroidTable("Droid degree", "tblDroidDegree")}};
}

ORVANE_DESCRIBE_RECORD(clsDroidEquip) {
    return {.fields = {Key<&R::Name>("Name"), F<&R::Cost>("Cost"), F<&R::Mass>("Mass"),
                       F<&R::Source>("Source", Col::Value),
                       F<&R::Notes>("Notes", Col::Value).As(TextForm::Note),
                       F<&R::synergy_>("Synergy", Col::Value).Names(Ref::Skill)},
            .tables = {DroidTable("Droid equipment", "tblDroidEquip")}};
}

// Makers report a missing row in the plural on delete ("Droid Makers").
ORVANE_DESCRIBE_RECORD(clsDroidMakers) {
    TableDesc table = DroidTable("Droid maker", "tblDroidMakers");
    table.delNoMatch = "Unable to locate a Droid Makers matching your criteria.";
    return {.fields = {Key<&R::Name>("Name"), Modifiers<R>(),
                       F<&R::MoveModifier>("MoveModifier", Col::Always, "MoveMod"),
                       F<&R::MaxMove>("MaxMove", Col::Always, "MoveMax"),
                       F<&R::SkillBonusNum>("SkillBonusNum", Col::Always, "BonusAny"),
                       F<&R::SkillBonusAmt>("SkillBonusAmt", Col::Always, "BonusAmt"),
                       F<&R::SkillPenaltyNum>("SkillPenaltyNum", Col::Always, "PenaltyAny"),
                       F<&R::SkillPenaltyAmt>("SkillPenaltyAmt", Col::Always, "PenaltyAmt"),
                       F<&R::BonusQuirks>("BonusQuirks", Col::Always, "AddQuirks"),
                       F<&R::specQual_>("SpecialQualities", Col::Value).Names(Ref::SpecialQuality),
                       F<&R::synergy_>("Synergy", Col::Value).Names(Ref::Skill),
                       F<&R::skillBonus_>("BonusSelect", Col::Value).Names(Ref::Skill)},
            .tables = {table}};
}

// Quirks name a missing search field in the plural on read ("Droid Quirks").
ORVANE_DESCRIBE_RECORD(clsDroidQuirks) {
    TableDesc table = DroidTable("Droid quirk", "tblDroidQuirks");
    table.readEmptyKey = "A Droid Quirks Search field was not corretly Identified.";
    table.delEmptyKey = "A Droid Quirk Search field was not corretly Identified.";
    return {.fields = {Key<&R::Name>("Name"), F<&R::Move>("Move"),
                       F<&R::specQual_>("SpecialQuality", Col::Value).Names(Ref::SpecialQuality),
                       F<&R::feats_>("BonusFeats", Col::Value).Names(Ref::Feat),
                       F<&R::synergy_>("Synergy", Col::Value).Names(Ref::Skill),
                       F<&R::skillMastery_>("SkillMastery", Col::Value).Names(Ref::SkillMastery)},
            .tables = {table}};
}

}  // namespace OrvaneLib
