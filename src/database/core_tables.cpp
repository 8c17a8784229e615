// The tables of homeworlds, ages and sizes.
#include "database/table.hpp"
#include "orvane/database.hpp"
#include "orvane/records/core.hpp"

namespace OrvaneLib {

namespace {

using namespace detail;

const TableKind& Homeworlds() {
    static const TableKind kind = [] {
        TableKind k{
            .name = "Homeworld",
            .record = &Describe<clsHomeworld>::Kind(),
            .table = "tblHomeworlds",
            .keys = {{"Name", "Name"}},
            .test = TableTest::ReadOnly,
            .readStatement = {Form::B},
            .delStatement = {Form::Simple},
            .listLabel = "Property Get: HomeworldList",
            .readLabel = "Property Get: HomeworldInfo(",
            .addLabel = "Property Let: AddHomeworld(",
            .delLabel = "Property Let: DelHomeworld(",
            .emptyTable = "There are no Homeworld Records in the Database!",
            .readEmptyKey = "A Homeworld Search field was not corretly Identified.",
            .readNoMatch = "Unable to locate a Homeworld matching your criteria.",
            .delNoMatchSilent = true,
            .columns = {{"Name", "Name", Read::Key, Write::Always},
                        {"Sector", "Sector", Read::IfPresentNotNull, Write::IfPresentAndValue},
                        {"Region", "Region", Read::IfPresentNotNull, Write::IfPresentAndValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

const TableKind& Ages() {
    static const TableKind kind = [] {
        TableKind k{.name = "Age",
                    .record = &Describe<clsAge>::Kind(),
                    .table = "tblAges",
                    .keys = {{"Age", "Name"}},
                    .readStatement = {Form::A},
                    .delStatement = {Form::A},
                    .list = {.query = "qryAges", .queryIfExists = true},
                    .listLabel = "Property Get: AgeList",
                    .readLabel = "Property Get: GetAgeInfo(",
                    .addLabel = "Property Let: AddAge(",
                    .delLabel = "Property Let: DelAge(",
                    .emptyTable = "There are no Age Records in the Database!",
                    .readEmptyKey = "An Age Search field was not corretly Identified.",
                    .readNoMatch = "Unable to locate an Age matching your criteria.",
                    .columns = Join<ColumnDesc>(
                        {{{"Age", "Name", Read::Key, Write::Always}, {"Dead", "Dead"}},
                         ModifierColumns(),
                         {{"SpecialQualities", "SpecialQualities", Read::NotNull, Write::IfValue},
                          {"Synergy", "Synergy", Read::NotNull, Write::IfValue},
                          {"Order", "Order", Read::IfPresent, Write::IfPresent}}})};
        k.Resolve();
        return k;
    }();
    return kind;
}

const TableKind& Sizes() {
    static const TableKind kind = [] {
        TableKind k{.name = "Size",
                    .record = &Describe<clsSizes>::Kind(),
                    .table = "tblSizes",
                    .keys = {{"Name", "Name"}},
                    .readStatement = {Form::A},
                    .delStatement = {Form::A},
                    .list = {.query = "qrySizes", .queryIfExists = true},
                    .listLabel = "Property Get: SizeList",
                    .readLabel = "Property Get: GetSizeInfo(",
                    .addLabel = "Property Let: AddSize(",
                    .delLabel = "Property Let: DelSize(",
                    .emptyTable = "There are no Size Records in the Database!",
                    .readEmptyKey = "A Size Search field was not corretly Identified.",
                    .readNoMatch = "Unable to locate a Size matching your criteria.",
                    .columns = {{"Name", "Name", Read::Key, Write::Always},
                                {"Attack", "Attack"},
                                {"Defense", "Defense"},
                                {"Hide", "Hide"},
                                {"Punch", "Punch"},
                                {"Order", "Order", Read::IfPresent, Write::IfPresent},
                                {"DR", "DR", Read::IfPresent, Write::IfPresent},
                                {"MinHeight", "MinHeight", Read::IfPresent, Write::IfPresent},
                                {"MaxHeight", "MaxHeight", Read::IfPresent, Write::IfPresent},
                                {"MinWeight", "MinWeight", Read::IfPresent, Write::IfPresent},
                                {"MaxWeight", "MaxWeight", Read::IfPresent, Write::IfPresent},
                                {"BiteAttack", "BiteAttack", Read::IfPresentNotNull,
                                 Write::IfPresentAndValue}}};
        k.Resolve();
        return k;
    }();
    return kind;
}

}  // namespace

ORVANE_REGISTER_TABLE(Homeworlds)
ORVANE_REGISTER_TABLE(Ages)
ORVANE_REGISTER_TABLE(Sizes)

ListResult clsDatabase::HomeworldList() { return ListRows(*state_, Homeworlds()); }
std::shared_ptr<clsHomeworld> clsDatabase::HomeworldInfo(const std::string& strHomeworld) {
    return ReadAs<clsHomeworld>(*state_, Homeworlds(), {strHomeworld});
}
void clsDatabase::AddHomeworld(const clsHomeworld* record) {
    AddRow(*state_, Homeworlds(), record);
}
void clsDatabase::DelHomeworld(const std::string& name) {
    DeleteRow(*state_, Homeworlds(), {name});
}

ListResult clsDatabase::AgeList() { return ListRows(*state_, Ages()); }
std::shared_ptr<clsAge> clsDatabase::GetAgeInfo(const std::string& strAge) {
    return ReadAs<clsAge>(*state_, Ages(), {strAge});
}
void clsDatabase::AddAge(const clsAge* record) { AddRow(*state_, Ages(), record); }
void clsDatabase::DelAge(const std::string& name) { DeleteRow(*state_, Ages(), {name}); }

ListResult clsDatabase::SizeList() { return ListRows(*state_, Sizes()); }
std::shared_ptr<clsSizes> clsDatabase::GetSizeInfo(const std::string& strSize) {
    return ReadAs<clsSizes>(*state_, Sizes(), {strSize});
}
void clsDatabase::AddSize(const clsSizes* record) { AddRow(*state_, Sizes(), record); }
void clsDatabase::DelSize(const std::string& name) { DeleteRow(*state_, Sizes(), {name}); }

}  // namespace OrvaneLib
