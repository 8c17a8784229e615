// Droid bonuses, degrees, equipment, makers and quirks: their resets and text files. Every
// droid file is read whole; none has optional trailing lines.
#include "orvane/records/droids.hpp"

#include "records/kind.hpp"

namespace OrvaneLib {

void clsDroidBonus::Clear() {
    Name.clear();
    GainMultiple = false;
    skills_.Clear();
}

void clsDroidDegree::Clear() {
    Name.clear();
    ClearModifiers();
    classes_.Clear();
}

void clsDroidEquip::Clear() {
    Name.clear();
    Cost = Mass = 0;
    Source.clear();
    Notes.clear();
    synergy_.Clear();
}

void clsDroidMakers::Clear() {
    Name.clear();
    MoveModifier = MaxMove = 0;
    SkillBonusNum = SkillBonusAmt = SkillPenaltyNum = SkillPenaltyAmt = BonusQuirks = 0;
    ClearModifiers();
    specQual_.Clear();
    synergy_.Clear();
    skillBonus_.Clear();
}

void clsDroidQuirks::Clear() {
    Name.clear();
    Move = 0;
    specQual_.Clear();
    feats_.Clear();
    synergy_.Clear();
    skillMastery_.Clear();
}

namespace detail {

const RecordKind& Describe<clsDroidBonus>::Kind() {
    using R = clsDroidBonus;
    static const RecordKind kind = KindOf<R>("clsDroidBonus",
                                             {{"Name", Member<&R::Name>()},
                                              {"GainMultiple", Member<&R::GainMultiple>()},
                                              {"Skills", Member<&R::skills_>()}},
                                             {{"Name"}, {"GainMultiple"}, {"Skills"}});
    return kind;
}

const RecordKind& Describe<clsDroidDegree>::Kind() {
    using R = clsDroidDegree;
    static const RecordKind kind =
        KindOf<R>("clsDroidDegree",
                  Join<FieldDesc>({{{"Name", Member<&R::Name>()}},
                                   ModifierFields<R>(),
                                   {{"Classes", Member<&R::classes_>()}}}),
                  {{"Name"}, {"Modifiers"}, {"Classes"}});
    return kind;
}

const RecordKind& Describe<clsDroidEquip>::Kind() {
    using R = clsDroidEquip;
    static const RecordKind kind = KindOf<R>(
        "clsDroidEquip",
        {{"Name", Member<&R::Name>()},
         {"Cost", Member<&R::Cost>()},
         {"Mass", Member<&R::Mass>()},
         {"Source", Member<&R::Source>()},
         {"Notes", Member<&R::Notes>()},
         {"Synergy", Member<&R::synergy_>()}},
        {{"Name"}, {"Cost"}, {"Mass"}, {"Source"}, {"Notes", TextForm::Note}, {"Synergy"}});
    return kind;
}

const RecordKind& Describe<clsDroidMakers>::Kind() {
    using R = clsDroidMakers;
    static const RecordKind kind =
        KindOf<R>("clsDroidMakers",
                  Join<FieldDesc>({{{"Name", Member<&R::Name>()}},
                                   ModifierFields<R>(),
                                   {{"MoveModifier", Member<&R::MoveModifier>()},
                                    {"MaxMove", Member<&R::MaxMove>()},
                                    {"SkillBonusNum", Member<&R::SkillBonusNum>()},
                                    {"SkillBonusAmt", Member<&R::SkillBonusAmt>()},
                                    {"SkillPenaltyNum", Member<&R::SkillPenaltyNum>()},
                                    {"SkillPenaltyAmt", Member<&R::SkillPenaltyAmt>()},
                                    {"BonusQuirks", Member<&R::BonusQuirks>()},
                                    {"SpecialQualities", Member<&R::specQual_>()},
                                    {"Synergy", Member<&R::synergy_>()},
                                    {"BonusSelect", Member<&R::skillBonus_>()}}}),
                  {{"Name"},
                   {"Modifiers"},
                   {"MoveModifier"},
                   {"MaxMove"},
                   {"SkillBonusNum"},
                   {"SkillBonusAmt"},
                   {"SkillPenaltyNum"},
                   {"SkillPenaltyAmt"},
                   {"BonusQuirks"},
                   {"SpecialQualities"},
                   {"Synergy"},
                   {"BonusSelect"}});
    return kind;
}

const RecordKind& Describe<clsDroidQuirks>::Kind() {
    using R = clsDroidQuirks;
    static const RecordKind kind = KindOf<R>(
        "clsDroidQuirks",
        {{"Name", Member<&R::Name>()},
         {"Move", Member<&R::Move>()},
         {"SpecialQuality", Member<&R::specQual_>()},
         {"BonusFeats", Member<&R::feats_>()},
         {"Synergy", Member<&R::synergy_>()},
         {"SkillMastery", Member<&R::skillMastery_>()}},
        {{"Name"}, {"Move"}, {"SpecialQuality"}, {"BonusFeats"}, {"Synergy"}, {"SkillMastery"}});
    return kind;
}

}  // namespace detail

ORVANE_REGISTER_CLASS(clsDroidBonus)
ORVANE_REGISTER_CLASS(clsDroidDegree)
ORVANE_REGISTER_CLASS(clsDroidEquip)
ORVANE_REGISTER_CLASS(clsDroidMakers)
ORVANE_REGISTER_CLASS(clsDroidQuirks)

}  // namespace OrvaneLib
