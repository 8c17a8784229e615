// clsSpecies: the largest record class, with its age categories and size modifier.
#include <cstdint>

#include "host/internal.hpp"
#include "orvane/records/character.hpp"
#include "records/describe.hpp"

namespace OrvaneLib {

void clsSpecies::SetSpecQual(const std::string& strSpecQual) {
    specQual_.SetList(strSpecQual);
    ResizeSlots(specQual_.GetSize());
}

void clsSpecies::AgeRange(const std::string& sAge, std::string& sLower, std::string& sUpper) const {
    // The limits are added to in 64 bits, so the largest Long limit still gives its
    // successor instead of overflowing.
    auto after = [](Long limit) { return std::to_string(std::int64_t{limit} + 1); };
    if (sAge == "Child") {
        sLower = "1";
        sUpper = std::to_string(MaxChild);
    } else if (sAge == "Young Adult") {
        sLower = after(MaxChild);
        sUpper = std::to_string(MaxYoung);
    } else if (sAge == "Adult") {
        sLower = after(MaxYoung);
        sUpper = std::to_string(MaxAdult);
    } else if (sAge == "Middle Age") {
        sLower = after(MaxAdult);
        sUpper = std::to_string(MaxMiddle);
    } else if (sAge == "Old") {
        sLower = after(MaxMiddle);
        sUpper = std::to_string(MaxOld);
    } else if (sAge == "Venerable") {
        sLower = after(MaxOld);
        sUpper = sLower + "+";
    } else {
        sLower = "1";
        sUpper = "1+";
    }
}

std::string clsSpecies::SizeModifier() const {
    if (Size == "Small") return "+1";
    if (Size == "Large") return "-1";
    return "+0";
}

// "BonusFeat" is the number of bonus feats (column "BonusFeats") and "BonusFeatList" the
// list (column "BonusFeat"). The special-quality column goes in through SetSpecQual, which
// also sizes the object slots; the file line goes straight to the list.
ORVANE_DESCRIBE_RECORD(clsSpecies) {
    static constexpr Access specQualVia = ListViaAccess<&R::specQual_, &R::SetSpecQual>();
    return {
        .fields =
            {Key<&R::Name>("Name", "Species"),
             Modifiers<R>(),
             F<&R::Homeworld>("Homeworld", Col::Value).Names(Ref::Homeworld),
             F<&R::NPC>("NPC"),
             F<&R::BonusFeat>("BonusFeat", Col::Always, "BonusFeats"),
             F<&R::Size>("Size").Names(Ref::Size),
             F<&R::BonusSkillPts>("BonusSkillPts"),
             F<&R::Move>("Move"),
             F<&R::Swim>("Swim"),
             F<&R::Fly>("Fly"),
             F<&R::FlyType>("FlyType", Col::Value),
             F<&R::Other>("Other"),
             F<&R::OtherType>("OtherType", Col::Value),
             F<&R::Source>("Source", Col::Value),
             F<&R::MaxChild>("MaxChild", Col::Newer),
             F<&R::MaxYoung>("MaxYoung", Col::Newer),
             F<&R::MaxAdult>("MaxAdult", Col::Newer),
             F<&R::MaxMiddle>("MaxMiddle", Col::Newer),
             F<&R::MaxOld>("MaxOld", Col::Newer),
             F<&R::MinHeight>("MinHeight", Col::Newer),
             F<&R::MaxHeight>("MaxHeight", Col::Newer),
             F<&R::MinWeight>("MinWeight", Col::Newer),
             F<&R::MaxWeight>("MaxWeight", Col::Newer),
             F<&R::specQual_>("SpecialQualities", Col::Value)
                 .ReadVia(specQualVia)
                 .Names(Ref::SpecialQuality),
             F<&R::speak_>("Speak", Col::Value).Names(Ref::Language),
             F<&R::write_>("ReadWrite", Col::Value).Names(Ref::Language),
             F<&R::feats_>("AddFeat", Col::Value).Names(Ref::Feat),
             F<&R::bonusFeats_>("BonusFeatList", Col::NewerText, "BonusFeat").Names(Ref::Feat),
             F<&R::classSkills_>("ClassSkills", Col::Value).Names(Ref::Skill),
             F<&R::forbidSkills_>("ForbiddenSkills", Col::Value).Names(Ref::Skill),
             F<&R::forbidFeats_>("ForbiddenFeats", Col::Value).Names(Ref::Feat),
             F<&R::restricted_>("RestrictedSkills", Col::Value).Names(Ref::Skill),
             F<&R::synergy_>("Synergy", Col::Value).Names(Ref::Skill),
             F<&R::forbidClasses_>("ForbiddenClass", Col::Value).Names(Ref::Class),
             F<&R::Description>("Description", Col::Descript).As(TextForm::Description).Group(1),
             F<&R::featReplace_>("ReplaceClsFeats", Col::NewerText)
                 .Group(1)
                 .Names(Ref::Class, Ref::Feat, Ref::Feat)},
        .tables = {{.name = "Species",
                    .table = "tblSpecies",
                    .delNoMatch = "Unable to locate Species matching your criteria."}},
        // The attached size object is cleared but stays attached; the object slots go.
        .afterClear = [](Object& o) {
            auto& r = As<R>(o);
            r.ResizeSlots(0);
            if (r.objSize) r.objSize->Clear();
        }};
}

}  // namespace OrvaneLib
