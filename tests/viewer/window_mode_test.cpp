// What each window mode opens, accepts and draws with.
#include "viewer/window_mode.h"

#include <gtest/gtest.h>

namespace {

using viewer::Decoder;
using viewer::WindowMode;

TEST(WindowModes, OpenLooksForTheModesFilesUpToTheirSize) {
    const std::tuple<WindowMode, int, int, std::size_t, const char*, const char*> modes[] = {
        {WindowMode::color64x64, 64, 64, 1024, "bbd", "BBD Files (*.bbd)|*.bbd|"},
        {WindowMode::color256x256, 256, 256, 16384, "pic",
         "PIC Files (*.pic)|*.pic|BIN Files (*.bin)|*.bin|WAV tapes (*.wav)|*.[wW][aA][vV]|"},
        {WindowMode::mono512x256, 512, 256, 16384, "pic",
         "PIC Files (*.pic)|*.pic|BIN Files (*.bin)|*.bin|WAV tapes (*.wav)|*.[wW][aA][vV]|"}};
    for (const auto& [mode, width, height, limit, extension, filter] : modes) {
        EXPECT_EQ(viewer::picture_layout(mode).width, width);
        EXPECT_EQ(viewer::picture_layout(mode).height, height);
        EXPECT_EQ(viewer::size_limit(mode), limit);
        const platform::OpenRequest request = viewer::open_request(mode);
        EXPECT_EQ(request.file_name, "");
        EXPECT_EQ(request.default_extension, extension);
        EXPECT_EQ(request.filter, filter);
        EXPECT_EQ(request.filter_index, 1);
    }
}

TEST(WindowModes, DrawingDispatch) {
    // mode, by mode (Open, Redraw), after a mode change of a whole and of a short file
    const std::tuple<WindowMode, Decoder, Decoder, Decoder> table[] = {
        {WindowMode::color64x64, Decoder::bbd, Decoder::colour_pic, Decoder::bbd},
        {WindowMode::color256x256, Decoder::colour_pic, Decoder::colour_pic, Decoder::bbd},
        {WindowMode::mono512x256, Decoder::mono_pic, Decoder::mono_pic, Decoder::bbd}};
    for (const auto& [mode, by_mode, whole, short_file] : table) {
        EXPECT_EQ(viewer::decoder_for(mode), by_mode);
        EXPECT_EQ(viewer::decoder_after_mode_change(mode, false), whole);
        EXPECT_EQ(viewer::decoder_after_mode_change(mode, true), short_file);
    }
}

}  // namespace
