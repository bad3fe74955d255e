#pragma once
// How test failures and test lists show the formats' plain structs.
#include <ostream>

#include "formats/bk_screen.h"
#include "formats/m11_file.h"

namespace bk {

inline void PrintTo(const ScreenLayout& layout, std::ostream* os) {
    *os << layout.width << "x" << layout.height << " " << layout.bits_per_pixel << "bpp";
}

namespace m11 {

inline void PrintTo(const Header& header, std::ostream* os) {
    *os << header.line_width << "x" << header.line_count;
}

}  // namespace m11
}  // namespace bk
