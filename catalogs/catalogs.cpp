#include "catalogs/catalogs.h"

#include "platform/utf8.h"

namespace catalogs {
namespace {

// Control characters: C0 (line breaks, tabs), DEL, and C1 written in UTF-8.
bool is_control(std::string_view character) {
    const auto first = std::uint8_t(character[0]);
    if (character.size() == 1) return first < 0x20 || first == 0x7f;
    return character.size() == 2 && first == 0xc2 && std::uint8_t(character[1]) <= 0x9f;
}

std::string without_controls(std::string_view text) {
    std::string kept;
    for (std::size_t at = 0, next = 0; at < text.size(); at = next) {
        next = platform::next_character(text, at);
        const std::string_view character = text.substr(at, next - at);
        if (!is_control(character)) kept += character;
    }
    return kept;
}

}  // namespace

const ProgramSettings& converter_settings() {
    static const ProgramSettings program{"KVARO",
                                         "kvaro.ini",
                                         {{"BBD catalog>", "BBD", "*bbd"},
                                          {"PIC catalog>", "PIC", "*pic"},
                                          {"11M catalog>", "11M", "*11M"}}};
    return program;
}

const ProgramSettings& viewer_settings() {
    static const ProgramSettings program{"ORVAK", "orvak.ini", {{"BMP catalog>", "BMP", "*bmp"}}};
    return program;
}

Catalogs::Catalogs(const ProgramSettings& program, platform::ProgramFolders folders)
    : program_(&program), folders_(std::move(folders)), values_(program.catalogs.size()) {}

std::string Catalogs::settings_path() const {
    return folders_.settings + "/" + program_->settings_file;
}

std::string Catalogs::default_folder(int index) const {
    return folders_.data + "/" + program_->catalogs.at(index).default_name;
}

void Catalogs::resolve_default(int index) {
    if (value(index) == default_word) set(index, default_folder(index));
}

void Catalogs::take_typed(int index, std::string_view typed) {
    std::string text = without_controls(typed);
    set(index, text == program_->catalogs.at(index).reset_text ? std::string(default_word)
                                                               : std::move(text));
}

std::string Catalogs::value_line(int index) const {
    return value(index) == default_folder(index) ? std::string(default_word) : value(index);
}

std::string Catalogs::settings_text() const {
    std::string text = program_->header() + "\r\n";
    for (std::size_t i = 0; i < values_.size(); ++i) {
        text += program_->catalogs[i].label + "\r\n";
        text += value_line(static_cast<int>(i)) + "\r\n";
    }
    return text;
}

namespace {

// Splits off the next line; false when the text has no line left.
bool next_line(std::string_view& text, std::string_view& line) {
    if (text.empty()) return false;
    const auto end = text.find('\n');
    line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
}

}  // namespace

ParseStatus Catalogs::parse_settings(std::string_view text) {
    std::string_view line;
    if (!next_line(text, line)) return ParseStatus::ended_early;
    if (line != program_->header()) return ParseStatus::not_settings;
    for (std::size_t i = 0; i < values_.size(); ++i) {
        if (!next_line(text, line)) return ParseStatus::ended_early;  // label
        if (!next_line(text, line)) return ParseStatus::ended_early;  // value
        values_[i] = std::string(line);
    }
    return ParseStatus::read;
}

}  // namespace catalogs
