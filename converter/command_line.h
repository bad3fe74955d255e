#pragma once
#include "platform/program_info.h"

namespace converter {

using platform::asks_for_11m;

}  // namespace converter
