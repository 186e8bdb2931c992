#include "core/appinfo/tceversioninfo.h"

#include "core/text/em.h"
#include "core/text/strutil.h"

#include <algorithm>
#include <fstream>

namespace tarnel {

namespace {
// Kept reversed here so that this file's own bytes never hold the marker.
std::string marker() {
    std::string m = "KCOLB-NOISREV-LENRAT";
    std::reverse(m.begin(), m.end());
    m.push_back('\0');
    return m;
}

constexpr size_t kMaxFile = 512u << 20; // larger files are no executables of ours
} // namespace

TCEVersionInfo::TCEVersionInfo() {
    GetInfo("/proc/self/exe");
}

void TCEVersionInfo::clear() {
    for (const Property& p : properties())
        *const_cast<std::string*>(p.value) = kNotAvailable;
}

void TCEVersionInfo::GetInfo(const std::string& fileName) {
    clear();
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return;
    // The block sits among the constant data near the start of the file: read until it
    // is found, keeping a marker's length of overlap between reads.
    const std::string m = marker();
    std::string bytes;
    size_t found = std::string::npos, searched = 0, total = 0;
    char buf[1 << 16];
    while (found == std::string::npos && total <= kMaxFile &&
           (in.read(buf, sizeof buf) || in.gcount() > 0)) {
        bytes.append(buf, static_cast<size_t>(in.gcount()));
        total += static_cast<size_t>(in.gcount());
        found = bytes.find(m, searched);
        if (found == std::string::npos && bytes.size() > m.size()) {
            bytes.erase(0, bytes.size() - m.size());
            searched = 0;
        }
    }
    if (found == std::string::npos) return;
    // The strings follow the marker; read on until the closing empty string.
    while (bytes.find(std::string(2, '\0'), found + m.size()) == std::string::npos &&
           (in.read(buf, sizeof buf) || in.gcount() > 0))
        bytes.append(buf, static_cast<size_t>(in.gcount()));
    std::string* fields[] = {&CompanyName,    &FileDescription, &FileVersion,      &Internalname,
                             &LegalCopyright, &LegalTradeMarks, &OriginalFilename, &ProductName,
                             &ProductVersion, &Comments};
    const char* keys[] = {"CompanyName",    "FileDescription", "FileVersion",      "InternalName",
                          "LegalCopyright", "LegalTradeMarks", "OriginalFilename", "ProductName",
                          "ProductVersion", "Comments"};
    for (size_t p = found + m.size(); p < bytes.size() && bytes[p] != '\0';) {
        size_t end = bytes.find('\0', p);
        if (end == std::string::npos) end = bytes.size();
        const std::string entry = bytes.substr(p, end - p);
        const size_t eq = entry.find('=');
        for (size_t k = 0; k < 10 && eq != std::string::npos; ++k)
            if (entry.compare(0, eq, keys[k]) == 0) *fields[k] = entry.substr(eq + 1);
        p = end + 1;
    }
    splitFileVersion();
}

void TCEVersionInfo::splitFileVersion() {
    MajorVersion = MinorVersion = Release = Build = kNotAvailable;
    if (FileVersion == kNotAvailable) return;
    const char sep = FileVersion.find('.') != std::string::npos   ? '.'
                     : FileVersion.find(',') != std::string::npos ? ','
                                                                  : 0;
    if (!sep) return;
    std::string* parts[] = {&MajorVersion, &MinorVersion, &Release};
    size_t from = 0;
    for (std::string* part : parts) {
        const size_t k = FileVersion.find(sep, from);
        if (k == std::string::npos) {
            // Fewer than four numbers: what is there fills from the left.
            *part = FileVersion.substr(from);
            from = std::string::npos;
            break;
        }
        *part = FileVersion.substr(from, k - from);
        from = k + 1;
    }
    if (from != std::string::npos) Build = FileVersion.substr(from);
}

int TCEVersionInfo::InternalVersion() const {
    const std::string text = trim(MajorVersion + MinorVersion);
    auto v = parseInt(text);
    if (!v) throw EM("'" + text + "' is not a valid integer value");
    return *v;
}

std::array<TCEVersionInfo::Property, 14> TCEVersionInfo::properties() const {
    return {{{"CompanyName", &CompanyName},
             {"FileDescription", &FileDescription},
             {"FileVersion", &FileVersion},
             {"Internalname", &Internalname},
             {"LegalCopyright", &LegalCopyright},
             {"LegalTradeMarks", &LegalTradeMarks},
             {"OriginalFilename", &OriginalFilename},
             {"ProductName", &ProductName},
             {"ProductVersion", &ProductVersion},
             {"Comments", &Comments},
             {"MajorVersion", &MajorVersion},
             {"MinorVersion", &MinorVersion},
             {"Release", &Release},
             {"Build", &Build}}};
}

} // namespace tarnel
