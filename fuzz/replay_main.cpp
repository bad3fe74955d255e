// Runs a fuzz target without libFuzzer: each argument is a file or a folder
// of files, and every file is fed once to LLVMFuzzerTestOneInput, in name
// order. Each input gets a heap block of exactly its size, as under
// libFuzzer, so that AddressSanitizer sees a read past its end.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> files_in(const fs::path& given) {
    if (!fs::is_directory(given)) return {given};
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(given))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

bool replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) {
        std::fprintf(stderr, "cannot open %s\n", file.c_str());
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    const auto input = std::make_unique<std::uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), input.get());
    LLVMFuzzerTestOneInput(input.get(), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& file : files_in(argv[i])) {
            if (!replay(file)) return 1;
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    // No input at all means a corpus that is missing or misnamed.
    return replayed > 0 ? 0 : 1;
}
