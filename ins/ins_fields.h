// The fields of InsState and InsTransfer by name, for tools and scenarios that stand in for the
// navigation source or inspect what the unit published.
#pragma once

#include "ins_state.h"

#include <string>
#include <vector>

enum class FieldType { Int32, Double };

struct FieldRef {
    std::string Name; // e.g. "DistanceToGo", "WptLat[3]", "TkeReference"
    bool InTransfer;  // false: InsState, true: InsTransfer
    size_t Offset;
    FieldType Type;
};

// Every named field, arrays element by element, in record order.
const std::vector<FieldRef>& AllFields();

// Looks a field up by name (exact, case-sensitive). Returns null for an unknown name.
const FieldRef* FindField(const std::string& name);

// The names that a navigation source owns.
bool IsNavigationSourceField(const FieldRef& field);

double ReadField(const FieldRef& field, const InsState& ins, const InsTransfer& transfer);

// Stores `value` (converted with WholeNumber for an int32 field).
void WriteField(const FieldRef& field, double value, InsState& ins, InsTransfer& transfer);
