#include "viewer/window_mode.h"

namespace viewer {

const bk::ScreenLayout& picture_layout(WindowMode mode) {
    switch (mode) {
        case WindowMode::color64x64:
            return bk::bbd_sprite;
        case WindowMode::color256x256:
            return bk::colour_pic;
        case WindowMode::mono512x256:
            break;
    }
    return bk::mono_pic;
}

std::size_t size_limit(WindowMode mode) {
    return static_cast<std::size_t>(picture_layout(mode).file_size());
}

platform::OpenRequest open_request(WindowMode mode) {
    if (mode == WindowMode::color64x64) return {"", "bbd", "BBD Files (*.bbd)|*.bbd|", 1};
    return {"", "pic",
            "PIC Files (*.pic)|*.pic|BIN Files (*.bin)|*.bin|WAV tapes (*.wav)|*.[wW][aA][vV]|", 1};
}

Decoder decoder_for(WindowMode mode) {
    switch (mode) {
        case WindowMode::color64x64:
            return Decoder::bbd;
        case WindowMode::color256x256:
            return Decoder::colour_pic;
        case WindowMode::mono512x256:
            break;
    }
    return Decoder::mono_pic;
}

Decoder decoder_after_mode_change(WindowMode mode, bool short_file) {
    if (short_file) return Decoder::bbd;
    return mode == WindowMode::mono512x256 ? Decoder::mono_pic : Decoder::colour_pic;
}

}  // namespace viewer
