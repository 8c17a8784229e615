// Special qualities, bonus features and cross-class sets: the small named lists that class
// levels grant by name.
#include "host/internal.hpp"
#include "orvane/records/character.hpp"
#include "records/describe.hpp"

namespace OrvaneLib {

ORVANE_DESCRIBE_RECORD(clsSpecialQualities) {
    return {
        .fields =
            {Key<&R::Name>("Name"),
             F<&R::specQual_>("SpecialQualities", Col::Value).Names(Ref::SpecialQuality),
             F<&R::givenFeats_>("GivenFeats", Col::Value).Names(Ref::Feat),
             F<&R::bypassFeats_>("BypassFeats", Col::Value).Names(Ref::Feat),
             F<&R::selections_>("Bonus", Col::NewerText).Names(Ref::BonusFeatSelection),
             F<&R::synergy_>("Synergy", Col::NewerText).Names(Ref::Skill),
             F<&R::Description>("Description", Col::Descript).As(TextForm::Description).Group(1)},
        .tables = {{.name = "Special quality", .table = "tblSpecialQualities"}}};
}

ORVANE_DESCRIBE_RECORD(clsFeatures) {
    return {.fields = {Key<&R::Name>("Name"), F<&R::features_>("List", Col::Value),
                       F<&R::Multiple>("Multiple", Col::Newer).Group(1),
                       F<&R::Number>("Number", Col::Newer).Group(1)},
            .tables = {{.name = "Bonus feature", .table = "tblClassFeatures", .read = Form::C}}};
}

ORVANE_DESCRIBE_RECORD(clsCrossClass) {
    return {.fields = {Key<&R::Name>("Name"),
                       F<&R::skills_>("ClassSkills", Col::Value).Names(Ref::Skill)},
            .tables = {
                {.name = "Cross-class skills", .table = "tblCrossClass", .noun = "Cross Class"}}};
}

}  // namespace OrvaneLib
