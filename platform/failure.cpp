#include "platform/failure.h"

#include <cstring>

namespace platform {

Failure failure_from_errno(int error_number) {
    return Failure{error_number, std::strerror(error_number)};
}

std::string error_message(const Failure& failure) {
    return "Error " + std::to_string(failure.number) + ": " + failure.description;
}

}  // namespace platform
