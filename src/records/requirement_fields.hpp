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

    // A requirement value: its name, the field of the requirements block it fills (empty
    // for the species level figure, which the block does not carry) and its access.
    struct Value {
        std::string_view name, blockField;
        const Access* access;
    };
    static const Value* Find(std::string_view name) {
        static const Value all[] = {
            {"ReqTainted", "ReqTainted", &kField<&Q::ReqTainted>},
            {"ReqDarkSide", "ReqDarkSide", &kField<&Q::ReqDarkSide>},
            {"SpeciesNonLevel", "ReqSpecLvl", &kField<&Q::ReqSpecLvl>},
            {"AbilityRequirements", "Ability",
             &kList<&Q::SetAbility, &Q::AbilityList, &Q::HasAbility>},
            {"FeatRequirements", "Feats", &kList<&Q::SetFeats, &Q::FeatList, &Q::HasFeats>},
            {"SkillRequirements", "Skill", &kList<&Q::SetSkill, &Q::SkillList, &Q::HasSkills>},
            {"WriteRequirements", "ReadWrite",
             &kList<&Q::SetReadWrite, &Q::ReadWriteList, &Q::HasReadWrite>},
            {"SpeakRequirements", "Speak", &kList<&Q::SetSpeak, &Q::SpeakList, &Q::HasSpeak>},
            {"ClassRequirements", "Class", &kList<&Q::SetClass, &Q::ClassList, &Q::HasClasses>},
            {"SpeciesRequirements", "Species",
             &kList<&Q::SetSpecies, &Q::SpeciesList, &Q::HasSpecies>},
            {"HomeworldRequirements", "Homeworld",
             &kList<&Q::SetHomeworld, &Q::HomeworldList, &Q::HasHomeworld>},
            {"MinRequirements", "MinRequire",
             &kList<&Q::SetMinRequire, &Q::MinList, &Q::MinRequirements>},
            {"MaxRequirements", "MaxRequire",
             &kList<&Q::SetMaxRequire, &Q::MaxList, &Q::MaxRequirements>},
            {"SpecialRequirements", "Qualities",
             &kList<&Q::SetQualities, &Q::QualityList, &Q::HasQualities>},
            {"OrFeatRequirements", "OrFeats",
             &kList<&Q::SetOrFeats, &Q::OrFeatList, &Q::HasOrFeats>},
            {"OrClassRequirements", "OrClasses",
             &kList<&Q::SetOrClasses, &Q::OrClassList, &Q::HasOrClasses>},
            {"OrSkillRequirements", "OrSkills",
             &kList<&Q::SetOrSkills, &Q::OrSkillList, &Q::HasOrSkills>},
            {"OrSpecialRequirements", "OrSpecial",
             &kList<&Q::SetOrSpecial, &Q::OrSpecialList, &Q::HasOrSpecial>},
        };
        for (const auto& v : all)
            if (v.name == name) return &v;
        return nullptr;
    }
};

// A column of the owner's table holding one requirement value (named as in the list above;
// the column takes that name unless `column` gives the table's own). Such rows have no file
// line (the block of lines is the Nested row's) and are not shown as fields of their own;
// they name the block field they fill, whose description says what its entries name.
template <auto Owner>
Field Requirement(std::string_view name, Col col, std::string_view column = {}) {
    const auto* v = RequirementAccess<Owner>::Find(name);
    if (!v) throw std::logic_error("no requirement value " + std::string(name));
    Field f{.name = name,
            .access = v->access,
            .line = false,
            .column = column.empty() ? name : column,
            .shown = false,
            .within = v->blockField};
    return f.Rules(col);
}

// A deep copy of an owned requirements object (none stays none).
inline std::shared_ptr<clsRequirements> CopyOf(const std::shared_ptr<clsRequirements>& r) {
    return r ? std::make_shared<clsRequirements>(*r) : nullptr;
}

}  // namespace OrvaneLib::detail
