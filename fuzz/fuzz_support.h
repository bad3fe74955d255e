#pragma once
// Helpers shared by the fuzz targets: a scratch folder of this process for
// the targets that go through files, and a check that stops the run.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

namespace fuzz {

// A folder for this process's files: KVARO_FUZZ_SCRATCH (fuzz/run.sh sets
// it and removes it afterwards), else one in /tmp named after the process.
inline const std::string& scratch_folder() {
    static const std::string folder = [] {
        const char* given = std::getenv("KVARO_FUZZ_SCRATCH");
        const std::filesystem::path path = given ? std::filesystem::path(given)
                                                 : std::filesystem::temp_directory_path() /
                                                       ("kvaro-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return folder;
}

inline void write_bytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Stops the run with a crash that libFuzzer keeps as an artifact.
inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace fuzz
