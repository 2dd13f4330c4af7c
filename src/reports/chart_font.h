#pragma once

#include <QFont>

namespace meterly {

// The face and the pixel rule of the live graph's texts: one face every desktop has, a point
// size turned into whole pixels at 96 dots per inch, no antialiasing, so that a chart takes the
// same room and sets the same pixels everywhere.
QFont ChartFont(int points);

}  // namespace meterly
