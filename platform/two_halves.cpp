#include "platform/two_halves.h"

#include <exception>
#include <system_error>
#include <thread>

namespace platform {

void in_two_halves(int count, const std::function<void(int first, int end)>& work) {
    const int half = count / 2;
    std::exception_ptr second_failure;
    // Joined when it goes, also while an exception leaves this function.
    std::jthread second;
    try {
        second = std::jthread([&] {
            try {
                work(half, count);
            } catch (...) {
                second_failure = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        work(half, count);  // no thread to spare
    }
    work(0, half);
    if (second.joinable()) second.join();
    if (second_failure) std::rethrow_exception(second_failure);
}

}  // namespace platform
