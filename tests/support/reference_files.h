#pragma once

// Compares what a test made with its reference file in the folder "reference" beside the test: an
// image with a PNG file, text with a file of the same bytes. METERLY_UPDATE_REFERENCES=1 writes what
// was made as the new reference instead; look at each one before committing it.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace meterly::testing_support {

// The folder "reference" beside the test source that includes this header.
inline QString ReferenceFolder(const char* testSource) {
  return QFileInfo(QString::fromUtf8(testSource)).dir().filePath(QStringLiteral("reference"));
}

inline bool UpdatingReferences() { return qEnvironmentVariableIntValue("METERLY_UPDATE_REFERENCES") == 1; }

inline void ExpectMatchesReferenceText(const QString& folder, const QString& fileName, const QByteArray& made) {
  QFile file(QDir(folder).filePath(fileName));
  if (UpdatingReferences()) {
    ASSERT_TRUE(QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) && file.write(made) == made.size());
    GTEST_SKIP() << "wrote " << file.fileName().toStdString();
  }
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no reference file " << file.fileName().toStdString();
  EXPECT_EQ(made.toStdString(), file.readAll().toStdString())
      << "made, and the reference " << file.fileName().toStdString();
}

inline void ExpectMatchesReference(const QString& folder, const QString& name, const QImage& rendered) {
  const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
  if (UpdatingReferences()) {
    ASSERT_TRUE(QDir().mkpath(folder) && rendered.save(path, "PNG")) << path.toStdString();
    GTEST_SKIP() << "wrote " << path.toStdString();
  }
  const QImage reference(path);
  ASSERT_FALSE(reference.isNull()) << "no reference image " << path.toStdString();
  const QImage actual = rendered.convertToFormat(reference.format());
  int differing = 0;
  QPoint first;
  if (actual.size() == reference.size()) {
    for (int y = 0; y < actual.height(); ++y) {
      for (int x = 0; x < actual.width(); ++x) {
        if (actual.pixel(x, y) == reference.pixel(x, y)) continue;
        if (differing++ == 0) first = QPoint(x, y);
      }
    }
    if (differing == 0) return;
  }
  const QString saved = QDir::temp().filePath(QStringLiteral("meterly-rendered-") + name + QStringLiteral(".png"));
  actual.save(saved, "PNG");
  ADD_FAILURE() << name.toStdString() << ": rendered " << actual.width() << "x" << actual.height() << ", reference "
                << reference.width() << "x" << reference.height() << "; " << differing
                << " pixels differ, the first at " << first.x() << "," << first.y() << "; the rendering is in "
                << saved.toStdString();
}

}  // namespace meterly::testing_support
