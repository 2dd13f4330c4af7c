#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace meterly {

// A file name field with a button beside it that picks an existing file in a file-open
// dialog. The name can also be typed; whether the file exists is the user's business.
class TFileChooser : public QWidget {
  Q_OBJECT

 public:
  explicit TFileChooser(QWidget* parent = nullptr);

  // The dialog's one filter, shown as "description (pattern)".
  void SetFilter(const QString& description, const QString& pattern);
  QString Filter() const { return filter_; }

  QString FileName() const;
  void SetFileName(const QString& fileName);

  QLineEdit* const EditFileName;
  QToolButton* const ButtonBrowse;

 Q_SIGNALS:
  void fileNameChanged(const QString& fileName);

 private:
  void Browse();
  QString DialogNameFilter() const;

  QString filter_;
};

}  // namespace meterly
