#pragma once
// A quantity in SI base units: core units that the unit data defines in base units are
// replaced by their definitions, and named units the user asks for come back in (times
// the unit, divided by its definition, so the value stays). Shared by the headless
// converter's base command and the Base view.

#include "core/notation/notation.h"
#include "core/unitdata/tcats.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tarnel {

/// A unit with its degree and its definition in base units ("1" for a pure number).
struct BaseRow {
    std::string sym;
    int32_t degree = 0;
    std::string def;
};

/// symbol, definition of every core unit with a base definition, in database order.
std::vector<std::pair<std::string, std::string>> baseDefinitions(TCats& db);

/// s with every unit that has a row in `replaced` (the first row whose symbol equals it
/// exactly) swapped for that row's definition to the row's degree ("1" drops the unit),
/// then every row of `included` multiplied in as unit^degree / definition^degree.
TDimRec inBaseUnits(const TDimRec& s, const std::vector<BaseRow>& replaced,
                    const std::vector<BaseRow>& included);

} // namespace tarnel
