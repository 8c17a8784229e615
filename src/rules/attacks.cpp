// The attack calculator.
#include "orvane/attacks.hpp"
#include "host/internal.hpp"

#include <charconv>
#include <limits>
#include <stdexcept>
#include <string_view>

namespace OrvaneLib {

namespace {

// Every intermediate value is an Integer: one that leaves the 16-bit range is an overflow.
Integer Checked(int value) {
    if (value < std::numeric_limits<Integer>::min() ||
        value > std::numeric_limits<Integer>::max()) {
        throw std::overflow_error("Overflow");
    }
    return static_cast<Integer>(value);
}

Integer Add(Integer a, int b) { return Checked(a + b); }

// The first bonus of a sequence text such as "+5/+0": the text up to the first "/", read
// back as a number (a leading "+" accepted).
Integer FirstBonus(std::string_view sequence) {
    std::string_view first = sequence.substr(0, sequence.find('/'));
    if (!first.empty() && first.front() == '+') first.remove_prefix(1);
    Integer value = 0;
    auto result = std::from_chars(first.data(), first.data() + first.size(), value);
    if (result.ec != std::errc() || result.ptr != first.data() + first.size()) {
        throw std::logic_error("attack sequence does not start with a bonus");
    }
    return value;
}

}  // namespace

std::string clsAttacks::ClassName() const { return "clsAttacks"; }

std::string clsAttacks::FormatBonus(Integer value) {
    std::string text = std::to_string(value);
    if (value >= 0) text.insert(text.begin(), '+');
    return text;
}

std::string clsAttacks::NormalAttack(Integer iAttack, Integer iMin, bool bRestrict,
                                     Integer iRestrict) const {
    std::string result;
    Integer x = iAttack;
    Integer count = 1;
    while (Add(x, -5) >= iMin && !(bRestrict && count >= iRestrict)) {
        result += FormatBonus(x);
        result += '/';
        x = Add(x, -5);
        count = Add(count, 1);
    }
    result += FormatBonus(x);
    return result;
}

clsAttacks::Mode clsAttacks::MultiMode() const {
    Integer penalty = MultiFeat ? 2 : 4;
    if (RapidFeat) return {static_cast<Integer>(penalty + 2), 2};
    return {penalty, 1};
}

clsAttacks::Mode clsAttacks::AutoMode() const {
    Integer penalty = MultiFeat ? 4 : 6;
    if (RapidFeat) return {static_cast<Integer>(penalty + 2), 3};
    return {penalty, 2};
}

std::string clsAttacks::ModeAttack(Mode mode, Integer iAttack, Integer iMin) const {
    Integer x = Add(iAttack, -mode.penalty);
    // The minimum drops by one less than the penalty, so that with a minimum of 0 the
    // iterative attacks end where an unpenalised NormalAttack with its minimum of 1 ends.
    Integer lowered = Add(iMin, -Add(mode.penalty, -1));
    std::string result;
    for (Integer i = 0; i < mode.extra; ++i) {
        result += FormatBonus(x);
        result += '/';
    }
    result += NormalAttack(x, lowered, true, 4);
    return result;
}

std::string clsAttacks::MultiAttack(Integer iAttack, Integer iMin) const {
    return ModeAttack(MultiMode(), iAttack, iMin);
}

std::string clsAttacks::AutoAttack(Integer iAttack, Integer iMin) const {
    return ModeAttack(AutoMode(), iAttack, iMin);
}

Integer clsAttacks::PrimaryPenalty() const {
    int penalty = OffHandIsLight ? -4 : -6;
    if (TwoWeaponFeat) penalty += 2;
    return static_cast<Integer>(penalty);
}

Integer clsAttacks::OffHandPenalty() const {
    int penalty = OffHandIsLight ? -8 : -10;
    if (AmbidexterityFeat) penalty += 4;
    if (TwoWeaponFeat) penalty += 2;
    return static_cast<Integer>(penalty);
}

std::string clsAttacks::PriHandAttack(Integer iAttack, Integer iMin) const {
    Integer q = PrimaryPenalty();
    return NormalAttack(Add(iAttack, q), Add(iMin, q), true, 4);
}

std::string clsAttacks::PriHandMulti(Integer iAttack, Integer iMin) const {
    Integer q = PrimaryPenalty();
    return MultiAttack(Add(iAttack, q), Add(iMin, q));
}

std::string clsAttacks::PriHandAuto(Integer iAttack, Integer iMin) const {
    Integer q = PrimaryPenalty();
    return AutoAttack(Add(iAttack, q), Add(iMin, q));
}

std::string clsAttacks::OffHandSequence(Integer first) const {
    std::string result = FormatBonus(first);
    if (ImprovTwoWeapFeat) {
        result += '/';
        result += FormatBonus(Add(first, -5));
    }
    return result;
}

std::string clsAttacks::OffHandAttack(Integer iAttack, Integer /*iMin*/) const {
    return OffHandSequence(Add(iAttack, OffHandPenalty()));
}

std::string clsAttacks::OffHandMulti(Integer iAttack) const {
    // The off hand makes the first attack of the mode's sequence (and one 5 lower).
    return OffHandSequence(FirstBonus(MultiAttack(Add(iAttack, OffHandPenalty()), 0)));
}

std::string clsAttacks::OffHandAuto(Integer iAttack) const {
    return OffHandSequence(FirstBonus(AutoAttack(Add(iAttack, OffHandPenalty()), 0)));
}

ORVANE_REGISTER_CLASS(clsAttacks)

}  // namespace OrvaneLib
