// The tables of droid bonuses, degrees, equipment, makers and quirks. Every one is optional
// in a rules database: without its table an operation gives its empty result and reports
// nothing.
#include "database/table.hpp"
#include "orvane/database.hpp"
#include "orvane/records/droids.hpp"

namespace OrvaneLib {

namespace {

using namespace detail;

const TableKind& DroidBonus() {
    static const TableKind kind = [] {
        TableKind k{.name = "Droid bonus",
                    .record = &Describe<clsDroidBonus>::Kind(),
                    .table = "tblDroidBonus",
                    .keys = {{"Name", "Name"}},
                    .test = TableTest::All,
                    .readStatement = {Form::B},
                    .delStatement = {Form::B},
                    .listLabel = "Property Get: DroidBonusList",
                    .readLabel = "Property Get: DroidBonusInfo(",
                    .addLabel = "Property Let: AddDroidBonus(",
                    .delLabel = "Property Let: DelDroidBonus(",
                    .emptyTable = "There are no Droid Bonus Records in the Database!",
                    .readEmptyKey = "A Droid Bonus Search field was not corretly Identified.",
                    .readNoMatch = "Unable to locate a Droid Bonus matching your criteria.",
                    .columns = {{"Name", "Name", Read::Key, Write::Always},
                                {"Multiple", "GainMultiple"},
                                {"Skills", "Skills", Read::NotNull, Write::IfValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

const TableKind& DroidDegree() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Droid degree",
            .record = &Describe<clsDroidDegree>::Kind(),
            .table = "tblDroidDegree",
            .keys = {{"Name", "Name"}},
            .test = TableTest::All,
            .readStatement = {Form::B},
            .delStatement = {Form::B},
            .listLabel = "Property Get: DroidDegreeList",
            .readLabel = "Property Get: DroidDegreeInfo(",
            .addLabel = "Property Let: AddDroidDegree(",
            .delLabel = "Property Let: DelDroidDegree(",
            .emptyTable = "There are no Droid Degree Records in the Database!",
            .readEmptyKey = "A Droid Degree Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Droid Degree matching your criteria.",
            .columns = Join<ColumnDesc>({{{"Name", "Name", Read::Key, Write::Always}},
                                         ModifierColumns(),
                                         {{"Classes", "Classes", Read::NotNull, Write::IfValue}}})};
        k.Resolve();
        return k;
    }();
    return kind;
}

const TableKind& DroidEquipment() {
    static const TableKind kind = [] {
        TableKind k{.name = "Droid equipment",
                    .record = &Describe<clsDroidEquip>::Kind(),
                    .table = "tblDroidEquip",
                    .keys = {{"Name", "Name"}},
                    .test = TableTest::All,
                    .readStatement = {Form::B},
                    .delStatement = {Form::B},
                    .listLabel = "Property Get: DroidEquipmentList",
                    .readLabel = "Property Get: DroidEquipmentInfo(",
                    .addLabel = "Property Let: AddDroidEquipment(",
                    .delLabel = "Property Let: DelDroidEquipment(",
                    .emptyTable = "There are no Droid Equipment Records in the Database!",
                    .readEmptyKey = "A Droid Equipment Search field was not corretly Identified.",
                    .readNoMatch = "Unable to locate a Droid Equipment matching your criteria.",
                    .columns = {{"Name", "Name", Read::Key, Write::Always},
                                {"Cost", "Cost"},
                                {"Mass", "Mass"},
                                {"Synergy", "Synergy", Read::NotNull, Write::IfValue},
                                {"Source", "Source", Read::NotNull, Write::IfValue},
                                {"Notes", "Notes", Read::NotNull, Write::IfValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

// Makers report a missing row in the plural on delete ("Droid Makers").
const TableKind& DroidMakers() {
    static const TableKind kind = [] {
        TableKind k{.name = "Droid maker",
                    .record = &Describe<clsDroidMakers>::Kind(),
                    .table = "tblDroidMakers",
                    .keys = {{"Name", "Name"}},
                    .test = TableTest::All,
                    .readStatement = {Form::B},
                    .delStatement = {Form::B},
                    .listLabel = "Property Get: DroidMakersList",
                    .readLabel = "Property Get: DroidMakersInfo(",
                    .addLabel = "Property Let: AddDroidMakers(",
                    .delLabel = "Property Let: DelDroidMakers(",
                    .emptyTable = "There are no Droid Maker Records in the Database!",
                    .readEmptyKey = "A Droid Maker Search field was not corretly Identified.",
                    .readNoMatch = "Unable to locate a Droid Maker matching your criteria.",
                    .delNoMatch = "Unable to locate a Droid Makers matching your criteria.",
                    .columns = Join<ColumnDesc>(
                        {{{"Name", "Name", Read::Key, Write::Always}},
                         ModifierColumns(),
                         {{"MoveMod", "MoveModifier"},
                          {"MoveMax", "MaxMove"},
                          {"BonusAmt", "SkillBonusAmt"},
                          {"BonusAny", "SkillBonusNum"},
                          {"PenaltyAmt", "SkillPenaltyAmt"},
                          {"PenaltyAny", "SkillPenaltyNum"},
                          {"AddQuirks", "BonusQuirks"},
                          {"SpecialQualities", "SpecialQualities", Read::NotNull, Write::IfValue},
                          {"Synergy", "Synergy", Read::NotNull, Write::IfValue},
                          {"BonusSelect", "BonusSelect", Read::NotNull, Write::IfValue}}})};
        k.Resolve();
        return k;
    }();
    return kind;
}

// Quirks name a missing search field in the plural on read ("Droid Quirks").
const TableKind& DroidQuirks() {
    static const TableKind kind = [] {
        TableKind k{.name = "Droid quirk",
                    .record = &Describe<clsDroidQuirks>::Kind(),
                    .table = "tblDroidQuirks",
                    .keys = {{"Name", "Name"}},
                    .test = TableTest::All,
                    .readStatement = {Form::B},
                    .delStatement = {Form::B},
                    .listLabel = "Property Get: DroidQuirksList",
                    .readLabel = "Property Get: DroidQuirksInfo(",
                    .addLabel = "Property Let: AddDroidQuirks(",
                    .delLabel = "Property Let: DelDroidQuirks(",
                    .emptyTable = "There are no Droid Quirk Records in the Database!",
                    .readEmptyKey = "A Droid Quirks Search field was not corretly Identified.",
                    .delEmptyKey = "A Droid Quirk Search field was not corretly Identified.",
                    .readNoMatch = "Unable to locate a Droid Quirk matching your criteria.",
                    .columns = {{"Name", "Name", Read::Key, Write::Always},
                                {"Move", "Move"},
                                {"SpecialQuality", "SpecialQuality", Read::NotNull, Write::IfValue},
                                {"Synergy", "Synergy", Read::NotNull, Write::IfValue},
                                {"BonusFeats", "BonusFeats", Read::NotNull, Write::IfValue},
                                {"SkillMastery", "SkillMastery", Read::NotNull, Write::IfValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

}  // namespace

ORVANE_REGISTER_TABLE(DroidBonus)
ORVANE_REGISTER_TABLE(DroidDegree)
ORVANE_REGISTER_TABLE(DroidEquipment)
ORVANE_REGISTER_TABLE(DroidMakers)
ORVANE_REGISTER_TABLE(DroidQuirks)

ListResult clsDatabase::DroidBonusList() { return ListRows(*state_, DroidBonus()); }
std::shared_ptr<clsDroidBonus> clsDatabase::DroidBonusInfo(const std::string& strBonus) {
    return ReadAs<clsDroidBonus>(*state_, DroidBonus(), {strBonus});
}
void clsDatabase::AddDroidBonus(const clsDroidBonus* record) {
    AddRow(*state_, DroidBonus(), record);
}
void clsDatabase::DelDroidBonus(const std::string& name) {
    DeleteRow(*state_, DroidBonus(), {name});
}

ListResult clsDatabase::DroidDegreeList() { return ListRows(*state_, DroidDegree()); }
std::shared_ptr<clsDroidDegree> clsDatabase::DroidDegreeInfo(const std::string& strDegree) {
    return ReadAs<clsDroidDegree>(*state_, DroidDegree(), {strDegree});
}
void clsDatabase::AddDroidDegree(const clsDroidDegree* record) {
    AddRow(*state_, DroidDegree(), record);
}
void clsDatabase::DelDroidDegree(const std::string& name) {
    DeleteRow(*state_, DroidDegree(), {name});
}

ListResult clsDatabase::DroidEquipmentList() { return ListRows(*state_, DroidEquipment()); }
std::shared_ptr<clsDroidEquip> clsDatabase::DroidEquipmentInfo(const std::string& strEquip) {
    return ReadAs<clsDroidEquip>(*state_, DroidEquipment(), {strEquip});
}
void clsDatabase::AddDroidEquipment(const clsDroidEquip* record) {
    AddRow(*state_, DroidEquipment(), record);
}
void clsDatabase::DelDroidEquipment(const std::string& name) {
    DeleteRow(*state_, DroidEquipment(), {name});
}

ListResult clsDatabase::DroidMakersList() { return ListRows(*state_, DroidMakers()); }
std::shared_ptr<clsDroidMakers> clsDatabase::DroidMakersInfo(const std::string& strMakers) {
    return ReadAs<clsDroidMakers>(*state_, DroidMakers(), {strMakers});
}
void clsDatabase::AddDroidMakers(const clsDroidMakers* record) {
    AddRow(*state_, DroidMakers(), record);
}
void clsDatabase::DelDroidMakers(const std::string& name) {
    DeleteRow(*state_, DroidMakers(), {name});
}

ListResult clsDatabase::DroidQuirksList() { return ListRows(*state_, DroidQuirks()); }
std::shared_ptr<clsDroidQuirks> clsDatabase::DroidQuirksInfo(const std::string& strQuirks) {
    return ReadAs<clsDroidQuirks>(*state_, DroidQuirks(), {strQuirks});
}
void clsDatabase::AddDroidQuirks(const clsDroidQuirks* record) {
    AddRow(*state_, DroidQuirks(), record);
}
void clsDatabase::DelDroidQuirks(const std::string& name) {
    DeleteRow(*state_, DroidQuirks(), {name});
}

}  // namespace OrvaneLib
