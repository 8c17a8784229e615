// clsRequirements: the prerequisites block that prestige classes, skills and feats embed.
#include "orvane/records/requirements.hpp"

#include <stdexcept>

#include "orvane/detail/host_internal.hpp"
#include "records/kind.hpp"

namespace OrvaneLib {

void clsRequirements::Clear() {
    ReqTainted = false;
    ReqDarkSide = false;
    ReqSpecLvl = 0;
    abilities_.Clear();
    feats_.Clear();
    skills_.Clear();
    readWrite_.Clear();
    speak_.Clear();
    classes_.Clear();
    species_.Clear();
    homeworlds_.Clear();
    minimums_.Clear();
    maximums_.Clear();
    qualities_.Clear();
    orFeats_.Clear();
    orClasses_.Clear();
    orSkills_.Clear();
    orSpecial_.Clear();
}

void clsRequirements::Save(Integer iFileNum) const {
    try {
        detail::WriteLines(this, detail::Describe<clsRequirements>::Kind(), iFileNum);
    } catch (const std::exception& e) {
        detail::ShowMessage(std::string("Sub: Save.\r\n") + e.what(), MsgIcon::Critical, "Error");
        ++detail::BlockSaveFailures();
    }
}

void clsRequirements::Load(Integer iFileNum) {
    Clear();
    try {
        detail::ReadLines(this, detail::Describe<clsRequirements>::Kind(), iFileNum);
    } catch (const std::exception& e) {
        detail::ShowMessage(std::string("Sub: Load.\r\n") + e.what(), MsgIcon::Critical, "Error");
        Clear();
    }
}

namespace detail {

// The block: the two flags, then the fifteen lists; the four alternative lists came later
// and are each read only when the file has another line. ReqSpecLvl is not part of it.
const RecordKind& Describe<clsRequirements>::Kind() {
    using R = clsRequirements;
    static const RecordKind kind = KindOf<R>("clsRequirements",
                                             {{"ReqTainted", Member<&R::ReqTainted>()},
                                              {"ReqDarkSide", Member<&R::ReqDarkSide>()},
                                              {"ReqSpecLvl", Member<&R::ReqSpecLvl>()},
                                              {"Ability", Member<&R::abilities_>()},
                                              {"Feats", Member<&R::feats_>()},
                                              {"Skill", Member<&R::skills_>()},
                                              {"ReadWrite", Member<&R::readWrite_>()},
                                              {"Speak", Member<&R::speak_>()},
                                              {"Class", Member<&R::classes_>()},
                                              {"Species", Member<&R::species_>()},
                                              {"Homeworld", Member<&R::homeworlds_>()},
                                              {"MinRequire", Member<&R::minimums_>()},
                                              {"MaxRequire", Member<&R::maximums_>()},
                                              {"Qualities", Member<&R::qualities_>()},
                                              {"OrFeats", Member<&R::orFeats_>()},
                                              {"OrClasses", Member<&R::orClasses_>()},
                                              {"OrSkills", Member<&R::orSkills_>()},
                                              {"OrSpecial", Member<&R::orSpecial_>()}},
                                             {{"ReqTainted"},
                                              {"ReqDarkSide"},
                                              {"Ability"},
                                              {"Feats"},
                                              {"Skill"},
                                              {"ReadWrite"},
                                              {"Speak"},
                                              {"Class"},
                                              {"Species"},
                                              {"Homeworld"},
                                              {"MinRequire"},
                                              {"MaxRequire"},
                                              {"Qualities"},
                                              {"OrFeats", TextForm::Plain, 1},
                                              {"OrClasses", TextForm::Plain, 2},
                                              {"OrSkills", TextForm::Plain, 3},
                                              {"OrSpecial", TextForm::Plain, 4}});
    return kind;
}

}  // namespace detail

ORVANE_REGISTER_CLASS(clsRequirements)

}  // namespace OrvaneLib
