#include "core/views/unitlogmodel.h"

#include "core/text/codec.h"
#include "core/text/strutil.h"
#include "core/text/textfile.h"
#include "core/views/iopanelmodel.h"

#include <algorithm>
#include <cstdio>

namespace tarnel {

namespace {
const TfmUnitLogModel::Row kHeader = {"Date.Time", "Source", "", "Target"};
// Counts beyond these are no history of ours: the file is damaged.
constexpr int kMaxFileColumns = 64;
constexpr int kMaxFileRows = 100000;
constexpr int kMaxWidth = 10000;

bool emptyRow(const TfmUnitLogModel::Row& r) {
    return std::all_of(r.begin(), r.end(), [](const std::string& c) { return c.empty(); });
}

// Cells are single lines; a CR, LF or NUL is stored as 9, 8, 1 (the grid's own rule).
std::string encodeCell(const std::string& s) {
    if (s.find('\r') == std::string::npos) return s;
    std::string out = s;
    for (char& c : out)
        c = c == '\r' ? '\x09' : c == '\n' ? '\x08' : c == '\0' ? '\x01' : c;
    return out;
}

std::string decodeCell(std::string s) {
    if (s.find('\x08') != std::string::npos)
        for (char& c : s)
            c = c == '\x09' ? '\r' : c == '\x08' ? '\n' : c == '\x01' ? '\0' : c;
    const size_t cr = s.find('\r');
    return cr == std::string::npos ? s : s.substr(0, cr);
}

int intOr0(std::string_view s) {
    return parseIntOr(s, 0);
}
} // namespace

TfmUnitLogModel::TfmUnitLogModel(std::string file, IMessages& messages,
                                 std::function<std::string()> now)
    : fFile(std::move(file)), fMessages(messages), fNow(std::move(now)) {
    clear();
}

void TfmUnitLogModel::clear() {
    fRows = {kHeader, Row{}};
}

int TfmUnitLogModel::entryCount() const {
    int n = 0;
    for (size_t r = 1; r < fRows.size(); ++r)
        if (!emptyRow(fRows[r])) ++n;
    return n;
}

void TfmUnitLogModel::Init() {
    // Read once: a reload of the unit data must not drop what was recorded since.
    if (fLoaded) return;
    fLoaded = true;
    if (!fileExists(fFile)) return;
    std::string why;
    try {
        if (readLines(splitLines(decodeText(readFileBytes(fFile))), why)) return;
    } catch (const std::exception& e) {
        why = e.what();
    }
    clear();
    // Keep the damaged file for the user; the next save would overwrite it.
    std::rename(fFile.c_str(), (fFile + ".bak").c_str());
    fMessages.info(why);
}

bool TfmUnitLogModel::readLines(const std::vector<std::string>& lines, std::string& why) {
    const std::string first = lines.empty() ? std::string() : lines[0];
    const size_t comma = first.find(',');
    const int cols = intOr0(first.substr(0, comma));
    const int rows = comma == std::string::npos ? 0 : intOr0(first.substr(comma + 1));
    if (cols <= 0 || rows <= 0 || cols > kMaxFileColumns || rows > kMaxFileRows) {
        why = "File contains no data or corrupt file " + fFile;
        return false;
    }
    std::vector<Row> grid(static_cast<size_t>(rows));
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        if (l.rfind("cw", 0) == 0) {
            const size_t k = l.find(',');
            if (k == std::string::npos || k < 3) continue;
            const int c = intOr0(l.substr(3, k - 3));
            if (c >= 0 && c < kColumns)
                fWidths[static_cast<size_t>(c)] = std::clamp(intOr0(l.substr(k + 1)), 0, kMaxWidth);
            continue;
        }
        const size_t a = l.find(','), b = a == std::string::npos ? a : l.find(',', a + 1);
        if (b == std::string::npos) continue;
        const auto c = parseInt(l.substr(0, a)), r = parseInt(l.substr(a + 1, b - a - 1));
        if (!c || !r || *c < 0 || *r < 0 || *c >= std::min(cols, kColumns) || *r >= rows) continue;
        grid[static_cast<size_t>(*r)][static_cast<size_t>(*c)] = decodeCell(l.substr(b + 1));
    }
    grid[0] = kHeader;
    // At most the newest 199 entries and at least one (maybe empty) row.
    if (grid.size() > kMaxEntries + 1) grid.resize(kMaxEntries + 1);
    if (grid.size() == 1) grid.push_back(Row{});
    fRows = std::move(grid);
    return true;
}

bool TfmUnitLogModel::Execute(const TfmIOModel& io) {
    const std::string src = trim(io.Source()), trg = trim(io.Target());
    if (src.empty() || src == "[]" || io.TargetEmpty()) return false;
    const Row& newest = fRows[1];
    if (trim(newest[1]) == src && trim(newest[3]) == trg) return false;
    const TDimRec s = io.DimRec(TSrcTrg::Src), t = io.DimRec(TSrcTrg::Trg);
    if (trim(s.ValuStr).empty() || trim(s.UnitsStr).empty() || trim(t.UnitsStr).empty())
        return false;
    const Row entry = {fNow(), io.Source(), "=", io.Target()};
    if (emptyRow(fRows[1]))
        fRows[1] = entry;
    else
        fRows.insert(fRows.begin() + 1, entry);
    if (fRows.size() > kMaxEntries + 1) fRows.resize(kMaxEntries + 1);
    save();
    return true;
}

void TfmUnitLogModel::putBack(TfmIOModel& io, int row, bool targetButton, bool doubleClick) const {
    if (row < 1 || row >= static_cast<int>(fRows.size())) return;
    const Row& r = fRows[static_cast<size_t>(row)];
    if (emptyRow(r)) return;
    io.setSource(trim(targetButton ? r[3] : r[1]));
    io.setTarget(doubleClick ? trim(r[3]) : std::string());
    if (io.OnEditModeChange) io.OnEditModeChange();
}

std::string TfmUnitLogModel::copyText(int row) const {
    if (row < 1 || row >= static_cast<int>(fRows.size())) return "";
    const Row& r = fRows[static_cast<size_t>(row)];
    return trim(r[1]) + " = " + trim(r[3]);
}

std::string TfmUnitLogModel::fileText() const {
    std::string out = std::to_string(kColumns) + "," + std::to_string(fRows.size()) + "\r\n";
    for (int c = 0; c < kColumns; ++c)
        out += "cw " + std::to_string(c) + "," + std::to_string(fWidths[static_cast<size_t>(c)]) +
               "\r\n";
    for (size_t r = 0; r < fRows.size(); ++r)
        for (int c = 0; c < kColumns; ++c) {
            const std::string& cell = fRows[r][static_cast<size_t>(c)];
            if (cell.empty()) continue;
            out += std::to_string(c) + "," + std::to_string(r) + "," + encodeCell(cell) + "\r\n";
        }
    return out;
}

void TfmUnitLogModel::save() {
    try {
        writeFileAtomic(fFile, encodeUtf16le(fileText())); // with its byte-order mark
    } catch (const std::exception& e) {
        fMessages.info(e.what()); // the entries stay in memory for the next try
    }
}

} // namespace tarnel
