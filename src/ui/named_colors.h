#pragma once

#include "core/settings.h"

#include <QColor>
#include <QString>

#include <vector>

namespace meterly {

struct NamedColor {
  QString name;
  Colorref color;
};

// The colours the colour boxes offer, in the order they are listed. Every value is the
// HTML/CSS colour of the same name, except Amethyst; LightSalmon and MediumSlateBlue are
// listed twice.
const std::vector<NamedColor>& NamedColors();

// A stored colour (0x00BBGGRR) as Qt paints it.
QColor ColorrefColor(Colorref color);

}  // namespace meterly
