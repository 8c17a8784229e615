// Classes, class levels and prestige classes.
#include "orvane/records/character.hpp"
#include "records/kind.hpp"
#include "records/requirement_fields.hpp"

namespace OrvaneLib {

void clsClass::Clear() {
    Name.clear();
    Hero = Prestige = Aumen = Vael = Khor = false;
    Vitality = SkillPoints = NormalSklPts = AumenSklPts = WisVitality = MaxLevel = 0;
    Source.clear();
    Description.clear();
    classSkills_.Clear();
    forbidClasses_.Clear();
    forbidSkills_.Clear();
    forbidFeats_.Clear();
    restricted_.Clear();
    tradeLevels_.Clear();
    if (objPrestige) objPrestige->Clear();  // the attachment itself stays
}

void clsClassLevel::Clear() {
    Name.clear();
    Glowblade.clear();
    Level = Attack = FortSave = RefSave = WillSave = Defense = Reputation = 0;
    specQual_.Clear();
    givenFeats_.Clear();
    bonusFeats_.Clear();
    crossClass_.Clear();
    skillMastery_.Clear();
    bonusFeatures_.Clear();
    ResizeSlots(0);
}

void clsClassLevel::SetSpecialQualities(const std::string& strSpecQuals) {
    specQual_.SetList(strSpecQuals);
    ResizeSlots(specQual_.GetSize());
}

void clsClassLevel::SaveAppend(Integer iFileNum) const {
    detail::SaveAppendRecord(this, Kind(), iFileNum);
}

void clsClassLevel::LoadAppend(Integer iFileNum) {
    detail::LoadAppendRecord(this, Kind(), iFileNum, /*clearFirst=*/true);
}

clsPrestige::clsPrestige() : Requirements(std::make_shared<clsRequirements>()) { Clear(); }

clsPrestige::clsPrestige(const clsPrestige& other)
    : Record(other), Name(other.Name), Requirements(detail::CopyOf(other.Requirements)) {}

clsPrestige& clsPrestige::operator=(const clsPrestige& other) {
    if (this != &other) {
        Name = other.Name;
        Requirements = detail::CopyOf(other.Requirements);
    }
    return *this;
}

void clsPrestige::Clear() {
    Name.clear();
    if (Requirements) Requirements->Clear();
}

namespace detail {

// Overlaying: a file that ends after the restricted skills leaves the description and the
// trade levels as they were.
const RecordKind& Describe<clsClass>::Kind() {
    using R = clsClass;
    static const RecordKind kind = KindOf<R>("clsClass",
                                             {{"Name", Member<&R::Name>()},
                                              {"Hero", Member<&R::Hero>()},
                                              {"Prestige", Member<&R::Prestige>()},
                                              {"Aumen", Member<&R::Aumen>()},
                                              {"Vael", Member<&R::Vael>()},
                                              {"Khor", Member<&R::Khor>()},
                                              {"Vitality", Member<&R::Vitality>()},
                                              {"SkillPoints", Member<&R::SkillPoints>()},
                                              {"NormalSklPts", Member<&R::NormalSklPts>()},
                                              {"AumenSklPts", Member<&R::AumenSklPts>()},
                                              {"WisVitality", Member<&R::WisVitality>()},
                                              {"MaxLevel", Member<&R::MaxLevel>()},
                                              {"Source", Member<&R::Source>()},
                                              {"Description", Member<&R::Description>()},
                                              {"ClassSkills", Member<&R::classSkills_>()},
                                              {"ForbiddenClass", Member<&R::forbidClasses_>()},
                                              {"ForbiddenSkills", Member<&R::forbidSkills_>()},
                                              {"ForbiddenFeats", Member<&R::forbidFeats_>()},
                                              {"RestrictedSkills", Member<&R::restricted_>()},
                                              {"TradeLevels", Member<&R::tradeLevels_>()}},
                                             {{"Name"},
                                              {"Hero"},
                                              {"Prestige"},
                                              {"Aumen"},
                                              {"Vael"},
                                              {"Khor"},
                                              {"Vitality"},
                                              {"SkillPoints"},
                                              {"NormalSklPts"},
                                              {"AumenSklPts"},
                                              {"WisVitality"},
                                              {"MaxLevel"},
                                              {"Source"},
                                              {"ClassSkills"},
                                              {"ForbiddenClass"},
                                              {"ForbiddenSkills"},
                                              {"ForbiddenFeats"},
                                              {"RestrictedSkills"},
                                              {"Description", TextForm::Description, 1},
                                              {"TradeLevels", TextForm::Plain, 1}},
                                             /*overlay=*/true);
    return kind;
}

// The special-quality list has two ways in: file lines go straight to the list, the column
// through SetSpecialQualities, which also sizes the object slots.
const RecordKind& Describe<clsClassLevel>::Kind() {
    using R = clsClassLevel;
    static const RecordKind kind = KindOf<R>(
        "clsClassLevel",
        {{"Name", Member<&R::Name>()},
         {"Level", Member<&R::Level>()},
         {"Attack", Member<&R::Attack>()},
         {"FortSave", Member<&R::FortSave>()},
         {"RefSave", Member<&R::RefSave>()},
         {"WillSave", Member<&R::WillSave>()},
         {"Defense", Member<&R::Defense>()},
         {"Reputation", Member<&R::Reputation>()},
         {"Glowblade", Member<&R::Glowblade>()},
         {"SpecialQualities", Member<&R::specQual_>()},
         {"SetSpecialQualities", ListVia<&R::specQual_, &R::SetSpecialQualities>(), false},
         {"GivenFeats", Member<&R::givenFeats_>()},
         {"GivenBonus", Member<&R::bonusFeats_>()},
         {"CrossClass", Member<&R::crossClass_>()},
         {"SkillMastery", Member<&R::skillMastery_>()},
         {"BonusFeatures", Member<&R::bonusFeatures_>()}},
        {{"Name"},
         {"Level"},
         {"Attack"},
         {"FortSave"},
         {"RefSave"},
         {"WillSave"},
         {"Defense"},
         {"Reputation"},
         {"Glowblade"},
         {"SpecialQualities"},
         {"GivenFeats"},
         {"GivenBonus"},
         {"CrossClass"},
         {"SkillMastery"},
         {"BonusFeatures"}});
    return kind;
}

// The name, then the requirements block.
const RecordKind& Describe<clsPrestige>::Kind() {
    using R = clsPrestige;
    static const RecordKind kind =
        KindOf<R>("clsPrestige",
                  Join<FieldDesc>(
                      {{{"Name", Member<&R::Name>()}, {"Requirements", Nested<&R::Requirements>()}},
                       RequirementFields<&R::Requirements>()}),
                  {{"Name"}, {"Requirements"}});
    return kind;
}

}  // namespace detail

ORVANE_REGISTER_CLASS(clsClass)
ORVANE_REGISTER_CLASS(clsClassLevel)
ORVANE_REGISTER_CLASS(clsPrestige)

}  // namespace OrvaneLib
