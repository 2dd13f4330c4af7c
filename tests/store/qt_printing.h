#pragma once

// Shows texts and lists of texts readably in test failures.

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

inline void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << "{ ";
  for (const QString& text : texts) *out << '"' << text.toStdString() << "\" ";
  *out << '}';
}
