// The tables of starship and station components and of starship and vehicle weapons. All of
// them are optional in a rules database: every operation first tests its table and quietly
// does nothing when it is absent.
#include <cctype>
#include <deque>

#include "database/table.hpp"
#include "orvane/database.hpp"
#include "orvane/records/starships.hpp"

namespace OrvaneLib {

namespace {

using namespace detail;

// Keeps a composed text alive for the descriptions, which hold views of their texts.
std::string_view Keep(std::string text) {
    static std::deque<std::string> texts;
    return texts.emplace_back(std::move(text));
}

std::string Lower(std::string text) {
    for (auto& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// What sets one starship component apart from the others. Everything else (labels,
// messages, statements, list) follows from it.
struct Component {
    std::string_view word;  // in the messages: "Crew", "Shield", "Yard"
    std::string_view noun;  // in the operation names: "Crew", "Shields", "Yards"
    const RecordKind* record;
    std::string_view table;
    KeyDesc key;
    bool station;                // rows split by "Station"; operations take bStation
    std::string_view delMember;  // how the deletion's label begins: "Sub: " or "Property Let: "
    std::vector<ColumnDesc> columns;
};

// A number key: accepted from 0; a negative one counts as a missing key.
KeyDesc NumberKey(std::string_view column, std::string_view field) {
    return {column, field, /*number=*/true, /*rejectNegative=*/true};
}

TableKind ComponentKind(Component c) {
    const std::string word(c.word), noun(c.noun);
    // Station lists name the flag after the operation: "Property Get: StarshipCrewList(True)".
    const std::string open = c.station ? "(" : "";
    TableKind k{
        .name = Keep("Starship " + Lower(word)),
        .record = c.record,
        .table = c.table,
        .keys = {c.key},
        .station = c.station,
        .test = TableTest::All,
        .readStatement = {c.station ? Form::Station : Form::B},
        .delStatement = {c.station ? Form::Station : Form::B},
        .list = {.filter = c.station ? ListFilter::Station : ListFilter::None},
        .listLabel = Keep("Property Get: Starship" + noun + "List" + open),
        .readLabel = Keep("Property Get: Starship" + noun + "Info("),
        .addLabel = Keep("Property Let: AddStarship" + noun + "("),
        .delLabel = Keep(std::string(c.delMember) + "DelStarship" + noun + "("),
        .emptyTable = Keep("There are no Starship " + word + " Records in the Database!"),
        .readEmptyKey = Keep("A Starship " + word + " Search field was not corretly Identified."),
        .readNoMatch = Keep("Unable to locate a Starship " + word + " matching your criteria."),
        .columns = std::move(c.columns)};
    k.Resolve();
    return k;
}

// The columns shared by every station component: the key, "Station", then its own figures
// and lists.
std::vector<ColumnDesc> StationColumns(ColumnDesc key, std::vector<ColumnDesc> rest) {
    return Join<ColumnDesc>({{key, {"Station", "Station"}}, std::move(rest)});
}

constexpr ColumnDesc Sizes(std::string_view column) {
    return {column, "Sizes", Read::NotNull, Write::IfValue};
}

const ColumnDesc kPoints = {"Points", "Points", Read::Key, Write::Always};

// Crew quarters and life support share their record and their columns.
std::vector<ColumnDesc> CrewColumns() {
    return StationColumns(kPoints,
                          {{"MinCrew", "MinCrew"}, {"MaxCrew", "MaxCrew"}, Sizes("Sizes")});
}

const TableKind& Crew() {
    static const TableKind kind =
        ComponentKind({"Crew", "Crew", &Describe<clsStarshipCrew>::Kind(), "tblStarshipCrew",
                       NumberKey("Points", "Points"), true, "Sub: ", CrewColumns()});
    return kind;
}

const TableKind& Life() {
    static const TableKind kind =
        ComponentKind({"Life", "Life", &Describe<clsStarshipCrew>::Kind(), "tblStarshipLife",
                       NumberKey("Points", "Points"), true, "Sub: ", CrewColumns()});
    return kind;
}

const TableKind& Emplacement() {
    static const TableKind kind =
        ComponentKind({"Emplacement", "Emplacement", &Describe<clsStarshipEmplacement>::Kind(),
                       "tblStarshipEmplace", NumberKey("Points", "Points"), true, "Sub: ",
                       StationColumns(kPoints, {{"MinEmplace", "MinEmplace"},
                                                {"MaxEmplace", "MaxEmplace"},
                                                Sizes("Sizes")})});
    return kind;
}

const TableKind& Hull() {
    static const TableKind kind = ComponentKind(
        {"Hull", "Hull", &Describe<clsStarshipHull>::Kind(), "tblStarshipHull",
         NumberKey("Points", "Points"), true, "Sub: ",
         StationColumns(kPoints,
                        {{"MinHull", "MinHull"}, {"MaxHull", "MaxHull"}, Sizes("Sizes")})});
    return kind;
}

const TableKind& Hyperdrive() {
    static const TableKind kind = [] {
        TableKind k = ComponentKind({"Hyperdrive",
                                     "Hyperdrive",
                                     &Describe<clsStarshipHyperdrive>::Kind(),
                                     "tblStarshipHyper",
                                     {"Drive", "Drive"},
                                     true,
                                     "Sub: ",
                                     StationColumns({"Drive", "Drive", Read::Key, Write::Always},
                                                    {{"NormalPoints", "NormalPoints"},
                                                     {"BackupPoints", "BackupPoints"},
                                                     Sizes("BackupDouble")})});
        k.delEmptyKeySilent = true;  // an unnamed drive is simply nothing to delete
        return k;
    }();
    return kind;
}

const TableKind& Shields() {
    static const TableKind kind = ComponentKind(
        {"Shield", "Shields", &Describe<clsStarshipShields>::Kind(), "tblStarshipShields",
         NumberKey("Points", "Points"), true, "Sub: ",
         StationColumns(kPoints, {{"MinShield", "MinShields"},
                                  {"MaxShield", "MaxShields"},
                                  Sizes("Sizes"),
                                  {"DoublePoints", "DoubleCost", Read::NotNull, Write::IfValue}})});
    return kind;
}

const TableKind& SizeClasses() {
    static const TableKind kind = [] {
        TableKind k = ComponentKind({"Size",
                                     "Size",
                                     &Describe<clsStarshipSize>::Kind(),
                                     "tblStarshipSize",
                                     {"Name", "Size"},
                                     true,
                                     "Property Let: ",
                                     StationColumns({"Name", "Size", Read::Key, Write::Always},
                                                    {{"Class", "SizeType"},
                                                     {"Modifier", "Modifier"},
                                                     {"Points", "Points"},
                                                     {"DR", "DR"},
                                                     {"Armor", "Armor"},
                                                     {"MinLenght", "MinLength"},
                                                     {"MaxLenght", "MaxLength"},
                                                     {"MinMass", "MinWeight"},
                                                     {"MaxMass", "MaxWeight"},
                                                     {"MaxSlips", "MaxSlips"},
                                                     {"BackupCost", "BackupGenCost"},
                                                     {"BackupEmplace", "BackupEmpCost"},
                                                     {"SlaveCost", "SlaveCircCost"}})});
        k.delStatement.selectColumn = "Points";  // the deletion's statement selects "Points"
        return k;
    }();
    return kind;
}

const TableKind& Stowage() {
    static const TableKind kind =
        ComponentKind({"Stowage", "Stowage", &Describe<clsStarshipStowage>::Kind(),
                       "tblStarshipStowage", NumberKey("Points", "Points"), true, "Sub: ",
                       StationColumns(kPoints, {{"MinCargo", "MinCargo"},
                                                {"MinMetric", "MinMetric"},
                                                {"MaxCargo", "MaxCargo"},
                                                {"MaxMetric", "MaxMetric"},
                                                Sizes("Sizes")})});
    return kind;
}

const TableKind& Supply() {
    static const TableKind kind =
        ComponentKind({"Supply", "Supply", &Describe<clsStarshipSupply>::Kind(),
                       "tblStarshipSupply", NumberKey("Points", "Points"), true, "Sub: ",
                       StationColumns(kPoints, {{"Time", "Time"},
                                                {"Day", "Day"},
                                                {"Week", "Week"},
                                                {"Month", "Month"},
                                                {"Year", "Year"},
                                                Sizes("Size")})});
    return kind;
}

const TableKind& Engine() {
    static const TableKind kind =
        ComponentKind({"Engine", "Engine", &Describe<clsStarshipEngine>::Kind(),
                       "tblStarshipEngine", NumberKey("Points", "Points"), true, "Property Let: ",
                       Join<ColumnDesc>({{{"MaxSpeed", "Speed"}},
                                         StationColumns(kPoints, {{"Quality", "Quality"},
                                                                  {"AttackBonus", "AttackBonus"},
                                                                  {"PilotBonus", "PilotBonus"},
                                                                  Sizes("Sizes")})})});
    return kind;
}

const TableKind& Armor() {
    static const TableKind kind = ComponentKind({"Armor",
                                                 "Armor",
                                                 &Describe<clsStarshipArmor>::Kind(),
                                                 "tblStarshipArmor",
                                                 {"Size", "Size"},
                                                 false,
                                                 "Property Let: ",
                                                 {{"Size", "Size", Read::Key, Write::Always},
                                                  {"Armor", "Armor"},
                                                  {"DR", "DR"},
                                                  {"Cost", "Cost"},
                                                  {"PilotBonus", "PilotBonus"}}});
    return kind;
}

const TableKind& Cost() {
    static const TableKind kind =
        ComponentKind({"Cost",
                       "Cost",
                       &Describe<clsStarshipCost>::Kind(),
                       "tblStarshipCost",
                       NumberKey("MinPoints", "MinPoints"),
                       false,
                       "Property Let: ",
                       {{"MinPoints", "MinPoints", Read::Key, Write::Always},
                        {"MaxPoints", "MaxPoints"},
                        {"BaseCost", "BaseCost"},
                        {"megaBase", "BaseMega"},
                        {"ModCost", "ModCost"},
                        {"megaMod", "ModMega"}}});
    return kind;
}

const TableKind& Yards() {
    static const TableKind kind =
        ComponentKind({"Yard",
                       "Yards",
                       &Describe<clsStarshipYards>::Kind(),
                       "tblStarshipYards",
                       {"Name", "Yard"},
                       false,
                       "Property Let: ",
                       {{"Name", "Yard", Read::Key, Write::Always}, {"Multiple", "Multiplier"}}});
    return kind;
}

const TableKind& StarshipWeapons() {
    static const TableKind kind = [] {
        TableKind k{.name = "Starship weapon",
                    .record = &Describe<clsStarshipWeapon>::Kind(),
                    .table = "tblStarshipWeapons",
                    .keys = {{"Name", "Name"}},
                    .test = TableTest::All,
                    .readStatement = {Form::C},
                    .delStatement = {Form::C},
                    .listLabel = "Property Get: StarshipWeaponList",
                    .readLabel = "Property Get: GetStarshipWeaponInfo(",
                    .addLabel = "Property Let: AddStarshipWeapon(",
                    .delLabel = "Property Let: DelStarshipWeapon(",
                    .emptyTable = "There are no Starship Weapon Records in the Database!",
                    .readEmptyKey = "A Starship Weapon Search field was not corretly Identified.",
                    .readNoMatch = "Unable to locate a Starship Weapon matching your criteria.",
                    // Newer tables add the fire modes, the emplacement and the cost.
                    .columns = {{"Name", "Name", Read::Key, Write::Always},
                                {"Size", "Size", Read::NotNull, Write::IfValue},
                                {"FireControl", "FireControl"},
                                {"BatteryFire", "BatteryFire"},
                                {"NumDamage", "DamageNum"},
                                {"DamageType", "DamageType", Read::NotNull, Write::IfValue},
                                {"PointBlank", "PointBlank", Read::NotNull, Write::IfValue},
                                {"Short", "ShortRange", Read::NotNull, Write::IfValue},
                                {"Medium", "MediumRange", Read::NotNull, Write::IfValue},
                                {"Long", "LongRange", Read::NotNull, Write::IfValue},
                                {"MultFire", "MultFire", Read::IfPresent, Write::IfPresent},
                                {"AutoFire", "AutoFire", Read::IfPresent, Write::IfPresent},
                                {"Emplace", "Emplacement", Read::IfPresent, Write::IfPresent},
                                {"Cost", "Cost", Read::IfPresent, Write::IfPresent}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

const TableKind& VehicleWeapons() {
    static const TableKind kind = [] {
        TableKind k{.name = "Vehicle weapon",
                    .record = &Describe<clsVehicleWeapon>::Kind(),
                    .table = "tblVehicleWeapons",
                    .keys = {{"Name", "Name"}},
                    .test = TableTest::All,
                    .readStatement = {Form::C},
                    .delStatement = {Form::C},
                    .listLabel = "Property Get: VehicleWeaponList",
                    .readLabel = "Property Get: GetVehicleWeaponInfo(",
                    .addLabel = "Property Let: AddVehicleWeapon(",
                    .delLabel = "Property Let: DelVehicleWeapon(",
                    .emptyTable = "There are no Vehicle Weapon Records in the Database!",
                    .readEmptyKey = "A Vehicle Weapon Search field was not corretly Identified.",
                    .readNoMatch = "Unable to locate a Vehicle Weapon matching your criteria.",
                    // Older tables spell the range column "Ramge"; newer ones "Range".
                    .columns = {{"Name", "Name", Read::Key, Write::Always},
                                {"Size", "Size", Read::NotNull, Write::IfValue},
                                {"FireControl", "FireControl"},
                                {"PriDamageNum", "PriDamageNum"},
                                {"PriDamageType", "PriDamageType", Read::NotNull, Write::IfValue},
                                {"SecDamageNum", "SecDamageNum"},
                                {"SecDamageType", "SecDamageType", Read::NotNull, Write::IfValue},
                                {"MaxIncrements", "MaxIncrements"},
                                {"Ramge", "Range", Read::NotNull, Write::Always, "Range"}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

}  // namespace

ORVANE_REGISTER_TABLE(Armor)
ORVANE_REGISTER_TABLE(Cost)
ORVANE_REGISTER_TABLE(Crew)
ORVANE_REGISTER_TABLE(Emplacement)
ORVANE_REGISTER_TABLE(Hull)
ORVANE_REGISTER_TABLE(Life)
ORVANE_REGISTER_TABLE(Hyperdrive)
ORVANE_REGISTER_TABLE(Shields)
ORVANE_REGISTER_TABLE(SizeClasses)
ORVANE_REGISTER_TABLE(Stowage)
ORVANE_REGISTER_TABLE(Supply)
ORVANE_REGISTER_TABLE(Engine)
ORVANE_REGISTER_TABLE(Yards)
ORVANE_REGISTER_TABLE(StarshipWeapons)
ORVANE_REGISTER_TABLE(VehicleWeapons)

ListResult clsDatabase::StarshipWeaponList() { return ListRows(*state_, StarshipWeapons()); }
std::shared_ptr<clsStarshipWeapon> clsDatabase::GetStarshipWeaponInfo(
    const std::string& strWeapon) {
    return ReadAs<clsStarshipWeapon>(*state_, StarshipWeapons(), {strWeapon});
}
void clsDatabase::AddStarshipWeapon(const clsStarshipWeapon* record) {
    AddRow(*state_, StarshipWeapons(), record);
}
void clsDatabase::DelStarshipWeapon(const std::string& name) {
    DeleteRow(*state_, StarshipWeapons(), {name});
}

ListResult clsDatabase::VehicleWeaponList() { return ListRows(*state_, VehicleWeapons()); }
std::shared_ptr<clsVehicleWeapon> clsDatabase::GetVehicleWeaponInfo(const std::string& strWeapon) {
    return ReadAs<clsVehicleWeapon>(*state_, VehicleWeapons(), {strWeapon});
}
void clsDatabase::AddVehicleWeapon(const clsVehicleWeapon* record) {
    AddRow(*state_, VehicleWeapons(), record);
}
void clsDatabase::DelVehicleWeapon(const std::string& name) {
    DeleteRow(*state_, VehicleWeapons(), {name});
}

ListResult clsDatabase::StarshipArmorList() { return ListRows(*state_, Armor()); }
std::shared_ptr<clsStarshipArmor> clsDatabase::StarshipArmorInfo(const std::string& strSize) {
    return ReadAs<clsStarshipArmor>(*state_, Armor(), {strSize});
}
void clsDatabase::AddStarshipArmor(const clsStarshipArmor* record) {
    AddRow(*state_, Armor(), record);
}
void clsDatabase::DelStarshipArmor(const std::string& strSize) {
    DeleteRow(*state_, Armor(), {strSize});
}

ListResult clsDatabase::StarshipCostList() { return ListRows(*state_, Cost()); }
std::shared_ptr<clsStarshipCost> clsDatabase::StarshipCostInfo(Integer iMinPoints) {
    return ReadAs<clsStarshipCost>(*state_, Cost(), {iMinPoints});
}
void clsDatabase::AddStarshipCost(const clsStarshipCost* record) {
    AddRow(*state_, Cost(), record);
}
void clsDatabase::DelStarshipCost(Integer iMinPoints) { DeleteRow(*state_, Cost(), {iMinPoints}); }

ListResult clsDatabase::StarshipCrewList(bool bStation) {
    return ListRows(*state_, Crew(), bStation);
}
std::shared_ptr<clsStarshipCrew> clsDatabase::StarshipCrewInfo(Integer iPoints, bool bStation) {
    return ReadAs<clsStarshipCrew>(*state_, Crew(), {iPoints}, false, bStation);
}
void clsDatabase::AddStarshipCrew(const clsStarshipCrew* record) {
    AddRow(*state_, Crew(), record);
}
void clsDatabase::DelStarshipCrew(Integer iPoints, bool bStation) {
    DeleteRow(*state_, Crew(), {iPoints}, bStation);
}

ListResult clsDatabase::StarshipEmplacementList(bool bStation) {
    return ListRows(*state_, Emplacement(), bStation);
}
std::shared_ptr<clsStarshipEmplacement> clsDatabase::StarshipEmplacementInfo(Integer iPoints,
                                                                             bool bStation) {
    return ReadAs<clsStarshipEmplacement>(*state_, Emplacement(), {iPoints}, false, bStation);
}
void clsDatabase::AddStarshipEmplacement(const clsStarshipEmplacement* record) {
    AddRow(*state_, Emplacement(), record);
}
void clsDatabase::DelStarshipEmplacement(Integer iPoints, bool bStation) {
    DeleteRow(*state_, Emplacement(), {iPoints}, bStation);
}

ListResult clsDatabase::StarshipHullList(bool bStation) {
    return ListRows(*state_, Hull(), bStation);
}
std::shared_ptr<clsStarshipHull> clsDatabase::StarshipHullInfo(Integer iPoints, bool bStation) {
    return ReadAs<clsStarshipHull>(*state_, Hull(), {iPoints}, false, bStation);
}
void clsDatabase::AddStarshipHull(const clsStarshipHull* record) {
    AddRow(*state_, Hull(), record);
}
void clsDatabase::DelStarshipHull(Integer iPoints, bool bStation) {
    DeleteRow(*state_, Hull(), {iPoints}, bStation);
}

ListResult clsDatabase::StarshipLifeList(bool bStation) {
    return ListRows(*state_, Life(), bStation);
}
std::shared_ptr<clsStarshipCrew> clsDatabase::StarshipLifeInfo(Integer iPoints, bool bStation) {
    return ReadAs<clsStarshipCrew>(*state_, Life(), {iPoints}, false, bStation);
}
void clsDatabase::AddStarshipLife(const clsStarshipCrew* record) {
    AddRow(*state_, Life(), record);
}
void clsDatabase::DelStarshipLife(Integer iPoints, bool bStation) {
    DeleteRow(*state_, Life(), {iPoints}, bStation);
}

ListResult clsDatabase::StarshipHyperdriveList(bool bStation) {
    return ListRows(*state_, Hyperdrive(), bStation);
}
std::shared_ptr<clsStarshipHyperdrive> clsDatabase::StarshipHyperdriveInfo(
    const std::string& strDrive, bool bStation) {
    return ReadAs<clsStarshipHyperdrive>(*state_, Hyperdrive(), {strDrive}, false, bStation);
}
void clsDatabase::AddStarshipHyperdrive(const clsStarshipHyperdrive* record) {
    AddRow(*state_, Hyperdrive(), record);
}
void clsDatabase::DelStarshipHyperdrive(const std::string& strDrive, bool bStation) {
    DeleteRow(*state_, Hyperdrive(), {strDrive}, bStation);
}

ListResult clsDatabase::StarshipShieldsList(bool bStation) {
    return ListRows(*state_, Shields(), bStation);
}
std::shared_ptr<clsStarshipShields> clsDatabase::StarshipShieldsInfo(Integer iPoints,
                                                                     bool bStation) {
    return ReadAs<clsStarshipShields>(*state_, Shields(), {iPoints}, false, bStation);
}
void clsDatabase::AddStarshipShields(const clsStarshipShields* record) {
    AddRow(*state_, Shields(), record);
}
void clsDatabase::DelStarshipShields(Integer iPoints, bool bStation) {
    DeleteRow(*state_, Shields(), {iPoints}, bStation);
}

ListResult clsDatabase::StarshipSizeList(bool bStation) {
    return ListRows(*state_, SizeClasses(), bStation);
}
std::shared_ptr<clsStarshipSize> clsDatabase::StarshipSizeInfo(const std::string& strSize,
                                                               bool bStation) {
    return ReadAs<clsStarshipSize>(*state_, SizeClasses(), {strSize}, false, bStation);
}
void clsDatabase::AddStarshipSize(const clsStarshipSize* record) {
    AddRow(*state_, SizeClasses(), record);
}
void clsDatabase::DelStarshipSize(const std::string& strSize, bool bStation) {
    DeleteRow(*state_, SizeClasses(), {strSize}, bStation);
}

ListResult clsDatabase::StarshipStowageList(bool bStation) {
    return ListRows(*state_, Stowage(), bStation);
}
std::shared_ptr<clsStarshipStowage> clsDatabase::StarshipStowageInfo(Integer iPoints,
                                                                     bool bStation) {
    return ReadAs<clsStarshipStowage>(*state_, Stowage(), {iPoints}, false, bStation);
}
void clsDatabase::AddStarshipStowage(const clsStarshipStowage* record) {
    AddRow(*state_, Stowage(), record);
}
void clsDatabase::DelStarshipStowage(Integer iPoints, bool bStation) {
    DeleteRow(*state_, Stowage(), {iPoints}, bStation);
}

ListResult clsDatabase::StarshipSupplyList(bool bStation) {
    return ListRows(*state_, Supply(), bStation);
}
std::shared_ptr<clsStarshipSupply> clsDatabase::StarshipSupplyInfo(Integer iPoints, bool bStation) {
    return ReadAs<clsStarshipSupply>(*state_, Supply(), {iPoints}, false, bStation);
}
void clsDatabase::AddStarshipSupply(const clsStarshipSupply* record) {
    AddRow(*state_, Supply(), record);
}
void clsDatabase::DelStarshipSupply(Integer iPoints, bool bStation) {
    DeleteRow(*state_, Supply(), {iPoints}, bStation);
}

ListResult clsDatabase::StarshipEngineList(bool bStation) {
    return ListRows(*state_, Engine(), bStation);
}
std::shared_ptr<clsStarshipEngine> clsDatabase::StarshipEngineInfo(Integer iPoints, bool bStation) {
    return ReadAs<clsStarshipEngine>(*state_, Engine(), {iPoints}, false, bStation);
}
void clsDatabase::AddStarshipEngine(const clsStarshipEngine* record) {
    AddRow(*state_, Engine(), record);
}
void clsDatabase::DelStarshipEngine(Integer iPoints, bool bStation) {
    DeleteRow(*state_, Engine(), {iPoints}, bStation);
}

ListResult clsDatabase::StarshipYardsList() { return ListRows(*state_, Yards()); }
std::shared_ptr<clsStarshipYards> clsDatabase::StarshipYardsInfo(const std::string& strYards) {
    return ReadAs<clsStarshipYards>(*state_, Yards(), {strYards});
}
void clsDatabase::AddStarshipYards(const clsStarshipYards* record) {
    AddRow(*state_, Yards(), record);
}
void clsDatabase::DelStarshipYards(const std::string& strYards) {
    DeleteRow(*state_, Yards(), {strYards});
}

}  // namespace OrvaneLib
