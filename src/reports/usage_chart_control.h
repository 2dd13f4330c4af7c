#pragma once

#include "reports/usage_chart.h"

#include <QFrame>

#include <memory>

class QToolButton;

namespace meterly {

// A bevelled panel that shows a usage chart with two small paging buttons in its top-right
// corner.
class TUsageChartControl : public QFrame {
 public:
  static constexpr int ButtonSize = 15;

  // Shows a chart of its own, filled with sample bars until its owner clears it.
  explicit TUsageChartControl(QWidget* parent = nullptr);
  // Shows a chart that lives elsewhere (a report panel's); the chart must outlive the control.
  explicit TUsageChartControl(TUsageChart& chart, QWidget* parent = nullptr);
  ~TUsageChartControl() override;

  TUsageChart& Chart() { return *chart_; }
  QToolButton* PageLeftButton() const { return pageLeft_; }
  QToolButton* PageRightButton() const { return pageRight_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Build();
  void PlaceButtons();
  void UpdateButtons();

  std::unique_ptr<TUsageChart> ownChart_;
  TUsageChart* chart_;
  QToolButton* pageLeft_ = nullptr;
  QToolButton* pageRight_ = nullptr;
};

}  // namespace meterly
