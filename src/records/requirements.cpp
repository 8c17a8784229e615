// clsRequirements: the prerequisites block that prestige classes, skills and feats embed.
#include "orvane/records/requirements.hpp"

#include "host/internal.hpp"
#include "records/describe.hpp"

namespace OrvaneLib {

// The block: the two flags, then the eleven lists; the four alternative lists came later and
// are each read only when the file has another line. ReqSpecLvl is kept in the owner's row
// only, never in the block.
ORVANE_DESCRIBE(clsRequirements) {
    return {.fields = {InFile<&R::ReqTainted>("ReqTainted"), InFile<&R::ReqDarkSide>("ReqDarkSide"),
                       InFile<&R::ReqSpecLvl>("ReqSpecLvl").NoLine(),
                       InFile<&R::abilities_>("Ability").Names(Ref::Ability),
                       InFile<&R::feats_>("Feats").Names(Ref::Feat),
                       InFile<&R::skills_>("Skill").Names(Ref::Skill),
                       InFile<&R::readWrite_>("ReadWrite").Names(Ref::Language),
                       InFile<&R::speak_>("Speak").Names(Ref::Language),
                       InFile<&R::classes_>("Class").Names(Ref::Class),
                       InFile<&R::species_>("Species").Names(Ref::Species),
                       InFile<&R::homeworlds_>("Homeworld").Names(Ref::Homeworld),
                       InFile<&R::minimums_>("MinRequire"), InFile<&R::maximums_>("MaxRequire"),
                       InFile<&R::qualities_>("Qualities").Names(Ref::SpecialQuality),
                       InFile<&R::orFeats_>("OrFeats").Group(1).Names(Ref::Feat),
                       InFile<&R::orClasses_>("OrClasses").Group(2).Names(Ref::Class),
                       InFile<&R::orSkills_>("OrSkills").Group(3).Names(Ref::Skill),
                       InFile<&R::orSpecial_>("OrSpecial").Group(4).Names(Ref::SpecialQuality)}};
}

void clsRequirements::Clear() { detail::Describe<clsRequirements>::Kind().Clear(*this); }

void clsRequirements::Save(Integer iFileNum) const {
    detail::SaveBlock(this, detail::Describe<clsRequirements>::Kind(), iFileNum);
}

void clsRequirements::Load(Integer iFileNum) {
    detail::LoadBlock(*this, detail::Describe<clsRequirements>::Kind(), iFileNum);
}

}  // namespace OrvaneLib
