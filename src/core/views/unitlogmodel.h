#pragma once
// The History view's log as plain data: the conversions the user made, newest first, at
// most 199, kept as the grid's cells (row 0 the header) and stored in TarnelUC.log in the
// grid's cell-by-cell text format (UTF-16 LE with byte-order mark, CR LF).
// Nothing recorded is lost: the file is written atomically after each recorded entry, a
// damaged file is set aside as TarnelUC.log.bak, and a reload of the unit data keeps the
// entries.

#include "core/text/messages.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tarnel {

class TfmIOModel;

class TfmUnitLogModel {
  public:
    static constexpr int kColumns = 4;
    static constexpr int kMaxEntries = 199;
    using Row = std::array<std::string, kColumns>;

    /// `file` is the log's path; `now` gives the entry's date text (" " + date + time + "  ").
    TfmUnitLogModel(std::string file, IMessages& messages, std::function<std::string()> now);

    /// Reads the file once (start-up). A later call keeps the entries in memory: they are
    /// what the file holds plus what was recorded since.
    void Init();
    /// Records the panel's pair when the rules allow; true when an entry was added (then
    /// the file is written).
    bool Execute(const TfmIOModel& io);

    /// Rows in grid order: the header, then the entries (at least one row, maybe empty).
    const std::vector<Row>& rows() const { return fRows; }
    int entryCount() const;
    std::array<int, kColumns>& widths() { return fWidths; }

    /// Puts entry `row` back into the panel: its source (or with `targetButton` its
    /// target) as the source; with `doubleClick` its target as the target, else an empty
    /// target.
    void putBack(TfmIOModel& io, int row, bool targetButton, bool doubleClick) const;
    /// The trimmed source " = " target of an entry, for the clipboard.
    std::string copyText(int row) const;

    /// The file's text (UTF-8; the caller encodes) and reading it back.
    std::string fileText() const;
    /// Reads a file's lines; false with the message when the counts are unusable.
    bool readLines(const std::vector<std::string>& lines, std::string& why);
    /// Writes the file atomically; a failure is shown and nothing is lost in memory.
    void save();

  private:
    void clear();

    std::string fFile;
    IMessages& fMessages;
    std::function<std::string()> fNow;
    std::vector<Row> fRows;
    std::array<int, kColumns> fWidths{};
    bool fLoaded = false;
};

} // namespace tarnel
