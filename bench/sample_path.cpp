#include "sample_path.h"

#include <filesystem>

namespace bench {

std::string sample_path(const char* name) { return (std::filesystem::path(KVARO_SAMPLES) / name).string(); }

}  // namespace bench
