// Replays fuzz inputs through a target on an ordinary optimised build and reports the
// slowest input: libFuzzer's time-out counts whole seconds, inputs must take milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
void collect(const std::string& path, std::vector<std::string>& files) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return;
    if (S_ISREG(st.st_mode)) {
        files.push_back(path);
        return;
    }
    DIR* d = ::opendir(path.c_str());
    if (!d) return;
    while (dirent* e = ::readdir(d))
        if (e->d_name[0] != '.') collect(path + "/" + e->d_name, files);
    ::closedir(d);
}
} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i)
        collect(argv[i], files);
    double slowest = 0, total = 0;
    std::string slowestFile;
    size_t slowestSize = 0;
    for (const auto& f : files) {
        std::ifstream in(f, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        const std::string data = ss.str();
        if (data.size() > 4096) continue; // the bound the time limit is about
        const auto t0 = std::chrono::steady_clock::now();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(data.data()), data.size());
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count();
        total += ms;
        if (ms > slowest) {
            slowest = ms;
            slowestFile = f;
            slowestSize = data.size();
        }
    }
    std::printf("%zu inputs, %.1f ms in all, slowest %.3f ms (%zu bytes): %s\n", files.size(),
                total, slowest, slowestSize, slowestFile.c_str());
    return slowest < 10.0 ? 0 : 1;
}
