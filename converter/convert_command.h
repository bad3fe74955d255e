#pragma once
// The Convert commands' common road: make sure of the catalog, draw the
// picture afresh, ask before replacing a file, convert, write the file
// whole, and report.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/modal.h"

namespace converter {

struct ConvertJob {
    std::string source;       // the opened picture's path
    std::string catalog;      // the catalog of this kind of output
    std::string extension;    // ".pic", ".bbd", ".11M"
    std::string error_title;  // "KVARO: Convbw"
    std::string program_name = "KVARO";
    std::string saved_title = "kvaro";
};

// Returns true when the file was written. Every failure has been shown.
bool run_convert(const ConvertJob& job, platform::Modal& modal, const std::function<void()>& draw,
                 const std::function<std::vector<std::uint8_t>()>& convert);

// The same for a file whose bytes depend on the path it goes to (a tape
// carries a name made from it): `convert` is given that path.
bool run_convert(const ConvertJob& job, platform::Modal& modal, const std::function<void()>& draw,
                 const std::function<std::vector<std::uint8_t>(const std::string& path)>& convert);

}  // namespace converter
