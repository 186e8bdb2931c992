#pragma once
// Typed spellings from spellings.lst beside the unit data file: a name a person may type
// (degC, Nm) mapped to the stored unit text it stands for (°C, N.m). Used only where a
// person's text enters, and only for names that no unit has as its symbol.

#include "core/notation/typedtext.h"

#include <string>

namespace tarnel {

/// The spellings of `path`; empty when the file does not exist. Lines whose name is not
/// a plain name or whose value is not a unit part are ignored.
SpellingMap loadSpellings(const std::string& path);

/// spellings.lst in the folder of a unit data file.
std::string spellingsFileFor(const std::string& unitFile);

} // namespace tarnel
