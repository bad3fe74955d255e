#pragma once
// A platform failure as the user sees it: "Error " + number + ": " + text.
#include <string>

namespace platform {

struct Failure {
    int number = 0;
    std::string description;
};

// The failure of the last system call that set errno to `error_number`.
Failure failure_from_errno(int error_number);

// "Error 13: Permission denied".
std::string error_message(const Failure& failure);

}  // namespace platform
