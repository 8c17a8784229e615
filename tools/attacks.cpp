// The attacks command: a full-attack sequence from a base attack bonus, for one weapon or,
// with --two-weapon, for the primary hand and the off hand.
#include <iostream>
#include <optional>
#include <sstream>

#include "session.hpp"

namespace orvane_cli {

using namespace OrvaneLib;

namespace {

struct AttackOptions {
    std::string bab;
    std::optional<std::string> min;
    std::string mode = "normal";
    bool twoWeapon = false;
    bool json = false;
    clsAttacks flags;
};

Json Sequence(const std::string& text) {
    Json bonuses = Json::array();
    std::istringstream in(text);
    std::string bonus;
    while (std::getline(in, bonus, '/')) bonuses.push_back(std::stoi(bonus));
    return {{"sequence", text}, {"bonuses", bonuses}};
}

void Run(const AttackOptions& o) {
    const clsAttacks& a = o.flags;
    const Integer bab = RequireInteger(o.bab, "BAB");
    const std::optional<Integer> given =
        o.min ? std::optional<Integer>(RequireInteger(*o.min, "--min")) : std::nullopt;
    // Each operation has its own default minimum; the command passes one only when given.
    const auto min = [&](Integer byDefault) { return given.value_or(byDefault); };
    std::string primary, offHand;
    try {
        if (!o.twoWeapon) {
            if (o.mode == "normal") primary = a.NormalAttack(bab, min(1));
            if (o.mode == "multi") primary = a.MultiAttack(bab, min(0));
            if (o.mode == "auto") primary = a.AutoAttack(bab, min(0));
        } else if (o.mode == "normal") {
            primary = a.PriHandAttack(bab, min(1));
            offHand = a.OffHandAttack(bab);
        } else if (o.mode == "multi") {
            primary = a.PriHandMulti(bab, min(1));
            offHand = a.OffHandMulti(bab);
        } else {
            primary = a.PriHandAuto(bab, min(0));
            offHand = a.OffHandAuto(bab);
        }
    } catch (const std::overflow_error&) {
        Fail("the attack bonuses leave the range -32768 to 32767");
    }
    if (o.json) {
        Json out{{"bab", bab}, {"mode", o.mode}, {"twoWeapon", o.twoWeapon}};
        if (o.twoWeapon) {
            out["primary"] = Sequence(primary);
            out["offHand"] = Sequence(offHand);
        } else {
            out.update(Sequence(primary));
        }
        PrintJson(out);
    } else if (o.twoWeapon) {
        std::cout << "Primary hand: " << primary << "\nOff hand:     " << offHand << "\n";
    } else {
        std::cout << primary << "\n";
    }
}

}  // namespace

void AddAttacksCommand(CLI::App& app) {
    auto o = std::make_shared<AttackOptions>();
    auto* cmd = app.add_subcommand("attacks", "Compute a full-attack sequence, e.g. +11/+6/+1");
    cmd->add_option("BAB", o->bab, "Base attack bonus, a whole number from -32768 to 32767")
        ->required();
    cmd->add_option("--min", o->min,
                    "Lowest bonus of a further iterative attack (default: the mode's own, 1 or "
                    "0; primary hand only)");
    cmd->add_option("--mode", o->mode, "normal, multi (multi-attack) or auto (automatic fire)")
        ->check(CLI::IsMember({"normal", "multi", "auto"}));
    auto* two = cmd->add_flag("--two-weapon", o->twoWeapon, "Fight with two weapons");
    cmd->add_flag("--multi-feat", o->flags.MultiFeat,
                  "Multi-attack and automatic penalty 2 smaller");
    cmd->add_flag("--rapid-feat", o->flags.RapidFeat,
                  "One more top attack in multi and auto modes, 2 more penalty");
    cmd->add_flag("--light-offhand", o->flags.OffHandIsLight,
                  "The off-hand weapon is light: both penalties 2 smaller")
        ->needs(two);
    cmd->add_flag("--ambidexterity", o->flags.AmbidexterityFeat, "Off-hand penalty 4 smaller")
        ->needs(two);
    cmd->add_flag("--two-weapon-feat", o->flags.TwoWeaponFeat, "Both penalties 2 smaller")
        ->needs(two);
    cmd->add_flag("--improved-two-weapon", o->flags.ImprovTwoWeapFeat,
                  "A second off-hand attack, 5 lower")
        ->needs(two);
    AddJsonFlag(*cmd, o->json);
    cmd->callback([o] { Run(*o); });
}

}  // namespace orvane_cli
