// Special qualities, bonus features and cross-class sets: the small named lists that class
// levels grant by name.
#include "orvane/records/character.hpp"
#include "records/kind.hpp"

namespace OrvaneLib {

void clsSpecialQualities::Clear() {
    Name.clear();
    Description.clear();
    specQual_.Clear();
    givenFeats_.Clear();
    bypassFeats_.Clear();
    selections_.Clear();
    synergy_.Clear();
}

void clsFeatures::Clear() {
    Name.clear();
    Multiple = false;
    Number = 0;
    features_.Clear();
}

void clsCrossClass::Clear() {
    Name.clear();
    skills_.Clear();
}

namespace detail {

// Fields are named after their table columns.
const RecordKind& Describe<clsSpecialQualities>::Kind() {
    using R = clsSpecialQualities;
    static const RecordKind kind = KindOf<R>("clsSpecialQualities",
                                             {{"Name", Member<&R::Name>()},
                                              {"Description", Member<&R::Description>()},
                                              {"SpecialQualities", Member<&R::specQual_>()},
                                              {"GivenFeats", Member<&R::givenFeats_>()},
                                              {"BypassFeats", Member<&R::bypassFeats_>()},
                                              {"Bonus", Member<&R::selections_>()},
                                              {"Synergy", Member<&R::synergy_>()}},
                                             {{"Name"},
                                              {"SpecialQualities"},
                                              {"GivenFeats"},
                                              {"BypassFeats"},
                                              {"Bonus"},
                                              {"Synergy"},
                                              {"Description", TextForm::Description, 1}});
    return kind;
}

const RecordKind& Describe<clsFeatures>::Kind() {
    using R = clsFeatures;
    static const RecordKind kind = KindOf<R>(
        "clsFeatures",
        {{"Name", Member<&R::Name>()},
         {"Multiple", Member<&R::Multiple>()},
         {"Number", Member<&R::Number>()},
         {"List", Member<&R::features_>()}},
        {{"Name"}, {"List"}, {"Multiple", TextForm::Plain, 1}, {"Number", TextForm::Plain, 1}});
    return kind;
}

const RecordKind& Describe<clsCrossClass>::Kind() {
    using R = clsCrossClass;
    static const RecordKind kind = KindOf<R>(
        "clsCrossClass", {{"Name", Member<&R::Name>()}, {"ClassSkills", Member<&R::skills_>()}},
        {{"Name"}, {"ClassSkills"}});
    return kind;
}

}  // namespace detail

ORVANE_REGISTER_CLASS(clsSpecialQualities)
ORVANE_REGISTER_CLASS(clsFeatures)
ORVANE_REGISTER_CLASS(clsCrossClass)

}  // namespace OrvaneLib
