#pragma once

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;

namespace meterly {

namespace platform {
class Shell;
}

// Tells that a newer version is out and offers its download page.
class TUpdateFoundDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr QSize Size{300, 190};

  TUpdateFoundDialog(platform::Shell& shell, const QString& message, const QString& downloadUrl, QWidget* owner);

  QGroupBox* GroupBox;
  QLabel* ImageIcon;
  QLabel* LabelMessage;
  QPushButton* ButtonDownload;

 private:
  void DownloadClick();

  platform::Shell& shell_;
  QString downloadUrl_;
};

}  // namespace meterly
