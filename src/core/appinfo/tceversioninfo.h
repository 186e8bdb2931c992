#pragma once
// Version information of an executable: the ten strings of the version block that our
// build puts into every executable, and the four numbers of its file version. A file
// without the block (any program not built here) reads "<info not available>" throughout.

#include <array>
#include <string>

namespace tarnel {

class TCEVersionInfo {
  public:
    static constexpr const char* kNotAvailable = "<info not available>";

    /// Reads the running program's own file.
    TCEVersionInfo();
    /// Fills every property from the version block of the file `fileName`.
    void GetInfo(const std::string& fileName);
    /// MajorVersion + "." + MinorVersion.
    std::string CompVersion() const { return MajorVersion + "." + MinorVersion; }
    /// MajorVersion followed by MinorVersion as an integer (3 and 6 give 36); throws EM
    /// "'<text>' is not a valid integer value" when that does not read.
    int InternalVersion() const;

    std::string CompanyName, FileDescription, FileVersion, Internalname, LegalCopyright,
        LegalTradeMarks, OriginalFilename, ProductName, ProductVersion, Comments;
    std::string MajorVersion, MinorVersion, Release, Build;

    /// The fourteen properties in their order, as name and value.
    struct Property {
        const char* name;
        const std::string* value;
    };
    std::array<Property, 14> properties() const;

  private:
    void clear();
    void splitFileVersion();
};

} // namespace tarnel
