// Feats and bonus-feat selections.
#include "host/internal.hpp"
#include "orvane/records/character.hpp"
#include "records/describe.hpp"
#include "records/requirement_fields.hpp"

namespace OrvaneLib {

clsFeats::clsFeats() : Requirements(std::make_shared<clsRequirements>()) { Clear(); }

clsFeats::clsFeats(const clsFeats& other) : Record(other) { *this = other; }

clsFeats& clsFeats::operator=(const clsFeats& other) {
    if (this == &other) return *this;
    Name = other.Name;
    GainMultiple = other.GainMultiple;
    AumenFeat = other.AumenFeat;
    Source = other.Source;
    Notes = other.Notes;
    Description = other.Description;
    Requirements = detail::CopyOf(other.Requirements);
    bonus_ = other.bonus_;
    return *this;
}

// The skill-bonus list ("Bonus") is stored in the table only, not in the text file. The
// alternative and class requirement columns came later and are read and written only when
// the table has them.
ORVANE_DESCRIBE_RECORD(clsFeats) {
    constexpr auto Req = Requirement<&R::Requirements>;
    return {
        .fields =
            {Key<&R::Name>("Name", "Feat"),
             F<&R::GainMultiple>("GainMultiple"),
             F<&R::AumenFeat>("AumenFeat"),
             F<&R::Source>("Source", Col::Value),
             F<&R::Notes>("Notes", Col::Value).As(TextForm::Note),
             Nested<&R::Requirements>("Requirements"),
             F<&R::Description>("Description", Col::Descript).As(TextForm::Description).Group(1),
             F<&R::bonus_>("Bonus", Col::Value).NoLine().Names(Ref::Skill),
             Req("ReqTainted", Col::Always, {}),
             Req("ReqDarkSide", Col::Always, {}),
             Req("MinRequirements", Col::Value, {}),
             Req("MaxRequirements", Col::Value, {}),
             Req("AbilityRequirements", Col::Value, {}),
             Req("SkillRequirements", Col::Value, {}),
             Req("FeatRequirements", Col::Value, {}),
             Req("SpeciesRequirements", Col::Value, {}),
             Req("HomeworldRequirements", Col::Value, {}),
             Req("OrFeatRequirements", Col::NewerText, {}),
             Req("ClassRequirements", Col::NewerText, {}),
             Req("OrClassRequirements", Col::NewerText, {}),
             Req("OrSkillRequirements", Col::NewerText, {})},
        .tables = {
            {.name = "Feat", .table = "tblFeats", .read = Form::B, .list = {.query = "qryFeats"}}}};
}

// The feat list counts as a value for the table only when it holds items.
ORVANE_DESCRIBE_RECORD(clsBonus) {
    static constexpr Access feats = [] {
        Access a = MemberAccess<&R::feats_>();
        a.hasValue = [](const Object& o) { return As<R>(o).GetNumFeats() > 0; };
        return a;
    }();
    return {
        .fields = {Key<&R::Name>("Name"),
                   F<&R::feats_>("Feats", Col::Value).Uses(feats).Names(Ref::Feat),
                   F<&R::IncludeExotic>("IncludeExotic", Col::Newer, "IncExotic").Group(1),
                   F<&R::IncludeSklNormal>("IncludeSklNormal", Col::Newer, "IncSkillNorm").Group(1),
                   F<&R::IncludeSklAumen>("IncludeSklAumen", Col::Newer, "IncSkillAumen").Group(1),
                   F<&R::IncludeAllNormal>("IncludeAllNormal", Col::Newer, "IncAllNorm").Group(1),
                   F<&R::IncludeAllAumen>("IncludeAllAumen", Col::Newer, "IncAllAumen").Group(1),
                   F<&R::RequireSklRanks>("RequireSklRanks", Col::Newer, "RequireRanks").Group(1)},
        .tables = {{.name = "Bonus-feat selection",
                    .table = "tblClassesBonus",
                    .read = Form::C,
                    .list = {.lbound = 0, .skipNull = true, .noneListedFails = true},
                    .delEmptyKey = "A Bonus Search field was not corretly Identified."}}};
}

}  // namespace OrvaneLib
