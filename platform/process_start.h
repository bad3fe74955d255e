#pragma once
// Starting another program as a process of its own: the caller neither
// waits for it nor watches it. Programs are named by their file name alone
// and looked up as `find_program` tells.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/failure.h"

namespace platform {

class ProcessStart {
  public:
    virtual ~ProcessStart() = default;
    // Starts `program` with `arguments`; no value when it started.
    virtual std::optional<Failure> start(const std::string& program,
                                         const std::vector<std::string>& arguments) = 0;
};

struct ProgramLookup {
    std::string path;  // empty when not found
    std::optional<Failure> failure;
};

// Finds the program file `name`: first in `own_folder`, then in each folder
// of `search_path` (folders separated by ':', as in PATH; empty entries are
// skipped). The first regular file that may be run wins. Found nowhere: the
// failure ENOENT; found only as files that may not be run: EACCES.
ProgramLookup find_program(std::string_view name, std::string_view own_folder,
                           std::string_view search_path);

}  // namespace platform
