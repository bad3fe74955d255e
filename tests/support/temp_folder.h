#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

class TempFolder {
  public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

std::string sample(const std::string& name);        // path of a file in samples/
std::string test_data(const std::string& name);     // path of a file in tests/data/
std::string desktop_file(const std::string& name);  // path of a file in desktop/
void write_text(const std::string& path, const std::string& text);
std::string read_text(const std::string& path);
std::vector<std::uint8_t> read_bytes(const std::string& path);
bool exists(const std::string& path);
// Names in a folder, sorted; shows leftover temporary files.
std::vector<std::string> folder_names(const std::string& folder);

}  // namespace testing_support
