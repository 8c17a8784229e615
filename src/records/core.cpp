// Homeworlds, ages and sizes: the smallest record kinds.
#include "orvane/records/core.hpp"

#include "records/kind.hpp"

namespace OrvaneLib {

void clsHomeworld::Clear() {
    Name.clear();
    Sector.clear();
    Region.clear();
}

void clsAge::Clear() {
    Name.clear();
    Dead = false;
    Order = 0;
    ClearModifiers();
    specQual_.Clear();
    synergy_.Clear();
}

void clsSizes::Clear() {
    Name.clear();
    Hide = Attack = Defense = Punch = Order = DR = 0;
    MinHeight = MaxHeight = MinWeight = MaxWeight = 0;
    BiteAttack.clear();
}

namespace detail {

const RecordKind& Describe<clsHomeworld>::Kind() {
    using R = clsHomeworld;
    static const RecordKind kind = KindOf<R>("clsHomeworld",
                                             {{"Name", Member<&R::Name>()},
                                              {"Sector", Member<&R::Sector>()},
                                              {"Region", Member<&R::Region>()}},
                                             {{"Name"}, {"Sector"}, {"Region"}});
    return kind;
}

const RecordKind& Describe<clsAge>::Kind() {
    using R = clsAge;
    static const RecordKind kind = KindOf<R>(
        "clsAge",
        Join<FieldDesc>(
            {{{"Name", Member<&R::Name>()},
              {"Dead", Member<&R::Dead>()},
              {"Order", Member<&R::Order>()}},
             ModifierFields<R>(),
             {{"SpecialQualities", Member<&R::specQual_>()}, {"Synergy", Member<&R::synergy_>()}}}),
        {{"Name"}, {"Dead"}, {"Order"}, {"Modifiers"}, {"SpecialQualities"}, {"Synergy"}});
    return kind;
}

const RecordKind& Describe<clsSizes>::Kind() {
    using R = clsSizes;
    static const RecordKind kind = KindOf<R>("clsSizes",
                                             {{"Name", Member<&R::Name>()},
                                              {"Hide", Member<&R::Hide>()},
                                              {"Attack", Member<&R::Attack>()},
                                              {"Defense", Member<&R::Defense>()},
                                              {"Punch", Member<&R::Punch>()},
                                              {"Order", Member<&R::Order>()},
                                              {"DR", Member<&R::DR>()},
                                              {"MinHeight", Member<&R::MinHeight>()},
                                              {"MaxHeight", Member<&R::MaxHeight>()},
                                              {"MinWeight", Member<&R::MinWeight>()},
                                              {"MaxWeight", Member<&R::MaxWeight>()},
                                              {"BiteAttack", Member<&R::BiteAttack>()}},
                                             {{"Name"},
                                              {"Hide"},
                                              {"Attack"},
                                              {"Defense"},
                                              {"Punch"},
                                              {"Order"},
                                              {"DR"},
                                              {"MinHeight"},
                                              {"MaxHeight"},
                                              {"MinWeight"},
                                              {"MaxWeight"},
                                              {"BiteAttack"}},
                                             /*overlay=*/true);
    return kind;
}

}  // namespace detail

ORVANE_REGISTER_CLASS(clsHomeworld)
ORVANE_REGISTER_CLASS(clsAge)
ORVANE_REGISTER_CLASS(clsSizes)

}  // namespace OrvaneLib
