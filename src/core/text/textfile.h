#pragma once
// Whole-file reads and atomic writes. Every file the program writes goes to a
// temporary file in the same folder first and is renamed over the old one, so a full
// disk or a crash never leaves a half-written file behind.

#include <cstddef>
#include <string>
#include <vector>

namespace tarnel {

constexpr size_t kSmallFileCap = 4u << 20; // settings, window size, lists
constexpr size_t kUnitFileCap = 64u << 20; // unit data files

/// A regular file exists at the path.
bool fileExists(const std::string& path);
bool dirExists(const std::string& path);
/// The current user may write into the folder.
bool dirWritable(const std::string& path);

/// Reads the whole file; throws EM with a clear message when it cannot be read or is
/// larger than `cap` bytes.
std::string readFileBytes(const std::string& path, size_t cap = kSmallFileCap);
/// Writes bytes atomically (temporary file, then rename); throws EM on failure and
/// leaves any old file untouched.
void writeFileAtomic(const std::string& path, const std::string& bytes);

/// Reads a text file (BOM or Windows-1252) into lines; throws EM when unreadable.
std::vector<std::string> readTextLines(const std::string& path, size_t cap = kSmallFileCap);
/// Writes lines as Windows-1252 with CR LF after each, atomically.
void writeTextLines(const std::string& path, const std::vector<std::string>& lines);

/// The file's text with CR LF after every line, narrowed to Windows-1252; "" when the
/// file does not exist.
std::string LoadTextFile(const std::string& fileName, size_t cap = kUnitFileCap);
/// Narrows to Windows-1252, splits into lines and writes them with CR LF, atomically.
void SaveTextFile(const std::string& text, const std::string& fileName);

} // namespace tarnel
