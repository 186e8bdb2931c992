#include "core/text/textfile.h"

#include "core/text/codec.h"
#include "core/text/em.h"
#include "core/text/strutil.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnel {

namespace {
std::string sysError() {
    return std::strerror(errno);
}

std::string folderOf(const std::string& path) {
    size_t k = path.rfind('/');
    if (k == std::string::npos) return ".";
    return k == 0 ? "/" : path.substr(0, k);
}
} // namespace

bool fileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool dirExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool dirWritable(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

std::string readFileBytes(const std::string& path, size_t cap) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw EM("Cannot read file " + path + ": " + sysError());
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw EM("Cannot read file " + path + ": not a regular file");
    }
    if (static_cast<unsigned long long>(st.st_size) > cap) {
        ::close(fd);
        throw EM("File " + path + " is too large (" + std::to_string(st.st_size) +
                 " bytes; the limit is " + std::to_string(cap) + ")");
    }
    std::string data;
    data.resize(static_cast<size_t>(st.st_size));
    size_t got = 0;
    for (;;) {
        if (got == data.size()) {
            if (data.size() >= cap + 1) break;
            data.resize(std::min(cap + 1, data.size() + 4096)); // the file may have grown
        }
        ssize_t r = ::read(fd, &data[got], data.size() - got);
        if (r < 0) {
            if (errno == EINTR) continue;
            int e = errno;
            ::close(fd);
            errno = e;
            throw EM("Cannot read file " + path + ": " + sysError());
        }
        if (r == 0) break;
        got += static_cast<size_t>(r);
    }
    ::close(fd);
    if (got > cap)
        throw EM("File " + path + " is too large (the limit is " + std::to_string(cap) + " bytes)");
    data.resize(got);
    return data;
}

void writeFileAtomic(const std::string& path, const std::string& bytes) {
    const std::string dir = folderOf(path);
    std::string tmpl = dir + "/.tarnel-XXXXXX";
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0) throw EM("Cannot write file " + path + ": " + sysError());
    auto fail = [&](const std::string& why) {
        ::close(fd);
        ::unlink(tmpl.c_str());
        throw EM("Cannot write file " + path + ": " + why);
    };
    struct stat st {};
    mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (w < 0) {
            if (errno == EINTR) continue;
            fail(sysError());
        }
        done += static_cast<size_t>(w);
    }
    if (::fsync(fd) != 0) fail(sysError());
    if (::close(fd) != 0) {
        std::string why = sysError();
        ::unlink(tmpl.c_str());
        throw EM("Cannot write file " + path + ": " + why);
    }
    if (::rename(tmpl.c_str(), path.c_str()) != 0) {
        std::string why = sysError();
        ::unlink(tmpl.c_str());
        throw EM("Cannot write file " + path + ": " + why);
    }
}

std::vector<std::string> readTextLines(const std::string& path, size_t cap) {
    return splitLines(decodeText(readFileBytes(path, cap)));
}

void writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    writeFileAtomic(path, encodeCp1252(text));
}

namespace {
// Bytes that end a plain run when decoding Windows-1252 text: CR, LF and the upper half.
struct SpecialBytes {
    bool is[256] = {};
    SpecialBytes() {
        is['\r'] = is['\n'] = true;
        for (int b = 0x80; b < 256; ++b)
            is[b] = true;
    }
    bool operator[](unsigned char b) const { return is[b]; }
};
const SpecialBytes kSpecial;
} // namespace

std::string LoadTextFile(const std::string& fileName, size_t cap) {
    if (!fileExists(fileName)) return "";
    const std::string bytes = readFileBytes(fileName, cap);
    const bool marked = bytes.rfind("\xEF\xBB\xBF", 0) == 0 || bytes.rfind("\xFF\xFE", 0) == 0 ||
                        bytes.rfind("\xFE\xFF", 0) == 0;
    if (marked) {
        std::string out;
        for (const auto& l : splitLines(decodeText(bytes))) {
            out += l;
            out += "\r\n";
        }
        return narrowToCp1252(out);
    }
    // Windows-1252 (which needs no narrowing) decoded with CR LF after every line, in one
    // pass: unit files are large and start-up reads one on every run.
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16 + 2);
    const size_t n = bytes.size();
    size_t i = 0;
    while (i < n) {
        size_t j = i;
        while (j < n && !kSpecial[static_cast<unsigned char>(bytes[j])])
            ++j;
        out.append(bytes, i, j - i);
        if (j == n) break;
        const auto c = static_cast<unsigned char>(bytes[j]);
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            j += c == '\r' && j + 1 < n && bytes[j + 1] == '\n' ? 2 : 1;
        } else {
            appendUtf8(out, cp1252ToUnicode(c));
            ++j;
        }
        i = j;
    }
    if (n && bytes[n - 1] != '\r' && bytes[n - 1] != '\n') out += "\r\n";
    return out;
}

void SaveTextFile(const std::string& text, const std::string& fileName) {
    writeTextLines(fileName, splitLines(narrowToCp1252(text)));
}

} // namespace tarnel
