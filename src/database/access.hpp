// What the whole-database functions (maintenance.hpp) reach behind the public types: a
// database's state and a kind's table description.
#pragma once

#include <string>
#include <vector>

#include "database/state.hpp"
#include "database/table.hpp"
#include "orvane/database.hpp"
#include "orvane/kinds.hpp"

namespace OrvaneLib::detail {

struct StateAccess {
    static DatabaseState& Of(clsDatabase& db) { return *db.state_; }
};

// The table kind behind a KindInfo (found by its name, which is unique).
const TableKind& TableOf(const KindInfo& kind);

// The record kind of a block field's nested record, and the block row of a kind (none when
// the kind has no block).
const Field* BlockRow(const RecordKind& kind);

// The tables of the record kinds, each once (two kinds may share a table), in the order of
// the kinds' names: the first kind by name stands for its table.
std::vector<const TableKind*> RecordTables();

// A cell as text (numbers in decimal); a null gives the empty text.
std::string CellAsText(const dal::RowView& row, int position);

}  // namespace OrvaneLib::detail
