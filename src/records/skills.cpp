// Skills and skill mastery.
#include <array>
#include <string_view>

#include "host/internal.hpp"
#include "orvane/records/character.hpp"
#include "records/describe.hpp"
#include "records/requirement_fields.hpp"

namespace OrvaneLib {

namespace {

// The full name whose first three letters begin the text (compared case-sensitively), or
// the text itself. A text shorter than three characters is compared whole, so it matches
// no name.
std::string CompleteAbility(const std::string& text, bool withNone) {
    static constexpr std::array<std::string_view, 8> kNames = {
        "Strength", "Dexterity", "Constitution", "Intelligence",
        "Wisdom",   "Charisma",  "Aumen",        "None"};
    const std::string_view head = std::string_view(text).substr(0, 3);
    const std::size_t count = withNone ? kNames.size() : kNames.size() - 1;
    for (std::size_t i = 0; i < count; ++i)
        if (head == kNames[i].substr(0, 3)) return std::string(kNames[i]);
    return text;
}

}  // namespace

clsSkills::clsSkills() : objRequirements(std::make_shared<clsRequirements>()) { Clear(); }

clsSkills::clsSkills(const clsSkills& other) : Record(other) { *this = other; }

clsSkills& clsSkills::operator=(const clsSkills& other) {
    if (this == &other) return *this;
    Name = other.Name;
    SubSkills = other.SubSkills;
    SubNumber = other.SubNumber;
    TrainedOnly = other.TrainedOnly;
    ArmorCheck = other.ArmorCheck;
    Aumen = other.Aumen;
    DarkSide = other.DarkSide;
    LightSide = other.LightSide;
    Source = other.Source;
    Notes = other.Notes;
    CreatureUse = other.CreatureUse;
    Description = other.Description;
    DroidUse = other.DroidUse;
    UntrainedHeuristic = other.UntrainedHeuristic;
    objRequirements = detail::CopyOf(other.objRequirements);
    ability_ = other.ability_;
    secondary_ = other.secondary_;
    synergy_ = other.synergy_;
    exclClass_ = other.exclClass_;
    subSynergy_ = other.subSynergy_;
    subSuggest_ = other.subSuggest_;
    return *this;
}

void clsSkills::SetAbility(const std::string& strAbility) {
    ability_ = strAbility.empty() ? std::string() : CompleteAbility(strAbility, false);
}

void clsSkills::SetSecondary(const std::string& strSecondary) {
    secondary_ = strSecondary.empty() ? std::string("None") : CompleteAbility(strSecondary, true);
}

// The ability texts have two ways in: file lines store them as read ("Ability",
// "Secondary"), columns go through the name completion ("Attribute", "SecAbility"). The
// requirement columns came at different times: "Feat" is read whenever it is not null, the
// others only when the table has them; the class requirements are read but never written.
ORVANE_DESCRIBE_RECORD(clsSkills) {
    static constexpr Access ability = TextViaAccess<R, &R::GetAbility, &R::SetAbility>();
    static constexpr Access secondary = TextViaAccess<R, &R::GetSecondary, &R::SetSecondary>();
    constexpr auto Req = Requirement<&R::objRequirements>;
    return {
        .fields =
            {Key<&R::Name>("Name"),
             F<&R::ability_>("Ability", Col::Value, "Attribute")
                 .ReadVia(ability)
                 .Names(Ref::Ability),
             F<&R::SubSkills>("SubSkills"),
             F<&R::SubNumber>("SubNumber"),
             F<&R::TrainedOnly>("TrainedOnly"),
             F<&R::ArmorCheck>("ArmorCheck"),
             F<&R::Aumen>("Aumen"),
             F<&R::DarkSide>("DarkSide"),
             F<&R::LightSide>("LightSide"),
             F<&R::Source>("Source", Col::Value),
             F<&R::Notes>("Notes", Col::Value).As(TextForm::Note),
             F<&R::CreatureUse>("CreatureUse", Col::Newer),
             Nested<&R::objRequirements>("Requirements"),
             InFile<&R::exclClass_>("ExclClass").Names(Ref::Class),
             F<&R::synergy_>("Synergy", Col::Value).Names(Ref::Skill),
             F<&R::DroidUse>("DroidUse", Col::Newer).Group(1),
             F<&R::UntrainedHeuristic>("UntrainedHeuristic", Col::Newer).Group(1),
             F<&R::Description>("Description", Col::Descript).As(TextForm::Description).Group(2),
             F<&R::secondary_>("Secondary", Col::NewerText, "SecAbility")
                 .Rules(Read::IfPresentNotNull, Write::IfPresent)
                 .Fallback("None")
                 .ReadVia(secondary)
                 .Group(2)
                 .Names(Ref::Ability),
             F<&R::subSynergy_>("SubSynergy", Col::NewerText)
                 .Group(2)
                 .Names(Ref::SubSkill, Ref::Skill),
             F<&R::subSuggest_>("SubSuggest", Col::NewerText).Group(3),
             Req("FeatRequirements", Col::Value, "Feat"),
             Req("SkillRequirements", Col::NewerText, {}),
             Req("ClassRequirements", Col::NewerText, {})
                 .Rules(Read::IfPresentNotNull, Write::Never),
             Req("SpeciesRequirements", Col::NewerText, {}),
             Req("MinRequirements", Col::NewerText, {}),
             Req("MaxRequirements", Col::NewerText, {}),
             Req("AbilityRequirements", Col::NewerText, {})},
        .tables = {{.name = "Skill",
                    .table = "tblSkills",
                    .list = {.query = "qrySkills",
                             .lbound = 0,
                             .skipNull = true,
                             .noneListedFails = true}},
                   // The same table listed by kind of skill: ordinary ones, or those of
                   // the mystic power.
                   {.name = "Skill by kind",
                    .table = "tblSkills",
                    .noun = "Skill",
                    .list = {.query = "qrySkills",
                             .lbound = 0,
                             .skipNull = true,
                             .filter = ListFilter::Aumen,
                             .noneListedFails = true}}}};
}

ORVANE_DESCRIBE_RECORD(clsSkillMastery) {
    return {.fields = {Key<&R::Name>("Name"), F<&R::Number>("Number"),
                       F<&R::skills_>("Skills", Col::Value).Names(Ref::Skill)},
            .tables = {{.name = "Skill mastery", .table = "tblSkillMastery"}}};
}

}  // namespace OrvaneLib
