// clsDatabase's operations on the character rules.
#include "database/front.hpp"
#include "orvane/records/character.hpp"

namespace OrvaneLib {

ORVANE_CHARACTER_KINDS(ORVANE_DEFINE_KIND)

// Skills listed by kind: the ordinary ones, or those of the mystic power. The table is the
// skills' own, described a second time with that list.
ORVANE_KIND_TABLE(clsSkills, 1, TEXT_DESCRIBED, GetSkillList, GetSkillInfo, AddSkill, DelSkill)
ListResult clsDatabase::GetSkillList(bool bAumenSkills) {
    return detail::FrontList(*state_, Table_GetSkillList(), bAumenSkills);
}

}  // namespace OrvaneLib
