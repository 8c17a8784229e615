// Classes, class levels and prestige classes.
#include "host/internal.hpp"
#include "orvane/records/character.hpp"
#include "records/describe.hpp"
#include "records/requirement_fields.hpp"

namespace OrvaneLib {

void clsClassLevel::SetSpecialQualities(const std::string& strSpecQuals) {
    specQual_.SetList(strSpecQuals);
    ResizeSlots(specQual_.GetSize());
}

void clsClassLevel::SaveAppend(Integer iFileNum) const {
    detail::SaveAppendRecord(*this, Kind(), iFileNum);
}

void clsClassLevel::LoadAppend(Integer iFileNum) {
    detail::LoadAppendRecord(*this, Kind(), iFileNum, /*clearFirst=*/true);
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

// Overlaying: a file that ends after the restricted skills leaves the description and the
// trade levels as they were.
ORVANE_DESCRIBE_RECORD(clsClass) {
    return {
        .fields =
            {Key<&R::Name>("Name", "Class"),
             F<&R::Hero>("Hero"),
             F<&R::Prestige>("Prestige"),
             F<&R::Aumen>("Aumen", Col::Always, "AumenClass"),
             F<&R::Vael>("Vael", Col::Always, "VaelClass"),
             F<&R::Khor>("Khor", Col::Always, "KhorClass"),
             F<&R::Vitality>("Vitality"),
             F<&R::SkillPoints>("SkillPoints", Col::Always, "SkillPtsLevel"),
             F<&R::NormalSklPts>("NormalSklPts", Col::Always, "NormalOnlyPts"),
             F<&R::AumenSklPts>("AumenSklPts", Col::Always, "AumenOnlyPts"),
             F<&R::WisVitality>("WisVitality"),
             F<&R::MaxLevel>("MaxLevel"),
             F<&R::Source>("Source", Col::Value),
             F<&R::classSkills_>("ClassSkills", Col::Value).Names(Ref::Skill),
             F<&R::forbidClasses_>("ForbiddenClass", Col::Value).Names(Ref::Class),
             F<&R::forbidSkills_>("ForbiddenSkills", Col::Value).Names(Ref::Skill),
             F<&R::forbidFeats_>("ForbiddenFeats", Col::Value).Names(Ref::Feat),
             F<&R::restricted_>("RestrictedSkills", Col::Value).Names(Ref::Skill),
             F<&R::Description>("Description", Col::Descript).As(TextForm::Description).Group(1),
             F<&R::tradeLevels_>("TradeLevels", Col::NewerText).Group(1).Names(Ref::Class)},
        .tables = {{.name = "Class",
                    .table = "tblClasses",
                    .readNoMatch = "Unable to locate a class mathcing your criteria."}},
        .overlay = true,
        // The attached prestige object is cleared but stays attached.
        .afterClear = [](Object& o) {
            if (auto& prestige = As<R>(o).objPrestige) prestige->Clear();
        }};
}

// Keyed by class name and level; listed as "Class:Level". The special-quality column goes
// in through SetSpecialQualities, which sizes the object slots; the file line goes straight
// to the list.
ORVANE_DESCRIBE_RECORD(clsClassLevel) {
    static constexpr Access specQualVia = ListViaAccess<&R::specQual_, &R::SetSpecialQualities>();
    return {.fields = {Key<&R::Name>("Name", "Class").Names(Ref::Class), Key<&R::Level>("Level"),
                       F<&R::Attack>("Attack"), F<&R::FortSave>("FortSave", Col::Always, "SV_Fort"),
                       F<&R::RefSave>("RefSave", Col::Always, "SV_Ref"),
                       F<&R::WillSave>("WillSave", Col::Always, "SV_Will"),
                       F<&R::Defense>("Defense"), F<&R::Reputation>("Reputation"),
                       F<&R::Glowblade>("Glowblade", Col::Value, "GlowbladeDamage"),
                       F<&R::specQual_>("SpecialQualities", Col::Value)
                           .ReadVia(specQualVia)
                           .Names(Ref::SpecialQuality),
                       F<&R::givenFeats_>("GivenFeats", Col::Value).Names(Ref::Feat),
                       F<&R::bonusFeats_>("GivenBonus", Col::Value).Names(Ref::BonusFeatSelection),
                       F<&R::crossClass_>("CrossClass", Col::Value).Names(Ref::CrossClassSet),
                       F<&R::skillMastery_>("SkillMastery", Col::Value).Names(Ref::SkillMastery),
                       F<&R::bonusFeatures_>("BonusFeatures", Col::Value).Names(Ref::BonusFeature)},
            .tables = {{.name = "Class level",
                        .table = "tblClassesLevels",
                        .read = Form::D,
                        .readMember = "Function: ",
                        .readNoMatch = "Unable to locate a Class and/or Level matching your "
                                       "criteria.",
                        .delEmptyKey = "A Class Search field was not corretly Identified."}},
            .afterClear = [](Object& o) { As<R>(o).ResizeSlots(0); }};
}

// The name, then the requirements block; the four alternative-set columns came later and
// are read and written only when the table has them.
ORVANE_DESCRIBE_RECORD(clsPrestige) {
    constexpr auto Req = Requirement<&R::Requirements>;
    return {.fields = {Key<&R::Name>("Name", "Class").Names(Ref::Class),
                       Nested<&R::Requirements>("Requirements"),
                       Req("ReqTainted", Col::Always, {}),
                       Req("ReqDarkSide", Col::Always, {}),
                       Req("SpeciesNonLevel", Col::Always, {}),
                       Req("MinRequirements", Col::Value, {}),
                       Req("MaxRequirements", Col::Value, {}),
                       Req("AbilityRequirements", Col::Value, {}),
                       Req("SkillRequirements", Col::Value, {}),
                       Req("ClassRequirements", Col::Value, {}),
                       Req("FeatRequirements", Col::Value, {}),
                       Req("WriteRequirements", Col::Value, {}),
                       Req("SpeakRequirements", Col::Value, {}),
                       Req("SpeciesRequirements", Col::Value, {}),
                       Req("HomeworldRequirements", Col::Value, {}),
                       Req("SpecialRequirements", Col::Value, {}),
                       Req("OrFeatRequirements", Col::NewerText, {}),
                       Req("OrSkillRequirements", Col::NewerText, {}),
                       Req("OrClassRequirements", Col::NewerText, {}),
                       Req("OrSpecialRequirements", Col::NewerText, {})},
            .tables = {{.name = "Prestige class", .table = "tblClassPrestige", .read = Form::B}}};
}

}  // namespace OrvaneLib
