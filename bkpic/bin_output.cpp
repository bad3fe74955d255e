#include "bkpic/bin_output.h"

#include "bkpic/tape_files.h"
#include "engine/screen_file.h"
#include "formats/bin_file.h"

namespace bkpic {

Parsed<ScreenFiles> screen_files(const ScreenOptions& options, const Target& target,
                                 bool one_output_file) {
    using Result = Parsed<ScreenFiles>;
    const ScreenFiles files{!options.bin_only && !options.wav_only, options.bin || options.bin_only,
                            options.wav || options.wav_only};
    if (files.count() == 1 && files.main) return {files, {}};
    if (target.m11 || target.extension != ".pic")
        return Result::fail(std::string(files.bin ? "--bin" : "--wav") +
                            " is for the mono and color targets only");
    if (one_output_file && files.count() > 1) {
        if (!files.main)
            return Result::fail("-o names one output; give one of --bin-only and --wav-only");
        return Result::fail(files.bin ? "-o names one output; --bin writes two, use --bin-only"
                                      : "-o names one output; --wav writes two, use --wav-only");
    }
    return {files, {}};
}

namespace {

bool write_one(const std::string& input, std::span<const std::uint8_t> bytes,
               const std::string& output, const OutputOptions& outputs, Batch& batch,
               const std::string& note = {}) {
    if (const auto why = write_output(output, bytes, outputs)) {
        batch.failed(input, *why);
        return false;
    }
    batch.wrote(input, output, note);
    return true;
}

}  // namespace

bool write_screen_files(const std::string& input, std::span<const std::uint8_t> converted,
                        const Target& target, ScreenFiles files, const OutputOptions& outputs,
                        Batch& batch) {
    const std::string extension(target.extension);
    if (files.main &&
        !write_one(input, converted, output_path(input, extension, outputs), outputs, batch))
        return false;
    if (files.bin &&
        !write_one(input, converter::bin_file(converted),
                   output_path(input, std::string(bk::bin::extension), outputs), outputs, batch))
        return false;
    if (!files.wav) return true;
    const std::string output = output_path(input, ".wav", outputs);
    const bk::tape::Name name = bk::tape::name_for_file(output);
    return write_one(input, converter::wav_file(converted, name), output, outputs, batch,
                     tape_name_note(name));
}

}  // namespace bkpic
