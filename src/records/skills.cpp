// Skills and skill mastery.
#include <array>
#include <string_view>

#include "orvane/records/character.hpp"
#include "records/kind.hpp"
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

void clsSkills::Clear() {
    Name.clear();
    SubSkills = TrainedOnly = ArmorCheck = Aumen = DarkSide = LightSide = false;
    CreatureUse = DroidUse = UntrainedHeuristic = false;
    SubNumber = 0;
    Source.clear();
    Notes.clear();
    Description.clear();
    ability_.clear();
    secondary_.clear();
    if (objRequirements) objRequirements->Clear();
    synergy_.Clear();
    exclClass_.Clear();
    subSynergy_.Clear();
    subSuggest_.Clear();
}

void clsSkills::SetAbility(const std::string& strAbility) {
    ability_ = strAbility.empty() ? std::string() : CompleteAbility(strAbility, false);
}

void clsSkills::SetSecondary(const std::string& strSecondary) {
    secondary_ = strSecondary.empty() ? std::string("None") : CompleteAbility(strSecondary, true);
}

void clsSkillMastery::Clear() {
    Name.clear();
    Number = 0;
    skills_.Clear();
}

namespace detail {

// The ability texts have two ways in: file lines store them as read ("Ability",
// "Secondary"), columns go through the name completion ("Attribute", "SecAbility").
const RecordKind& Describe<clsSkills>::Kind() {
    using R = clsSkills;
    static const RecordKind kind = KindOf<R>(
        "clsSkills",
        Join<FieldDesc>({{{"Name", Member<&R::Name>()},
                          {"SubSkills", Member<&R::SubSkills>()},
                          {"SubNumber", Member<&R::SubNumber>()},
                          {"TrainedOnly", Member<&R::TrainedOnly>()},
                          {"ArmorCheck", Member<&R::ArmorCheck>()},
                          {"Aumen", Member<&R::Aumen>()},
                          {"DarkSide", Member<&R::DarkSide>()},
                          {"LightSide", Member<&R::LightSide>()},
                          {"Source", Member<&R::Source>()},
                          {"Notes", Member<&R::Notes>()},
                          {"CreatureUse", Member<&R::CreatureUse>()},
                          {"Description", Member<&R::Description>()},
                          {"DroidUse", Member<&R::DroidUse>()},
                          {"UntrainedHeuristic", Member<&R::UntrainedHeuristic>()},
                          {"Requirements", Nested<&R::objRequirements>()},
                          {"Ability", Member<&R::ability_>()},
                          {"Attribute", TextVia<&R::GetAbility, &R::SetAbility, R>(), false},
                          {"Secondary", Member<&R::secondary_>()},
                          {"SecAbility", TextVia<&R::GetSecondary, &R::SetSecondary, R>(), false},
                          {"Synergy", Member<&R::synergy_>()},
                          {"ExclClass", Member<&R::exclClass_>()},
                          {"SubSynergy", Member<&R::subSynergy_>()},
                          {"SubSuggest", Member<&R::subSuggest_>()}},
                         RequirementFields<&R::objRequirements>()}),
        {{"Name"},
         {"Ability"},
         {"SubSkills"},
         {"SubNumber"},
         {"TrainedOnly"},
         {"ArmorCheck"},
         {"Aumen"},
         {"DarkSide"},
         {"LightSide"},
         {"Source"},
         {"Notes", TextForm::Note},
         {"CreatureUse"},
         {"Requirements"},
         {"ExclClass"},
         {"Synergy"},
         {"DroidUse", TextForm::Plain, 1},
         {"UntrainedHeuristic", TextForm::Plain, 1},
         {"Description", TextForm::Description, 2},
         {"Secondary", TextForm::Plain, 2},
         {"SubSynergy", TextForm::Plain, 2},
         {"SubSuggest", TextForm::Plain, 3}});
    return kind;
}

const RecordKind& Describe<clsSkillMastery>::Kind() {
    using R = clsSkillMastery;
    static const RecordKind kind = KindOf<R>("clsSkillMastery",
                                             {{"Name", Member<&R::Name>()},
                                              {"Number", Member<&R::Number>()},
                                              {"Skills", Member<&R::skills_>()}},
                                             {{"Name"}, {"Number"}, {"Skills"}});
    return kind;
}

}  // namespace detail

ORVANE_REGISTER_CLASS(clsSkills)
ORVANE_REGISTER_CLASS(clsSkillMastery)

}  // namespace OrvaneLib
