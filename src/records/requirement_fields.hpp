// The requirement values of a record that owns a clsRequirements (prestige classes, skills,
// feats), as hidden fields named after their table columns, so that each owner's table
// description can pick the columns its table carries.
#pragma once

#include <vector>

#include "orvane/records/requirements.hpp"
#include "records/kind.hpp"

namespace OrvaneLib::detail {

template <auto Owner>
std::vector<FieldDesc> RequirementFields() {
    using Q = clsRequirements;
    return {
        {"ReqTainted", NestedField<Owner, &Q::ReqTainted>(), false},
        {"ReqDarkSide", NestedField<Owner, &Q::ReqDarkSide>(), false},
        {"SpeciesNonLevel", NestedField<Owner, &Q::ReqSpecLvl>(), false},
        {"AbilityRequirements",
         NestedList<Owner, &Q::SetAbility, &Q::AbilityList, &Q::HasAbility>(), false},
        {"FeatRequirements", NestedList<Owner, &Q::SetFeats, &Q::FeatList, &Q::HasFeats>(), false},
        {"SkillRequirements", NestedList<Owner, &Q::SetSkill, &Q::SkillList, &Q::HasSkills>(),
         false},
        {"WriteRequirements",
         NestedList<Owner, &Q::SetReadWrite, &Q::ReadWriteList, &Q::HasReadWrite>(), false},
        {"SpeakRequirements", NestedList<Owner, &Q::SetSpeak, &Q::SpeakList, &Q::HasSpeak>(),
         false},
        {"ClassRequirements", NestedList<Owner, &Q::SetClass, &Q::ClassList, &Q::HasClasses>(),
         false},
        {"SpeciesRequirements",
         NestedList<Owner, &Q::SetSpecies, &Q::SpeciesList, &Q::HasSpecies>(), false},
        {"HomeworldRequirements",
         NestedList<Owner, &Q::SetHomeworld, &Q::HomeworldList, &Q::HasHomeworld>(), false},
        {"MinRequirements",
         NestedList<Owner, &Q::SetMinRequire, &Q::MinList, &Q::MinRequirements>(), false},
        {"MaxRequirements",
         NestedList<Owner, &Q::SetMaxRequire, &Q::MaxList, &Q::MaxRequirements>(), false},
        {"SpecialRequirements",
         NestedList<Owner, &Q::SetQualities, &Q::QualityList, &Q::HasQualities>(), false},
        {"OrFeatRequirements", NestedList<Owner, &Q::SetOrFeats, &Q::OrFeatList, &Q::HasOrFeats>(),
         false},
        {"OrClassRequirements",
         NestedList<Owner, &Q::SetOrClasses, &Q::OrClassList, &Q::HasOrClasses>(), false},
        {"OrSkillRequirements",
         NestedList<Owner, &Q::SetOrSkills, &Q::OrSkillList, &Q::HasOrSkills>(), false},
        {"OrSpecialRequirements",
         NestedList<Owner, &Q::SetOrSpecial, &Q::OrSpecialList, &Q::HasOrSpecial>(), false},
    };
}

// A deep copy of an owned requirements object (none stays none).
inline std::shared_ptr<clsRequirements> CopyOf(const std::shared_ptr<clsRequirements>& r) {
    return r ? std::make_shared<clsRequirements>(*r) : nullptr;
}

}  // namespace OrvaneLib::detail
