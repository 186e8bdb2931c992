#pragma once
// Display abbreviations from abrv.lst: a unit symbol of the data file mapped to the text
// shown for it. Only values that read back as one name token are kept, so every shown
// text can be stored again.

#include "core/notation/notation.h"
#include "core/text/messages.h"

#include <string>
#include <unordered_map>

namespace tarnel {

class AbbrevList {
  public:
    AbbrevList() = default;
    /// Loads the file when it exists; lines without "=" or whose value is not a single
    /// name token are ignored.
    static AbbrevList fromFile(const std::string& path, IMessages& messages);
    static AbbrevList fromLines(const std::vector<std::string>& lines);

    /// The value of the first line named s (exact), else s.
    const std::string& AbbrevOf(const std::string& s) const;
    /// The name of the first line whose value is s (exact), else s.
    const std::string& UnabbrevOf(const std::string& s) const;
    bool empty() const { return fToShown.empty(); }

  private:
    std::unordered_map<std::string, std::string> fToShown, fToStored;
};

/// The quantity text with every symbol replaced by its display form, re-printed; a unit
/// part that does not parse prints as "[]", with its message in `why`.
std::string DisplayField(const std::string& t, const AbbrevList& abbr, int prec,
                         std::string* why = nullptr);
/// The quantity text with every display form replaced by its symbol, re-printed.
std::string StoreField(const std::string& t, const AbbrevList& abbr, int prec,
                       std::string* why = nullptr);

} // namespace tarnel
