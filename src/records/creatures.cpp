// Creature types, levels, size details, templates and climates: their resets, appended
// records and text files.
#include "orvane/records/creatures.hpp"

#include <limits>
#include <stdexcept>

#include "orvane/detail/host_internal.hpp"
#include "records/kind.hpp"

namespace OrvaneLib {

namespace {

// Reads a record's lines from a caller's file whose number arrives as text. The number is
// converted inside the same trap as the read, so a text that is not a number is shown like
// any other failure. The record is not cleared, before or after.
void LoadAppendFromText(void* record, const detail::RecordKind& kind, const std::string& number) {
    Integer file = 0;
    try {
        file = static_cast<Integer>(detail::ReadWhole(number, std::numeric_limits<Integer>::min(),
                                                      std::numeric_limits<Integer>::max()));
    } catch (const std::exception& e) {
        detail::ShowMessage(std::string("Sub: LoadAppend.\r\n") + e.what(), MsgIcon::Critical,
                            "Error");
        return;
    }
    detail::LoadAppendRecord(record, kind, file, /*clearFirst=*/false);
}

}  // namespace

void clsClassCreature::Clear() {
    Name.clear();
    MinInt = MaxInt = MinWis = MaxWis = MinCha = MaxCha = 0;
    feats_.Clear();
    classSkills_.Clear();
    specQual_.Clear();
}

void clsCreatureLevel::Clear() {
    Name.clear();
    Level = Attack = FortSave = RefSave = WillSave = 0;
}

void clsCreatureLevel::SaveAppend(Integer iFileNum) {
    detail::SaveAppendRecord(this, Kind(), iFileNum);
}

void clsCreatureLevel::LoadAppend(const std::string& iFileNum) {
    LoadAppendFromText(this, Kind(), iFileNum);
}

void clsCreatureDetail::Clear() {
    Name.clear();
    Size.clear();
    MinStr = MaxStr = MinDex = MaxDex = MinCon = MaxCon = 0;
    VPScale = 0;
    Slam.clear();
    Bite.clear();
    Gore.clear();
    Claw.clear();
}

void clsCreatureDetail::SaveAppend(Integer iFileNum) {
    detail::SaveAppendRecord(this, Kind(), iFileNum);
}

void clsCreatureDetail::LoadAppend(const std::string& iFileNum) {
    LoadAppendFromText(this, Kind(), iFileNum);
}

void clsCreatureTemplate::Clear() {
    Name.clear();
    AttackBonus = 0;
    MinStr = MaxStr = MinDex = MaxDex = MinCon = MaxCon = 0;
    MinInt = MaxInt = MinWis = MaxWis = MinCha = MaxCha = 0;
    Vitality = VitBonus = 0;
    IncreaseDamage = DecreaseDamage = false;
    feats_.Clear();
    specQual_.Clear();
    synergy_.Clear();
    attackDamage_.Clear();
}

void clsCreatureClimate::Clear() {
    Name.clear();
    specQual_.Clear();
    synergy_.Clear();
}

namespace detail {

// The file of a creature type leaves out the four numbers that only the database holds.
const RecordKind& Describe<clsClassCreature>::Kind() {
    using R = clsClassCreature;
    static const RecordKind kind = KindOf<R>("clsClassCreature",
                                             {{"Name", Member<&R::Name>()},
                                              {"MinInt", Member<&R::MinInt>()},
                                              {"MaxInt", Member<&R::MaxInt>()},
                                              {"MinWis", Member<&R::MinWis>()},
                                              {"MaxWis", Member<&R::MaxWis>()},
                                              {"MinCha", Member<&R::MinCha>()},
                                              {"MaxCha", Member<&R::MaxCha>()},
                                              {"Vitality", Member<&R::Vitality>()},
                                              {"SkillPtsFirst", Member<&R::SkillPtsFirst>()},
                                              {"SkillPtsLevel", Member<&R::SkillPtsLevel>()},
                                              {"MaxLevel", Member<&R::MaxLevel>()},
                                              {"Feat", Member<&R::feats_>()},
                                              {"ClassSkills", Member<&R::classSkills_>()},
                                              {"SpecialQuality", Member<&R::specQual_>()}},
                                             {{"Name"},
                                              {"MinInt"},
                                              {"MaxInt"},
                                              {"MinWis"},
                                              {"MaxWis"},
                                              {"MinCha"},
                                              {"MaxCha"},
                                              {"Feat"},
                                              {"ClassSkills"},
                                              {"SpecialQuality"}});
    return kind;
}

const RecordKind& Describe<clsCreatureLevel>::Kind() {
    using R = clsCreatureLevel;
    static const RecordKind kind =
        KindOf<R>("clsCreatureLevel",
                  {{"Name", Member<&R::Name>()},
                   {"Level", Member<&R::Level>()},
                   {"Attack", Member<&R::Attack>()},
                   {"FortSave", Member<&R::FortSave>()},
                   {"RefSave", Member<&R::RefSave>()},
                   {"WillSave", Member<&R::WillSave>()}},
                  {{"Name"}, {"Level"}, {"Attack"}, {"FortSave"}, {"RefSave"}, {"WillSave"}},
                  /*overlay=*/true);
    return kind;
}

const RecordKind& Describe<clsCreatureDetail>::Kind() {
    using R = clsCreatureDetail;
    static const RecordKind kind = KindOf<R>("clsCreatureDetail",
                                             {{"Name", Member<&R::Name>()},
                                              {"Size", Member<&R::Size>()},
                                              {"MinStr", Member<&R::MinStr>()},
                                              {"MaxStr", Member<&R::MaxStr>()},
                                              {"MinDex", Member<&R::MinDex>()},
                                              {"MaxDex", Member<&R::MaxDex>()},
                                              {"MinCon", Member<&R::MinCon>()},
                                              {"MaxCon", Member<&R::MaxCon>()},
                                              {"VPScale", Member<&R::VPScale>()},
                                              {"Slam", Member<&R::Slam>()},
                                              {"Bite", Member<&R::Bite>()},
                                              {"Gore", Member<&R::Gore>()},
                                              {"Claw", Member<&R::Claw>()}},
                                             {{"Name"},
                                              {"Size"},
                                              {"MinStr"},
                                              {"MaxStr"},
                                              {"MinDex"},
                                              {"MaxDex"},
                                              {"MinCon"},
                                              {"MaxCon"},
                                              {"VPScale"},
                                              {"Slam"},
                                              {"Bite"},
                                              {"Gore"},
                                              {"Claw"}});
    return kind;
}

const RecordKind& Describe<clsCreatureTemplate>::Kind() {
    using R = clsCreatureTemplate;
    static const RecordKind kind = KindOf<R>(
        "clsCreatureTemplate",
        {{"Name", Member<&R::Name>()},
         {"AttackBonus", Member<&R::AttackBonus>()},
         {"MinStr", Member<&R::MinStr>()},
         {"MaxStr", Member<&R::MaxStr>()},
         {"MinDex", Member<&R::MinDex>()},
         {"MaxDex", Member<&R::MaxDex>()},
         {"MinCon", Member<&R::MinCon>()},
         {"MaxCon", Member<&R::MaxCon>()},
         {"MinInt", Member<&R::MinInt>()},
         {"MaxInt", Member<&R::MaxInt>()},
         {"MinWis", Member<&R::MinWis>()},
         {"MaxWis", Member<&R::MaxWis>()},
         {"MinCha", Member<&R::MinCha>()},
         {"MaxCha", Member<&R::MaxCha>()},
         {"Vitality", Member<&R::Vitality>()},
         {"VitBonus", Member<&R::VitBonus>()},
         {"IncreaseDamage", Member<&R::IncreaseDamage>()},
         {"DecreaseDamage", Member<&R::DecreaseDamage>()},
         {"SpecialQuality", Member<&R::specQual_>()},
         {"Synergy", Member<&R::synergy_>()},
         {"Feats", Member<&R::feats_>()},
         {"AttackDamage", Member<&R::attackDamage_>()}},
        {{"Name"},     {"AttackBonus"},    {"MinStr"},         {"MaxStr"},         {"MinDex"},
         {"MaxDex"},   {"MinCon"},         {"MaxCon"},         {"MinInt"},         {"MaxInt"},
         {"MinWis"},   {"MaxWis"},         {"MinCha"},         {"MaxCha"},         {"Vitality"},
         {"VitBonus"}, {"IncreaseDamage"}, {"DecreaseDamage"}, {"SpecialQuality"}, {"Synergy"},
         {"Feats"},    {"AttackDamage"}},
        /*overlay=*/true);
    return kind;
}

const RecordKind& Describe<clsCreatureClimate>::Kind() {
    using R = clsCreatureClimate;
    static const RecordKind kind = KindOf<R>("clsCreatureClimate",
                                             {{"Name", Member<&R::Name>()},
                                              {"Qualities", Member<&R::specQual_>()},
                                              {"Bonus", Member<&R::synergy_>()}},
                                             {{"Name"}, {"Qualities"}, {"Bonus"}},
                                             /*overlay=*/true);
    return kind;
}

}  // namespace detail

ORVANE_REGISTER_CLASS(clsClassCreature)
ORVANE_REGISTER_CLASS(clsCreatureLevel)
ORVANE_REGISTER_CLASS(clsCreatureDetail)
ORVANE_REGISTER_CLASS(clsCreatureTemplate)
ORVANE_REGISTER_CLASS(clsCreatureClimate)

}  // namespace OrvaneLib
