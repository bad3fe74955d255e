#include "converter/light.h"

#include <cmath>

namespace converter::light {

float linear_of_encoded(float value) {
    return value <= 0.04045f ? value / 12.92f : std::pow((value + 0.055f) / 1.055f, 2.4f);
}

}  // namespace converter::light
