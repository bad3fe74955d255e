#pragma once
// The option values of bkpic, parsed from their text. Each parser gives the
// value or a one-line reason in English, for a usage error.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/dither.h"
#include "engine/rules.h"
#include "engine/true_shape.h"
#include "viewer/window_mode.h"

namespace bkpic {

template <typename T>
struct Parsed {
    std::optional<T> value;
    std::string error;  // set when there is no value

    static Parsed fail(std::string why) { return {std::nullopt, std::move(why)}; }
};

// What a picture is converted into: a window mode of the converter.
struct Target {
    std::string_view name;  // as given to --to
    int width, height;      // the fixed area; 0 for the adjustable 11M area
    int bits_per_pixel;     // 1 monochrome, 2 four-colour
    std::string_view extension;
    bool m11;

    int pixels_per_byte() const { return 8 / bits_per_pixel; }
};

const std::vector<Target>& targets();
Parsed<Target> parse_target(std::string_view text);

// A viewer window mode by the name --as takes: mono, color or sprite.
Parsed<viewer::WindowMode> parse_window_mode(std::string_view text);

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size&) const = default;
};
struct Offset {
    int x = 0, y = 0;
    bool operator==(const Offset&) const = default;
};

Parsed<Size> parse_size(std::string_view text);                       // "WxH"
Parsed<Offset> parse_offset(std::string_view text);                   // "X,Y", both >= 0
Parsed<int> parse_level(std::string_view text);                       // 0..255
Parsed<int> parse_file_number(std::string_view text);                 // 1..65535
Parsed<converter::ColourLevels> parse_levels(std::string_view text);  // "R,G,B"

// stretch, whole or fill.
Parsed<converter::FitShape> parse_fit_shape(std::string_view text);

// none, floyd-steinberg, atkinson or ordered.
Parsed<converter::Dither> parse_dither(std::string_view text);

// Flags 1..12, at most one per frame of three; `acting` limits the flags
// that may be named (the 11M conversions act on six of them).
Parsed<converter::SwapFlags> parse_swaps(std::string_view text, converter::ActingFlags acting);

// Why an 11M area cannot be converted in a mode of `pixels_per_byte`, or
// nothing when it can: the width a whole number of bytes, both sides at least
// 64 pixels, the picture data within the 11M byte budget.
std::optional<std::string> area_refusal(Size area, int pixels_per_byte);

// One of the viewer's 16 colours, by name ("dark green", "darkgreen" and
// "dark-green" alike, any letter case) or as #rrggbb, as a packed value.
Parsed<std::int32_t> parse_colour(std::string_view text);
// Exactly `count` such colours separated by commas.
Parsed<std::vector<std::int32_t>> parse_colours(std::string_view text, std::size_t count);

}  // namespace bkpic
