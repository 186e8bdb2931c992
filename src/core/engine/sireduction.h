#pragma once
// A unit part reduced to SI unit by unit: the factor that takes a value in those units to
// SI, and the degrees over the base symbols. Unlike the engine's field, which refuses
// two units of one category (a view must show one row per category), this reads ratios
// such as mg/kg or mm/m. The radian and the steradian count as symbols of their own, so
// an angle never passes for a ratio, nor a turn for a cycle.

#include "core/notation/notation.h"
#include "core/unitdata/tcats.h"

#include <cstdint>
#include <map>
#include <string>

namespace tarnel {

using BaseDegrees = std::map<std::string, int64_t>;

struct SIReduction {
    bool ok = false;
    double factor = 1;    // value in the units x factor = value in SI
    BaseDegrees base;     // no zero degrees
    std::string ruleUnit; // a scale with an offset met alone (it has no factor)
    std::string error;
};

/// Reduces parsed unit entries over the database.
SIReduction reduceToSI(const TCats& db, const UnitEntries& entries);
/// The degrees of a core unit with a base definition, rad and sr included.
void addCoreDegrees(TUnit& core, int64_t degree, BaseDegrees& out);
/// "m/s" for base degrees; "1" when there are none. Degrees saturate at 32 bits.
std::string baseDegreesText(const BaseDegrees& m);
/// The degrees with every sign flipped.
BaseDegrees inverted(const BaseDegrees& m);

} // namespace tarnel
