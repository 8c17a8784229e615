// Homeworlds, ages and sizes: the smallest record kinds.
#include "orvane/records/core.hpp"

#include "host/internal.hpp"
#include "records/describe.hpp"

namespace OrvaneLib {

ORVANE_DESCRIBE_RECORD(clsHomeworld) {
    return {.fields = {Key<&R::Name>("Name"), F<&R::Sector>("Sector", Col::NewerText),
                       F<&R::Region>("Region", Col::NewerText).Names(Ref::Region)},
            .tables = {{.name = "Homeworld",
                        .table = "tblHomeworlds",
                        .test = TableTest::ReadOnly,
                        .read = Form::B,
                        .del = Form::Simple,
                        .delNoMatchSilent = true}}};
}

ORVANE_DESCRIBE_RECORD(clsAge) {
    return {.fields = {Key<&R::Name>("Name", "Age"), F<&R::Dead>("Dead"),
                       F<&R::Order>("Order", Col::Newer), Modifiers<R>(),
                       F<&R::specQual_>("SpecialQualities", Col::Value).Names(Ref::SpecialQuality),
                       F<&R::synergy_>("Synergy", Col::Value).Names(Ref::Skill)},
            .tables = {{.name = "Age",
                        .table = "tblAges",
                        .list = {.query = "qryAges", .queryIfExists = true}}}};
}

// Loading overlays: lines a file lacks leave the fields as they were.
ORVANE_DESCRIBE_RECORD(clsSizes) {
    return {.fields = {Key<&R::Name>("Name"), F<&R::Hide>("Hide"), F<&R::Attack>("Attack"),
                       F<&R::Defense>("Defense"), F<&R::Punch>("Punch"),
                       F<&R::Order>("Order", Col::Newer), F<&R::DR>("DR", Col::Newer),
                       F<&R::MinHeight>("MinHeight", Col::Newer),
                       F<&R::MaxHeight>("MaxHeight", Col::Newer),
                       F<&R::MinWeight>("MinWeight", Col::Newer),
                       F<&R::MaxWeight>("MaxWeight", Col::Newer),
                       F<&R::BiteAttack>("BiteAttack", Col::NewerText)},
            .tables = {{.name = "Size",
                        .table = "tblSizes",
                        .list = {.query = "qrySizes", .queryIfExists = true}}},
            .overlay = true};
}

}  // namespace OrvaneLib
