#pragma once
// The pictures on the 11M window's buttons: black arrows (12 x 8 pointing
// left or right, 8 x 12 pointing up or down) and black capital letters
// (21 x 14) on a transparent ground.
#include <QIcon>

namespace converter {

enum class ArrowDirection { left, up, down, right };

QImage arrow_picture(ArrowDirection direction);
QImage letter_picture(char letter);  // 'X' or 'Y'

QIcon picture_icon(const QImage& picture);

}  // namespace converter
