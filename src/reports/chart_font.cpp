#include "reports/chart_font.h"

#include <algorithm>

namespace meterly {

QFont ChartFont(int points) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(1, qRound(points * 96.0 / 72.0)));
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

}  // namespace meterly
