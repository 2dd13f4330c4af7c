#pragma once

#include "core/settings.h"

#include <QComboBox>

namespace meterly {

// A drop-down list of the named colours, each shown as a bar of its colour. A stored colour
// that is not among them is kept as one more entry at the end, named by its "#RRGGBB".
class TColorBox : public QComboBox {
  Q_OBJECT

 public:
  explicit TColorBox(QWidget* parent = nullptr);

  Colorref SelectedColor() const;

  // Selects the first entry of that colour, adding the custom entry when there is none.
  void SetSelectedColor(Colorref color);

 Q_SIGNALS:
  void colorChanged(Colorref color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int IndexOfColor(Colorref color) const;
  int PutCustomEntry(Colorref color);
  void NotifyIfChanged();

  Colorref notifiedColor_ = 0;
};

}  // namespace meterly
