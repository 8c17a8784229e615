// Feats and bonus-feat selections.
#include "orvane/records/character.hpp"
#include "records/kind.hpp"
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

void clsFeats::Clear() {
    Name.clear();
    GainMultiple = AumenFeat = false;
    Source.clear();
    Notes.clear();
    Description.clear();
    bonus_.Clear();
    if (Requirements) Requirements->Clear();
}

void clsBonus::Clear() {
    Name.clear();
    IncludeExotic = IncludeSklNormal = IncludeSklAumen = false;
    IncludeAllNormal = IncludeAllAumen = RequireSklRanks = false;
    feats_.Clear();
}

namespace detail {

// The skill-bonus list ("Bonus") is stored in the table only, not in the text file.
const RecordKind& Describe<clsFeats>::Kind() {
    using R = clsFeats;
    static const RecordKind kind =
        KindOf<R>("clsFeats",
                  Join<FieldDesc>({{{"Name", Member<&R::Name>()},
                                    {"GainMultiple", Member<&R::GainMultiple>()},
                                    {"AumenFeat", Member<&R::AumenFeat>()},
                                    {"Source", Member<&R::Source>()},
                                    {"Notes", Member<&R::Notes>()},
                                    {"Description", Member<&R::Description>()},
                                    {"Requirements", Nested<&R::Requirements>()},
                                    {"Bonus", Member<&R::bonus_>()}},
                                   RequirementFields<&R::Requirements>()}),
                  {{"Name"},
                   {"GainMultiple"},
                   {"AumenFeat"},
                   {"Source"},
                   {"Notes", TextForm::Note},
                   {"Requirements"},
                   {"Description", TextForm::Description, 1}});
    return kind;
}

// The feat list counts as a value for the table only when it holds items.
const RecordKind& Describe<clsBonus>::Kind() {
    using R = clsBonus;
    static const RecordKind kind = [] {
        Slot feats = Member<&R::feats_>();
        feats.hasValue = [](const void* r) { return static_cast<const R*>(r)->GetNumFeats() > 0; };
        return KindOf<R>("clsBonus",
                         {{"Name", Member<&R::Name>()},
                          {"Feats", feats},
                          {"IncludeExotic", Member<&R::IncludeExotic>()},
                          {"IncludeSklNormal", Member<&R::IncludeSklNormal>()},
                          {"IncludeSklAumen", Member<&R::IncludeSklAumen>()},
                          {"IncludeAllNormal", Member<&R::IncludeAllNormal>()},
                          {"IncludeAllAumen", Member<&R::IncludeAllAumen>()},
                          {"RequireSklRanks", Member<&R::RequireSklRanks>()}},
                         {{"Name"},
                          {"Feats"},
                          {"IncludeExotic", TextForm::Plain, 1},
                          {"IncludeSklNormal", TextForm::Plain, 1},
                          {"IncludeSklAumen", TextForm::Plain, 1},
                          {"IncludeAllNormal", TextForm::Plain, 1},
                          {"IncludeAllAumen", TextForm::Plain, 1},
                          {"RequireSklRanks", TextForm::Plain, 1}});
    }();
    return kind;
}

}  // namespace detail

ORVANE_REGISTER_CLASS(clsFeats)
ORVANE_REGISTER_CLASS(clsBonus)

}  // namespace OrvaneLib
