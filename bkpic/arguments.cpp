#include "bkpic/arguments.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "converter/m11_area.h"
#include "formats/bk_screen.h"
#include "formats/m11_file.h"
#include "viewer/palette.h"

namespace bkpic {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::optional<int> whole_number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::string quoted(std::string_view text) {
    std::string result(1, '"');
    result.append(text);
    result += '"';
    return result;
}

// Parses exactly `count` whole numbers in [low, high] separated by `separator`.
Parsed<std::vector<int>> numbers(std::string_view text, char separator, std::size_t count, int low,
                                 int high, std::string_view form) {
    const auto parts = split(text, separator);
    std::vector<int> values;
    for (std::string_view part : parts) {
        const auto value = whole_number(part);
        if (!value || parts.size() != count)
            return Parsed<std::vector<int>>::fail(quoted(text) + " is not of the form " +
                                                  std::string(form));
        if (*value < low || *value > high)
            return Parsed<std::vector<int>>::fail(
                quoted(part) + " is out of range " + std::to_string(low) + ".." +
                (high == INT32_MAX ? std::string("") : std::to_string(high)));
        values.push_back(*value);
    }
    return {values, {}};
}

}  // namespace

const std::vector<Target>& targets() {
    static const std::vector<Target> all{
        {"mono", bk::mono_pic.width, bk::mono_pic.height, 1, ".pic", false},
        {"color", bk::colour_pic.width, bk::colour_pic.height, 2, ".pic", false},
        {"sprite", bk::bbd_sprite.width, bk::bbd_sprite.height, 2, ".bbd", false},
        {"11m-mono", 0, 0, 1, bk::m11::extension, true},
        {"11m-color", 0, 0, 2, bk::m11::extension, true}};
    return all;
}

Parsed<Target> parse_target(std::string_view text) {
    std::string names;
    for (const Target& target : targets()) {
        if (target.name == text) return {target, {}};
        names += (names.empty() ? "" : ", ") + std::string(target.name);
    }
    return Parsed<Target>::fail("unknown target " + quoted(text) + "; use one of " + names);
}

Parsed<viewer::WindowMode> parse_window_mode(std::string_view text) {
    using viewer::WindowMode;
    if (text == "mono") return {WindowMode::mono512x256, {}};
    if (text == "color") return {WindowMode::color256x256, {}};
    if (text == "sprite") return {WindowMode::color64x64, {}};
    return Parsed<WindowMode>::fail("unknown mode " + quoted(text) + "; use mono, color or sprite");
}

Parsed<Size> parse_size(std::string_view text) {
    const auto parsed = numbers(text, 'x', 2, 1, INT32_MAX, "WxH");
    if (!parsed.value) return Parsed<Size>::fail(parsed.error);
    return {Size{(*parsed.value)[0], (*parsed.value)[1]}, {}};
}

Parsed<Offset> parse_offset(std::string_view text) {
    const auto parsed = numbers(text, ',', 2, 0, INT32_MAX, "X,Y");
    if (!parsed.value) return Parsed<Offset>::fail(parsed.error);
    return {Offset{(*parsed.value)[0], (*parsed.value)[1]}, {}};
}

Parsed<int> parse_level(std::string_view text) {
    const auto parsed = numbers(text, ',', 1, 0, 255, "N");
    if (!parsed.value) return Parsed<int>::fail(parsed.error);
    return {(*parsed.value)[0], {}};
}

Parsed<int> parse_file_number(std::string_view text) {
    const auto parsed = numbers(text, ',', 1, 1, 65535, "N");
    if (!parsed.value) return Parsed<int>::fail(parsed.error);
    return {(*parsed.value)[0], {}};
}

Parsed<converter::ColourLevels> parse_levels(std::string_view text) {
    const auto parsed = numbers(text, ',', 3, 0, 255, "R,G,B");
    if (!parsed.value) return Parsed<converter::ColourLevels>::fail(parsed.error);
    const auto& v = *parsed.value;
    return {converter::ColourLevels{v[0], v[1], v[2]}, {}};
}

