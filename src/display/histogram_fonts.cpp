#include "display/histogram_fonts.h"

#include <algorithm>

namespace meterly {
namespace {

constexpr double SurfaceDotsPerInch = 96;
constexpr double PointsPerInch = 72;

}  // namespace

QFont HistogramFont(int points) { return QFont(QStringLiteral("DejaVu Sans"), points); }

QFont SurfaceFont(const QFont& font) {
  QFont drawn = font;
  if (font.pixelSize() <= 0) {
    drawn.setPixelSize(std::max(1, qRound(font.pointSizeF() * SurfaceDotsPerInch / PointsPerInch)));
  }
  drawn.setStyleStrategy(QFont::PreferAntialias);
  return drawn;
}

}  // namespace meterly
