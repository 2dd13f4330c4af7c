#include "display/tray_icon_graph.h"

#include "core/settings.h"
#include "display/graph_settings.h"

#include <QPixmap>

namespace meterly {
namespace {

constexpr int OpaqueAlpha = 255;

}  // namespace

QImage TrayIconImage(const QImage& rendered) {
  QImage image = rendered.convertToFormat(QImage::Format_ARGB32);
  QImage opaque(image.size(), QImage::Format_Alpha8);
  opaque.fill(OpaqueAlpha);
  image.setAlphaChannel(opaque);
  return image;
}

TTrayIconGraph::TTrayIconGraph() {
  graph_.setGeometry(0, 0, IconSize, IconSize);
  // The sizes are device pixels already.
  graph_.SetDevicePixelRatio(1);
  graph_.SetEnableGrid(false);
  graph_.SetEnableAverages(false);
}

void TTrayIconGraph::ApplySettings(const Settings& settings) {
  ApplyColourSettings(graph_, settings);
  ApplyScaleSettings(graph_, settings);
}

QIcon TTrayIconGraph::Step(quint32 lastDeltaIn, quint32 lastDeltaOut) {
  QIcon icon;
  // Drawn at each size a tray may ask for, so that no tray scales a 16-pixel image up.
  for (const int size : TraySizes) {
    graph_.setGeometry(0, 0, size, size);
    icon.addPixmap(QPixmap::fromImage(TrayIconImage(graph_.RenderBitmap())));
  }
  graph_.setGeometry(0, 0, IconSize, IconSize);
  graph_.AddSample(lastDeltaIn, lastDeltaOut);
  return icon;
}

}  // namespace meterly