Parsed<converter::FitShape> parse_fit_shape(std::string_view text) {
    using converter::FitShape;
    if (text == "stretch") return {FitShape::stretch, {}};
    if (text == "whole") return {FitShape::whole, {}};
    if (text == "fill") return {FitShape::fill, {}};
    return Parsed<FitShape>::fail("unknown shape " + quoted(text) + "; use stretch, whole or fill");
}

Parsed<converter::Dither> parse_dither(std::string_view text) {
    if (const auto dither = converter::dither_named(text)) return {*dither, {}};
    std::string names;
    for (const converter::DitherInfo& info : converter::dithers)
        names += (names.empty() ? "" : ", ") + std::string(info.name);
    return Parsed<converter::Dither>::fail("unknown ditherer " + quoted(text) + "; use one of " +
                                           names);
}

Parsed<converter::SwapFlags> parse_swaps(std::string_view text, converter::ActingFlags acting) {
    const auto parts = split(text, ',');
    const auto parsed = numbers(text, ',', parts.size(), 1, 12, "K[,K...]");
    if (!parsed.value) return Parsed<converter::SwapFlags>::fail(parsed.error);
    converter::SwapFlags flags{};
    for (int flag : *parsed.value) {
        if (!(acting & (1u << (flag - 1))))
            return Parsed<converter::SwapFlags>::fail("flag " + std::to_string(flag) +
                                                      " has no effect in the 11M modes");
        const int frame = (flag - 1) / 3;
        for (int k = frame * 3; k < frame * 3 + 3; ++k)
            if (flags[k])
                return Parsed<converter::SwapFlags>::fail(
                    "flags " + std::to_string(k + 1) + " and " + std::to_string(flag) +
                    " change the same colour; give at most one of them");
        flags[flag - 1] = true;
    }
    return {flags, {}};
}

std::optional<std::string> area_refusal(Size area, int pixels_per_byte) {
    namespace m11 = converter::m11;
    const std::string size = std::to_string(area.width) + "x" + std::to_string(area.height);
    if (area.width % pixels_per_byte != 0)
        return "area " + size + ": the width must be a multiple of " +
               std::to_string(pixels_per_byte) + " pixels";
    if (area.width < m11::minimum_side || area.height < m11::minimum_side)
        return "area " + size + ": each side must be at least " +
               std::to_string(m11::minimum_side) + " pixels";
    const long long bytes = m11::byte_count(area.width, area.height, pixels_per_byte);
    if (bytes > m11::byte_budget)
        return "area " + size + ": " + std::to_string(bytes) +
               " bytes of picture data, more than the " + std::to_string(m11::byte_budget) +
               " an 11M file can hold";
    return std::nullopt;
}

namespace {

// Lower case, without blanks, hyphens and underscores.
std::string colour_key(std::string_view text) {
    std::string key;
    for (char c : text) {
        if (c == ' ' || c == '-' || c == '_') continue;
        key += char(std::tolower(static_cast<unsigned char>(c)));
    }
    return key;
}

std::string hex_of(std::int32_t packed) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", packed & 255, (packed >> 8) & 255,
                  (packed >> 16) & 255);
    return text;
}

}  // namespace

Parsed<std::int32_t> parse_colour(std::string_view text) {
    const std::string key = colour_key(text);
    std::string names;
    for (const viewer::DialogColour& colour : viewer::dialog_colours) {
        if (key == colour_key(colour.name) || key == hex_of(colour.packed))
            return {colour.packed, {}};
        names += (names.empty() ? "" : ", ") + colour_key(colour.name);
    }
    return Parsed<std::int32_t>::fail(
        quoted(text) + " is not one of the viewer's colours: " + names + " (or their #rrggbb)");
}

Parsed<std::vector<std::int32_t>> parse_colours(std::string_view text, std::size_t count) {
    const auto parts = split(text, ',');
    if (parts.size() != count)
        return Parsed<std::vector<std::int32_t>>::fail(quoted(text) + " must name " +
                                                       std::to_string(count) + " colours");
    std::vector<std::int32_t> colours;
    for (std::string_view part : parts) {
        const auto colour = parse_colour(part);
        if (!colour.value) return Parsed<std::vector<std::int32_t>>::fail(colour.error);
        colours.push_back(*colour.value);
    }
    return {colours, {}};
}

}  // namespace bkpic
