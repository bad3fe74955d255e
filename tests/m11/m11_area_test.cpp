// The 11M area: steps, minimum side, byte budget, button states, the Mono
// switch and the window width that follows the area.
#include "converter/m11_area.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "engine/m11_conversion.h"
#include "engine/rules.h"

namespace {

using converter::m11::Area;
using converter::m11::Arrow;

constexpr Arrow all_arrows[] = {Arrow::narrower, Arrow::shorter, Arrow::taller, Arrow::wider};

// Plays a script on a fresh area: "F" the first picture, "M" Mono, "X" and
// "Y" the factors, "O" and two digits 0 or 1 a picture wider and taller than
// the area or not, "N", "S", "T", "W" the arrows (narrower, shorter, taller,
// wider) pressed as often as the number after them says, or until refused
// with "*".
Area played(const std::string& script) {
    Area area;
    const auto press = [&area](Arrow arrow, const std::string& count) {
        const int times = count == "*" ? 100000 : std::stoi(count);
        for (int i = 0; i < times && (area.press(arrow) || count != "*"); ++i) {
        }
    };
    const std::map<char, std::function<void(const std::string&)>> steps{
        {'F', [&](auto&) { area.first_picture(); }},
        {'M', [&](auto&) { area.toggle_mono(); }},
        {'X', [&](auto&) { area.toggle_mx(); }},
        {'Y', [&](auto&) { area.toggle_my(); }},
        {'O', [&](auto& rest) { area.picture_overhangs(rest[0] == '1', rest[1] == '1'); }},
        {'N', [&](auto& rest) { press(Arrow::narrower, rest); }},
        {'S', [&](auto& rest) { press(Arrow::shorter, rest); }},
        {'T', [&](auto& rest) { press(Arrow::taller, rest); }},
        {'W', [&](auto& rest) { press(Arrow::wider, rest); }}};
    std::istringstream words(script);
    for (std::string word; words >> word;) steps.at(word[0])(word.substr(1));
    return area;
}

// The area after a script as "width x height bytes client-width arrows",
// each arrow 1 if enabled.
std::string after(const std::string& script) {
    const Area area = played(script);
    std::ostringstream out;
    out << area.width() << "x" << area.height() << " " << area.bytes() << " " << area.client_width()
        << " ";
    for (Arrow arrow : all_arrows) out << area.enabled(arrow);
    return out.str();
}

struct Script {
    const char* steps;
    const char* result;
};

const Script scripts[] = {
    {"", "256x256 16384 301 0000"},
    {"M", "256x256 8192 301 0011"},
    {"M M", "256x256 16384 301 0011"},
    {"F", "256x256 16384 301 1111"},
    {"F W1", "260x256 16640 305 1111"},
    {"M F W1", "264x256 8448 309 1111"},
    {"F W*", "764x256 48896 809 1110"},
    {"F W* X", "764x256 48896 809 1110"},
    {"F W* X N1", "748x256 47872 793 1111"},
    {"F W1 N1", "256x256 16384 301 1111"},
    {"F W1 N2", "252x256 16128 301 1111"},
    {"M F X N*", "64x256 2048 301 0111"},
    {"M F X N* W1", "96x256 3072 301 1111"},
    {"F Y S11 Y S1 Y S*", "256x79 5056 301 1011"},
    {"F Y S* T1", "256x80 5120 301 1111"},
    {"M F X W8 Y T31 Y T*", "512x767 49088 557 1101"},
    {"M F X W8 Y T31 Y T* M", "276x708 48852 321 1101"},
    {"M F X W8 Y T31 Y T* M M", "276x708 24426 321 1111"},
    {"M F X N* Y T367 Y T* M", "32x6135 49080 301 0101"},
    {"F W* Y S* O00", "764x64 12224 809 1010"},
    {"F W* Y S* O11", "764x64 12224 809 1011"},
    {"F W* T* O10", "764x257 49087 809 1101"},
    {"F W* T* O01", "764x257 49087 809 1110"},
    {"F W* Y S* O11 F", "256x256 16384 301 1111"},
};

TEST(M11Area, ButtonsStepsLimitsAndModeSwitches) {
    for (const Script& script : scripts)
        EXPECT_EQ(after(script.steps), script.result) << script.steps;
}

TEST(M11ByteCount, RoundsHalfToEven) {
    using converter::m11::byte_count;
    EXPECT_EQ(byte_count(260, 1, 8), 32);  // 32.5
    EXPECT_EQ(byte_count(268, 1, 8), 34);  // 33.5
}

// Each round switches the mode, shrinks one side as far as the buttons go
// and grows the other as far as they allow; the file a Convert would write
// must read back whole in every round.
TEST(M11Area, ModeSwitchesNeverLeaveAnAreaTheReaderRefuses) {
    for (const std::string round : {" M N* T*", " M S* W*"}) {
        std::string script = "F";
        for (int i = 0; i < 16; ++i) {
            script += round;
            const Area area = played(script);
            const auto plan = converter::m11::plan_conversion(area.width(), area.height(),
                                                              area.pixels_per_byte());
            const std::vector<std::uint8_t> data(std::max(0, plan.header.data_size()));
            const auto reading = bk::m11::read(bk::m11::file_bytes(plan.header, data));
            ASSERT_EQ(reading.status, bk::m11::ReadStatus::ok) << after(script);
            EXPECT_EQ(reading.header, plan.header);
            EXPECT_LE(area.bytes(), converter::m11::byte_budget);
        }
    }
}

TEST(M11Scrolling, RelativePositionAndArrowStep) {
    using converter::m11::relative_position;
    using converter::m11::value_at;
    EXPECT_EQ(relative_position(5, 0), 0.0f);
    EXPECT_EQ(value_at(relative_position(137, 274), 278), 139);
    EXPECT_EQ(value_at(relative_position(1, 2), 5), 2);  // 2.5
    EXPECT_EQ(value_at(relative_position(1, 2), 7), 4);  // 3.5
    const std::pair<int, int> steps[] = {{44, 1}, {74, 1}, {75, 2}, {274, 5}, {278, 6}};
    for (const auto& [max, step] : steps) {
        EXPECT_EQ(converter::arrow_step(max, converter::m11::scroll_parts), step) << max;
    }
}

}  // namespace
