#pragma once
// The launcher's buttons: where each one stands and which program it starts.
// Programs are named by file name alone; the process start looks them up.
#include <array>
#include <string>
#include <vector>

namespace launcher {

struct LaunchButton {
    const char* name;
    const char* caption;
    int top;               // pixels
    const char* program;   // nullptr: the button closes the launcher
    const char* argument;  // "" for none
};

// Every button is this wide and high, at this left edge, in tab order from
// the top down.
inline constexpr int button_left = 40;
inline constexpr int button_width = 233;
inline constexpr int button_height = 25;
inline constexpr int client_width = 312;
inline constexpr int client_height = 233;

inline constexpr std::array<LaunchButton, 5> launch_buttons{{
    {"Command1", "KVARO (normal mode)", 24, "kvaro", ""},
    {"Command2", "KVARO (11M mode)", 64, "kvaro", "/11m"},
    {"Command3", "ORVAK (normal mode)", 104, "orvak", ""},
    {"Command4", "ORVAK (11M mode)", 144, "orvak", "/11m"},
    {"Command5", "Exit", 184, nullptr, nullptr},
}};

inline std::vector<std::string> arguments_of(const LaunchButton& button) {
    if (button.argument == nullptr || *button.argument == '\0') return {};
    return {button.argument};
}

}  // namespace launcher
