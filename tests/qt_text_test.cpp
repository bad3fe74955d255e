// File names cross into Qt text and back byte for byte, whatever they hold.
#include "platform/qt_text.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNames, EveryNameComesBackByteForByte) {
    const std::pair<std::string, bool> names[] = {
        // name, well-formed UTF-8
        {"/pics/cat.jpg", true},
        {"/bilder/k\xc3\xa4tzchen \xf0\x9f\x90\x88.jpg", true},
        {"/pics/caf\xe9.jpg", false},         // Latin-1
        {"\xed\xb2\x80", false},              // a surrogate written as UTF-8
        {"\xc0\xaf\xf4\x90\x80\x80", false},  // overlong, past U+10FFFF
        {"cut \xe2\x82", false},
        {"\xff", false}};
    for (const auto& [name, well_formed] : names) {
        const QString text = platform::name_to_qt(name);
        EXPECT_EQ(platform::name_from_qt(text), name) << name;
        EXPECT_EQ(text == QString::fromUtf8(name), well_formed) << name;
    }
}

}  // namespace
