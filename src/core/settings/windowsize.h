#pragma once
// The window-size file: exactly the two keys Width and Height.

#include <string>

namespace tarnel {

struct WindowSize {
    int width = 640;
    int height = 420;
};

/// Reads the file; a missing or non-integer value gives 640 / 420. A missing file
/// throws EM "Error: file not found - " + path.
WindowSize readWindowSize(const std::string& path);
/// Writes the two lines "Width=" and "Height=", replacing the whole file atomically.
void writeWindowSize(const std::string& path, const WindowSize& size);

} // namespace tarnel
