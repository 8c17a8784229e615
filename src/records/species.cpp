// clsSpecies: the largest record class, with its age categories and size modifier.
#include <cstdint>

#include "orvane/records/character.hpp"
#include "records/kind.hpp"

namespace OrvaneLib {

void clsSpecies::Clear() {
    Name.clear();
    Homeworld.clear();
    NPC = false;
    BonusFeat = 0;
    Size.clear();
    BonusSkillPts = Move = Swim = Fly = Other = 0;
    FlyType.clear();
    OtherType.clear();
    Source.clear();
    Description.clear();
    MaxChild = MaxYoung = MaxAdult = MaxMiddle = MaxOld = 0;
    MinHeight = MaxHeight = 0;
    MinWeight = MaxWeight = 0;
    ClearModifiers();
    specQual_.Clear();
    speak_.Clear();
    write_.Clear();
    feats_.Clear();
    bonusFeats_.Clear();
    classSkills_.Clear();
    forbidSkills_.Clear();
    forbidFeats_.Clear();
    restricted_.Clear();
    synergy_.Clear();
    forbidClasses_.Clear();
    featReplace_.Clear();
    ResizeSlots(0);
    if (objSize) objSize->Clear();  // the attachment itself stays
}

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

namespace detail {

// Fields carry their column names; "BonusFeat" is the number of bonus feats (column
// "BonusFeats") and "BonusFeatList" the list (column "BonusFeat"). The special-quality list
// has two ways in: the file line goes straight to the list, the column through SetSpecQual,
// which also sizes the object slots.
const RecordKind& Describe<clsSpecies>::Kind() {
    using R = clsSpecies;
    static const RecordKind kind = KindOf<R>(
        "clsSpecies",
        Join<FieldDesc>({{{"Name", Member<&R::Name>()}},
                         ModifierFields<R>(),
                         {{"Homeworld", Member<&R::Homeworld>()},
                          {"NPC", Member<&R::NPC>()},
                          {"BonusFeat", Member<&R::BonusFeat>()},
                          {"Size", Member<&R::Size>()},
                          {"BonusSkillPts", Member<&R::BonusSkillPts>()},
                          {"Move", Member<&R::Move>()},
                          {"Swim", Member<&R::Swim>()},
                          {"Fly", Member<&R::Fly>()},
                          {"FlyType", Member<&R::FlyType>()},
                          {"Other", Member<&R::Other>()},
                          {"OtherType", Member<&R::OtherType>()},
                          {"Source", Member<&R::Source>()},
                          {"Description", Member<&R::Description>()},
                          {"MaxChild", Member<&R::MaxChild>()},
                          {"MaxYoung", Member<&R::MaxYoung>()},
                          {"MaxAdult", Member<&R::MaxAdult>()},
                          {"MaxMiddle", Member<&R::MaxMiddle>()},
                          {"MaxOld", Member<&R::MaxOld>()},
                          {"MinHeight", Member<&R::MinHeight>()},
                          {"MaxHeight", Member<&R::MaxHeight>()},
                          {"MinWeight", Member<&R::MinWeight>()},
                          {"MaxWeight", Member<&R::MaxWeight>()},
                          {"SpecialQualities", Member<&R::specQual_>()},
                          {"SetSpecQual", ListVia<&R::specQual_, &R::SetSpecQual>(), false},
                          {"Speak", Member<&R::speak_>()},
                          {"ReadWrite", Member<&R::write_>()},
                          {"AddFeat", Member<&R::feats_>()},
                          {"BonusFeatList", Member<&R::bonusFeats_>()},
                          {"ClassSkills", Member<&R::classSkills_>()},
                          {"ForbiddenSkills", Member<&R::forbidSkills_>()},
                          {"ForbiddenFeats", Member<&R::forbidFeats_>()},
                          {"RestrictedSkills", Member<&R::restricted_>()},
                          {"Synergy", Member<&R::synergy_>()},
                          {"ForbiddenClass", Member<&R::forbidClasses_>()},
                          {"ReplaceClsFeats", Member<&R::featReplace_>()}}}),
        {{"Name"},
         {"Modifiers"},
         {"Homeworld"},
         {"NPC"},
         {"BonusFeat"},
         {"Size"},
         {"BonusSkillPts"},
         {"Move"},
         {"Swim"},
         {"Fly"},
         {"FlyType"},
         {"Other"},
         {"OtherType"},
         {"Source"},
         {"MaxChild"},
         {"MaxYoung"},
         {"MaxAdult"},
         {"MaxMiddle"},
         {"MaxOld"},
         {"MinHeight"},
         {"MaxHeight"},
         {"MinWeight"},
         {"MaxWeight"},
         {"SpecialQualities"},
         {"Speak"},
         {"ReadWrite"},
         {"AddFeat"},
         {"BonusFeatList"},
         {"ClassSkills"},
         {"ForbiddenSkills"},
         {"ForbiddenFeats"},
         {"RestrictedSkills"},
         {"Synergy"},
         {"ForbiddenClass"},
         {"Description", TextForm::Description, 1},
         {"ReplaceClsFeats", TextForm::Plain, 1}});
    return kind;
}

}  // namespace detail

ORVANE_REGISTER_CLASS(clsSpecies)

}  // namespace OrvaneLib
