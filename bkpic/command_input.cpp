#include "bkpic/command_input.h"

#include <unistd.h>

#include "bkpic/batch.h"
#include "bkpic/info.h"
#include "formats/tape.h"
#include "viewer/tape_screen.h"

namespace bkpic {

platform::WholeInput read_input(const std::string& name, std::size_t limit) {
    if (name == standard_input_name) return platform::read_whole_descriptor(STDIN_FILENO, limit);
    return platform::read_whole_input(name, limit);
}

std::span<const std::uint8_t> bytes_of(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::size_t read_limit_for(const std::string& path) {
    return viewer::is_tape_name(path) ? bk::tape::wav_read_limit : bk_file_read_limit;
}

std::optional<platform::Failure> input_failure(const platform::WholeInput& read,
                                               const std::string& path) {
    return viewer::is_tape_name(path) ? read.whole_or_failure() : read.failure;
}

}  // namespace bkpic
