#pragma once
#include <string>

namespace platform {

// The folder that holds the running program's executable, without a
// trailing slash.
std::string program_folder();

// The command-line arguments as one text: the arguments joined by single
// blanks, nothing trimmed; empty when there are none.
std::string argument_text(int argc, const char* const* argv);

}  // namespace platform
