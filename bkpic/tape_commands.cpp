// bkpic tape and bkpic extract: BK files onto .wav tapes and back.
#include <ostream>

#include "bkpic/command_input.h"
#include "bkpic/command_parser.h"
#include "bkpic/commands.h"
#include "bkpic/tape_files.h"
#include "formats/bin_file.h"

namespace bkpic {
namespace {

namespace tape = bk::tape;

// The largest BK file that goes on tape is a .bin of 65535 bytes.
constexpr std::size_t tape_input_limit = bk::bin::header_size + 0xFFFF;

void tape_one(const std::string& path, const OutputOptions& outputs, Batch& batch) {
    if (!goes_on_tape(path)) return batch.failed(path, not_for_tape);
    const platform::WholeInput read = read_input(path, tape_input_limit);
    if (const auto failure = read.whole_or_failure())
        return batch.failed(path, platform::error_message(*failure));
    const auto source = tape_source(path, bytes_of(read.bytes));
    if (!source.value) return batch.failed(path, source.error);
    const std::string output = output_path(path, ".wav", outputs);
    tape::Header header = source.value->header;
    header.name = tape::name_for_file(output);
    if (const auto why = write_output(output, tape::wav_bytes(header, source.value->data), outputs))
        return batch.failed(path, *why);
    batch.wrote(path, output, tape_name_note(header.name));
}

void extract_one(const std::string& path, int number, const OutputOptions& outputs, Batch& batch) {
    const platform::WholeInput read = read_input(path, tape::wav_read_limit);
    if (const auto failure = read.whole_or_failure())
        return batch.failed(path, platform::error_message(*failure));
    const tape::TakenFile taken = tape::take_file(bytes_of(read.bytes), number);
    if (!taken.file) return batch.failed(path, taken.error);
    const tape::Header& h = taken.file->header;
    const std::string output = output_path(path, std::string(bk::bin::extension), outputs);
    if (const auto why = write_output(
            output, bk::bin::file_bytes({h.address, h.length}, taken.file->data), outputs))
        return batch.failed(path, *why);
    batch.wrote(path, output, tape::describe(*taken.file));
}

}  // namespace

int run_tape(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    CommandParser parser("tape", "BKFILE",
                         "Writes BK files as .wav tapes (44100 Hz, 16-bit mono) that the "
                         "BK-0010's monitor loads: a .pic into screen memory at 040000, a .bin "
                         "at the address in its header, a .bbd or .11M as data at 001000. The "
                         "tape name is the output's name without .wav, in ASCII, at most 16 "
                         "characters; bkpic prints it for the monitor's prompt.");
    parser.add_output_options();
    if (const auto status = parser.parse(arguments, out, err)) return *status;
    const auto outputs = parser.output_options();
    if (!outputs.value) return parser.usage(outputs.error, err);
    Batch batch(out, err);
    for (const QString& input : parser.files())
        tape_one(platform::name_from_qt(input), *outputs.value, batch);
    return batch.exit_status();
}

int run_extract(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    CommandParser parser("extract", "TAPE",
                         "Reads .wav tapes recorded from a BK and writes a file of each as a "
                         ".bin: its load address and length, then its bytes. A tape that does "
                         "not read, or a file whose checksum is wrong, writes nothing.");
    parser.add({"file", "Which file of the tape, by its number in bkpic info (default 1).", "N"});
    parser.add_output_options();
    if (const auto status = parser.parse(arguments, out, err)) return *status;
    int number = 1;
    if (parser.is_set("file")) {
        const auto parsed = parse_file_number(parser.value("file"));
        if (!parsed.value) return parser.usage("--file: " + parsed.error, err);
        number = *parsed.value;
    }
    const auto outputs = parser.output_options();
    if (!outputs.value) return parser.usage(outputs.error, err);
    Batch batch(out, err);
    for (const QString& input : parser.files())
        extract_one(platform::name_from_qt(input), number, *outputs.value, batch);
    return batch.exit_status();
}

}  // namespace bkpic
