#pragma once
// Where each input's output goes, writing it whole or not at all, and the
// one line per file that bkpic prints.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>

namespace bkpic {

struct OutputOptions {
    std::string file;    // -o: the one output file
    std::string folder;  // --outdir; empty: beside each input
    bool force = false;  // replace existing outputs
};

// The name that stands for standard input among the input files.
inline constexpr const char* standard_input_name = "-";

// The output path of `input`: -o when given, else the input path with
// `extension` in place of its own, moved into the output folder if set
// (output_name).
std::string output_path(const std::string& input, const std::string& extension,
                        const OutputOptions& options);

// Writes the whole file atomically, first making the output folder, with
// the folders above it, when it is missing. Gives the reason when it was not
// written: a folder that could not be made, an existing file without
// --force, or the failure of the write.
std::optional<std::string> write_output(const std::string& path,
                                        std::span<const std::uint8_t> bytes,
                                        const OutputOptions& options);

// Counts and reports the inputs of one run.
class Batch {
  public:
    Batch(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    // "input -> output", with " (note)" when a note is given.
    void wrote(const std::string& input, const std::string& output, const std::string& note = {});
    void said(const std::string& line);
    void failed(const std::string& input, const std::string& reason);
    // 0 when every input succeeded, 1 otherwise.
    int exit_status() const { return failures_ == 0 ? 0 : 1; }

  private:
    std::ostream& out_;
    std::ostream& err_;
    int failures_ = 0;
};

}  // namespace bkpic
