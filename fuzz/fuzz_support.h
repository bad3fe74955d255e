#pragma once
// Helpers shared by the fuzz targets: a scratch folder of this process for
// the targets that go through files, the bounded picture window of the
// targets that draw, and a check that stops the run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace fuzz {

// KVARO_FUZZ_SCRATCH when it is set (fuzz/run.sh sets it and removes it
// afterwards), else a new folder in the temporary folder, removed when the
// process ends.
class ScratchFolder {
  public:
    ScratchFolder() {
        if (const char* given = std::getenv("KVARO_FUZZ_SCRATCH")) {
            path_ = given;
            std::filesystem::create_directories(path_);
            return;
        }
        std::string pattern = (std::filesystem::temp_directory_path() / "kvaro-fuzz-XXXXXX");
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (::mkdtemp(name.data()) == nullptr) std::abort();
        path_ = name.data();
        owned_ = true;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        if (owned_) std::filesystem::remove_all(path_, ignored);
    }

    const std::string& path() const { return path_; }

  private:
    std::string path_;
    bool owned_ = false;
};

inline const std::string& scratch_folder() {
    static const ScratchFolder folder;
    return folder.path();
}

inline void write_bytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// The drawing targets draw into the top of a picture window only: its first
// two rows, and of each at most the width of the widest BK screen. A decoder
// walks every row, and every byte of a row, by the same steps, so two rows
// take it along each of its paths, from one row to the next too; and the
// size of the picture that an input declares no longer sets its cost.
inline constexpr int max_drawn_width = 512;
inline constexpr int max_drawn_rows = 2;

struct Area {
    int width = 0;
    int height = 0;
};

inline Area bounded_window(Area window) {
    return {std::min(window.width, max_drawn_width), std::min(window.height, max_drawn_rows)};
}

// Stops the run with a crash that libFuzzer keeps as an artifact.
inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace fuzz
