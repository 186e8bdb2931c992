#pragma once
// A list of name=value lines, as settings, the window-size file and the abbreviation
// list store them. The name is the text before the first "=" (not trimmed), names are
// compared without case, and the first matching line wins.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

class NameValueList {
  public:
    NameValueList() = default;
    explicit NameValueList(std::vector<std::string> lines) : fLines(std::move(lines)) {}

    /// Replaces the content by the lines of a text.
    void setText(std::string_view text);
    /// Every line followed by CR LF.
    std::string text() const;

    /// Index of the first line whose name equals `name` without case; -1 if none.
    int indexOfName(std::string_view name) const;
    /// The value of the first line named `name`; nullopt when there is none.
    std::optional<std::string> value(std::string_view name) const;
    std::string valueOr(std::string_view name, std::string_view def = "") const;
    /// Rewrites the first line named `name`, or appends one.
    void setValue(std::string_view name, std::string_view value);

    static std::string nameOf(std::string_view line);
    static std::string valueOf(std::string_view line);

    const std::vector<std::string>& lines() const { return fLines; }
    std::vector<std::string>& lines() { return fLines; }
    bool empty() const { return fLines.empty(); }
    size_t size() const { return fLines.size(); }
    void clear() { fLines.clear(); }
    void add(std::string line) { fLines.push_back(std::move(line)); }

    /// Loads a file (BOM or Windows-1252); throws EM when it exists but cannot be read.
    void loadFromFile(const std::string& path);
    /// Writes the lines as Windows-1252 with CR LF, atomically; throws EM on failure.
    void saveToFile(const std::string& path) const;

  private:
    std::vector<std::string> fLines;
};

} // namespace tarnel
