#pragma once
// Converting one decoded picture as the converter's windows do: the picture
// is drawn into a blank (black) area of the target's size, fitted in a
// shape (engine/true_shape.h) or at a scroll position, and every pixel is
// decided, drawn back and packed.
#include <QImage>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bkpic/arguments.h"
#include "engine/dither.h"

namespace bkpic {

struct ConvertSettings {
    Target target = targets().front();
    Size area{256, 256};  // 11M targets only
    bool fit = false;
    converter::FitShape shape = converter::FitShape::stretch;  // when fitting
    // The scroll position, or with the fill shape the pan of its cut axis
    // (the other coordinate 0); by default 0,0, and fill's cut in the middle.
    std::optional<Offset> offset;
    int bw_level = 128;
    converter::ColourLevels levels;
    converter::SwapFlags swaps{};
    converter::Dither dither = converter::Dither::none;
};

struct Converted {
    std::vector<std::uint8_t> file;  // the whole output file
    QImage preview;                  // the area as the converter window shows it after Convert
    std::string error;               // set when nothing was converted
};

// The area a target converts.
Size area_of(const ConvertSettings& settings);

Converted convert_picture(const QImage& picture, const ConvertSettings& settings);

}  // namespace bkpic
