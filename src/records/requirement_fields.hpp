// The requirement values of a record that owns a clsRequirements (prestige classes, skills,
// feats), as rows for their table columns, so that each owner's description names the
// columns its table carries, under the names and rules of that table.
#pragma once

#include <memory>
#include <string_view>

#include "orvane/records/requirements.hpp"
#include "records/describe.hpp"

namespace OrvaneLib::detail {

// The accesses to the requirements' values through the owner's reference to them.
template <auto Owner>
struct RequirementAccess {
    using Q = clsRequirements;
    template <auto Set, auto Get, auto Has>
    static constexpr Access kList = NestedListAccess<Owner, Set, Get, Has>();
    template <auto FieldM>
    static constexpr Access kField = NestedFieldAccess<Owner, FieldM>();

    // The access behind a requirement field's name.
    static const Access* Find(std::string_view name) {
        const std::pair<std::string_view, const Access*> all[] = {
            {"ReqTainted", &kField<&Q::ReqTainted>},
            {"ReqDarkSide", &kField<&Q::ReqDarkSide>},
            {"SpeciesNonLevel", &kField<&Q::ReqSpecLvl>},
            {"AbilityRequirements", &kList<&Q::SetAbility, &Q::AbilityList, &Q::HasAbility>},
            {"FeatRequirements", &kList<&Q::SetFeats, &Q::FeatList, &Q::HasFeats>},
            {"SkillRequirements", &kList<&Q::SetSkill, &Q::SkillList, &Q::HasSkills>},
            {"WriteRequirements", &kList<&Q::SetReadWrite, &Q::ReadWriteList, &Q::HasReadWrite>},
            {"SpeakRequirements", &kList<&Q::SetSpeak, &Q::SpeakList, &Q::HasSpeak>},
            {"ClassRequirements", &kList<&Q::SetClass, &Q::ClassList, &Q::HasClasses>},
            {"SpeciesRequirements", &kList<&Q::SetSpecies, &Q::SpeciesList, &Q::HasSpecies>},
            {"HomeworldRequirements",
             &kList<&Q::SetHomeworld, &Q::HomeworldList, &Q::HasHomeworld>},
            {"MinRequirements", &kList<&Q::SetMinRequire, &Q::MinList, &Q::MinRequirements>},
            {"MaxRequirements", &kList<&Q::SetMaxRequire, &Q::MaxList, &Q::MaxRequirements>},
            {"SpecialRequirements", &kList<&Q::SetQualities, &Q::QualityList, &Q::HasQualities>},
            {"OrFeatRequirements", &kList<&Q::SetOrFeats, &Q::OrFeatList, &Q::HasOrFeats>},
            {"OrClassRequirements", &kList<&Q::SetOrClasses, &Q::OrClassList, &Q::HasOrClasses>},
            {"OrSkillRequirements", &kList<&Q::SetOrSkills, &Q::OrSkillList, &Q::HasOrSkills>},
            {"OrSpecialRequirements",
             &kList<&Q::SetOrSpecial, &Q::OrSpecialList, &Q::HasOrSpecial>},
        };
        for (const auto& [n, a] : all)
            if (n == name) return a;
        return nullptr;
    }
};

// A column of the owner's table holding one requirement value (named as in the list above;
// the column takes that name unless `column` gives the table's own). Such rows have no file
// line (the block of lines is the Nested row's) and are not shown as fields of their own.
template <auto Owner>
Field Requirement(std::string_view name, Col col, std::string_view column = {}) {
    const Access* a = RequirementAccess<Owner>::Find(name);
    if (!a) throw std::logic_error("no requirement value " + std::string(name));
    Field f{.name = name,
            .access = a,
            .line = false,
            .column = column.empty() ? name : column,
            .shown = false};
    return f.Rules(col);
}

// A deep copy of an owned requirements object (none stays none).
inline std::shared_ptr<clsRequirements> CopyOf(const std::shared_ptr<clsRequirements>& r) {
    return r ? std::make_shared<clsRequirements>(*r) : nullptr;
}

}  // namespace OrvaneLib::detail
