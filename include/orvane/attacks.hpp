// The attack calculator: turns a base attack bonus and a few feat and weapon flags into the
// display text of a full attack, such as "+11/+6/+1".
#pragma once

#include <string>

#include "orvane/export.hpp"
#include "orvane/types.hpp"

namespace OrvaneLib {

// Computes full-attack sequences for one weapon or two (primary and off hand), in normal,
// multi-attack and automatic-attack modes. Holds nothing but the six flags, read at the time
// of each call. The arithmetic is 16-bit: a value leaving -32768..32767 on the way throws
// std::overflow_error instead of giving a text.
class ORVANE_API clsAttacks : public Object {
  public:
    std::string ClassName() const override;

    bool MultiFeat = false;          // multi-attack and automatic modes: penalty 2 smaller
    bool RapidFeat = false;          // those modes: one more top attack, penalty 2 larger
    bool OffHandIsLight = false;     // two weapons: both hands' penalties 2 smaller
    bool AmbidexterityFeat = false;  // two weapons: off-hand penalty 4 smaller
    bool TwoWeaponFeat = false;      // two weapons: both hands' penalties 2 smaller
    bool ImprovTwoWeapFeat = false;  // two weapons: a second off-hand attack, 5 lower

    // Iterative attacks 5 apart from iAttack while they stay at least iMin; with bRestrict,
    // at most iRestrict of them. The first attack is always written.
    std::string NormalAttack(Integer iAttack, Integer iMin = 1, bool bRestrict = true,
                             Integer iRestrict = 4) const;
    std::string MultiAttack(Integer iAttack, Integer iMin = 0) const;
    std::string AutoAttack(Integer iAttack, Integer iMin = 0) const;
    std::string PriHandAttack(Integer iAttack, Integer iMin = 1) const;
    std::string PriHandMulti(Integer iAttack, Integer iMin = 1) const;
    std::string PriHandAuto(Integer iAttack, Integer iMin = 0) const;
    // iMin is accepted for symmetry with the other operations and not used.
    std::string OffHandAttack(Integer iAttack, Integer iMin = 0) const;
    std::string OffHandMulti(Integer iAttack) const;
    std::string OffHandAuto(Integer iAttack) const;

  private:
    // "+" before values of 0 and more, the value's own "-" before negative ones.
    static std::string FormatBonus(Integer value);

    // The penalty and the number of extra top attacks of multi-attack or automatic mode.
    struct Mode {
        Integer penalty;
        Integer extra;
    };
    Mode MultiMode() const;
    Mode AutoMode() const;
    std::string ModeAttack(Mode mode, Integer iAttack, Integer iMin) const;
    Integer PrimaryPenalty() const;
    Integer OffHandPenalty() const;
    // The off hand's one or two attacks starting at `first`.
    std::string OffHandSequence(Integer first) const;
};

}  // namespace OrvaneLib
