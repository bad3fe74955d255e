// The settings files of both programs. The first byte picks the program,
// the rest is
//   - read as a settings file: when it reads, writing the values and
//     reading them back gives the same values, and writing them again the
//     same file;
//   - split at zero bytes into values typed into the Output files boxes:
//     writing what they leave and reading it back gives it back.
#include <string>
#include <vector>

#include "catalogs/settings_io.h"
#include "fuzz/fuzz_support.h"
#include "platform/scripted_modal.h"

namespace {

using catalogs::Catalogs;

// Where check_round_trip sends the written settings: through a file
// (save_settings, load_settings), or through their text alone.
enum class Road { file, text };

// Reads what `written` writes back into fresh catalogs, and checks that
// every value comes back as it stands in the file and that writing them
// again gives the same text.
void check_round_trip(const Catalogs& written, Road road, platform::Modal& modal) {
    const std::string text = written.settings_text();
    Catalogs again(written.program(), written.folders());
    if (road == Road::file) {
        const std::string path = fuzz::scratch_folder() + "/again.ini";
        fuzz::check(catalogs::save_settings(path, written, modal) == catalogs::settings_read,
                    "settings not written");
        fuzz::check(catalogs::load_settings(path, again, modal) == catalogs::settings_read,
                    "written settings do not read");
    } else {
        fuzz::check(again.parse_settings(text) == catalogs::ParseStatus::read,
                    "written settings text does not read");
    }
    for (std::size_t i = 0; i < written.program().catalogs.size(); ++i) {
        fuzz::check(again.value(int(i)) == written.value_line(int(i)), "a value changed");
    }
    fuzz::check(again.settings_text() == text, "settings text changed");
}

void read_as_file(const catalogs::ProgramSettings& program, std::span<const std::uint8_t> text,
                  platform::Modal& modal) {
    Catalogs catalogs(program, fuzz::scratch_folder());
    fuzz::write_bytes(catalogs.settings_path(), text);
    if (catalogs::load_settings(catalogs.settings_path(), catalogs, modal) ==
        catalogs::settings_read)
        check_round_trip(catalogs, Road::file, modal);
}

// Any bytes may be typed or pasted into the Output files boxes, line breaks
// and other control characters too: taking them must keep every value one
// line of the file.
void take_as_typed(const catalogs::ProgramSettings& program, std::span<const std::uint8_t> text,
                   platform::Modal& modal) {
    Catalogs catalogs(program, fuzz::scratch_folder());
    std::size_t index = 0;
    std::string value;
    for (std::size_t i = 0; i <= text.size() && index < program.catalogs.size(); ++i) {
        if (i == text.size() || text[i] == 0) {
            catalogs.take_typed(int(index++), value);
            value.clear();
        } else {
            value += char(text[i]);
        }
    }
    // Through the text alone: the file adds no path that read_as_file does
    // not take, and a second trip through it costs about a third of the rate.
    check_round_trip(catalogs, Road::text, modal);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto& program =
        data[0] % 2 == 0 ? catalogs::converter_settings() : catalogs::viewer_settings();
    const std::span<const std::uint8_t> text(data + 1, size - 1);
    platform::ScriptedModal modal;
    read_as_file(program, text, modal);
    take_as_typed(program, text, modal);
    return 0;
}
