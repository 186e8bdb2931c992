#pragma once
// The unit database: the enabled categories of a unit data file in file order, a flat
// list of all their units, the links of supplementary categories, and a symbol index
// so that finding a unit costs one hash lookup.

#include "core/text/messages.h"
#include "core/unitdata/tcat.h"

#include <string>
#include <unordered_map>

namespace tarnel {

class TCats {
  public:
    TCats() = default;
    /// Loads the file when it exists (narrowed to Windows-1252); a missing file leaves
    /// the database empty without a message.
    explicit TCats(const std::string& filename);
    virtual ~TCats() = default;
    TCats(const TCats&) = delete;
    TCats& operator=(const TCats&) = delete;

    /// Clears, parses and loads. A parse error leaves the database empty with a null Data
    /// and its message in LoadError (also shown through the message interface, when one
    /// is set); a supplementary-link error clears it and throws EM.
    void LoadFromString(std::string txt);
    /// LoadFromString of the file's text when it exists; false when it does not.
    bool LoadFromFile(const std::string& filename);
    /// Loads an already parsed document (used to share one parse between engines).
    void LoadFromDocument(const XmlDocPtr& doc);
    virtual void Clear();

    int Count() const { return static_cast<int>(fItems.size()); }
    TCat* Items(int index) const {
        return index >= 0 && index < Count() ? fItems[static_cast<size_t>(index)].get() : nullptr;
    }
    int Add(std::unique_ptr<TCat> item);
    /// First category whose name equals the trimmed argument without case; -1 if none.
    int IndexOfName(const std::string& catName) const;
    /// First category (in load order) holding a unit with exactly this (trimmed) symbol.
    bool WhereIsUnit(const std::string& unitAbrv, int& catIdx, int& unitIdx) const;
    std::vector<TCat*> Subset(const TSetCatKind& kinds) const;
    /// Index of a loaded category object, or -1.
    int IndexOf(const TCat* cat) const;

    const IXMLUnitsDataType& Data() const { return fData; }
    /// The parser's message of the last load; "" when it parsed.
    const std::string& LoadError() const { return fLoadError; }
    /// Where load errors are shown; none by default.
    void setMessages(IMessages* messages) { fMessages = messages; }
    const XmlDocPtr& Document() const { return fDoc; }
    TUnitList AllUnits;

  private:
    void linkSupplementary();

    XmlDocPtr fDoc;
    IXMLUnitsDataType fData;
    std::string fLoadError;
    IMessages* fMessages = nullptr;
    std::vector<std::unique_ptr<TCat>> fItems;
    std::unordered_map<std::string, std::pair<int, int>> fBySymbol;
    std::unordered_map<const TCat*, int> fIndexOf;
};

} // namespace tarnel
