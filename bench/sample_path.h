#pragma once
#include <string>

namespace bench {

// The path of a picture in samples/.
std::string sample_path(const char* name);

}  // namespace bench
