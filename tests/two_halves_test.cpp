#include "platform/two_halves.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

namespace {

// Every row done once; a throw on either thread, or on both, reaches the
// caller instead of ending the program.
TEST(InTwoHalves, DoesEveryRowAndPassesOnAThrowFromEitherThread) {
    std::vector<std::atomic<int>> done(101);
    platform::in_two_halves(101, [&](int first, int end) {
        for (int row = first; row < end; ++row) ++done[row];
    });
    for (const auto& row : done) EXPECT_EQ(row, 1);

    const std::pair<bool, bool> throwing[] = {{true, false}, {false, true}, {true, true}};
    for (const auto& [first_half, second_half] : throwing) {
        const auto work = [&](int first, int) {
            if (first == 0 ? first_half : second_half)
                throw std::runtime_error(first == 0 ? "first" : "second");
        };
        try {
            platform::in_two_halves(100, work);
            ADD_FAILURE() << "no exception";
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), first_half ? "first" : "second");
        }
    }
}

}  // namespace
