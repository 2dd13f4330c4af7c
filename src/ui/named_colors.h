#pragma once

#include "core/colorref.h"

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
// listed twice. The names are marked for translation in the context "NamedColors" and
// translated where shown.
const std::vector<NamedColor>& NamedColors();

}  // namespace meterly
