#pragma once

// Whole files written and read in one call, for tests that prepare or check files on disk.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

namespace meterly::testing_support {

// Makes the file's folder and writes the bytes as the whole file; a failure fails the test.
inline void WriteFile(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  EXPECT_TRUE(QDir().mkpath(QFileInfo(fileName).path()) && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              file.write(bytes) == bytes.size())
      << "cannot write " << fileName.toStdString();
}

// The whole file; empty when it cannot be read.
inline QByteArray FileBytes(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace meterly::testing_support
