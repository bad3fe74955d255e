#include "bkpic/bin_output.h"

#include "engine/screen_file.h"
#include "formats/bin_file.h"

namespace bkpic {

Parsed<ScreenFiles> screen_files(bool bin, bool bin_only, const Target& target,
                                 bool one_output_file) {
    if (!bin && !bin_only) return {ScreenFiles{}, {}};
    if (target.m11 || target.extension != ".pic")
        return Parsed<ScreenFiles>::fail("--bin is for the mono and color targets only");
    if (one_output_file && !bin_only)
        return Parsed<ScreenFiles>::fail("-o names one output; --bin writes two, use --bin-only");
    return {ScreenFiles{!bin_only, true}, {}};
}

namespace {

bool write_one(const std::string& input, std::span<const std::uint8_t> bytes,
               const std::string& extension, const OutputOptions& outputs, Batch& batch) {
    const std::string output = output_path(input, extension, outputs);
    if (const auto why = write_output(output, bytes, outputs)) {
        batch.failed(input, *why);
        return false;
    }
    batch.wrote(input, output);
    return true;
}

}  // namespace

bool write_screen_files(const std::string& input, std::span<const std::uint8_t> converted,
                        const Target& target, ScreenFiles files, const OutputOptions& outputs,
                        Batch& batch) {
    if (files.main && !write_one(input, converted, std::string(target.extension), outputs, batch))
        return false;
    if (!files.bin) return true;
    const auto bin = converter::bin_file(converted);
    return write_one(input, bin, std::string(bk::bin::extension), outputs, batch);
}

}  // namespace bkpic
