#pragma once
// Readable names for parameterised cases: the parameter as PrintTo shows it,
// each run of characters other than letters and digits turned into one "_".
// Give the parameter's type a PrintTo, then pass `printed_name` as the last
// argument of INSTANTIATE_TEST_SUITE_P.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace testing_support {

inline constexpr auto printed_name = [](const auto& info) {
    std::string name;
    for (const char c : ::testing::PrintToString(info.param)) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += c;
        } else if (!name.empty() && name.back() != '_') {
            name += '_';
        }
    }
    while (!name.empty() && name.back() == '_') name.pop_back();
    return name.empty() ? std::to_string(info.index) : name;
};

}  // namespace testing_support
