#include "reports/export_escaping.h"

namespace meterly {

QString RtfText(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t unit = text.at(i).unicode();
    if (unit == u'\\' || unit == u'{' || unit == u'}') {
      out.append(QLatin1Char('\\')).append(QChar(unit));
    } else if (unit == u'\t') {
      out.append(QStringLiteral("\\tab "));
    } else if (unit == u'\r' || unit == u'\n') {
      if (unit == u'\r' && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ++i;
      out.append(QStringLiteral("\\line "));
    } else if (unit < 0x20) {
      out.append(QStringLiteral("\\'%1").arg(static_cast<uint>(unit), 2, 16, QLatin1Char('0')));
    } else if (unit >= 0x7F) {
      out.append(QStringLiteral("\\u%1?").arg(static_cast<qint16>(unit)));
    } else {
      out.append(QChar(unit));
    }
  }
  return out;
}

QString HtmlText(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const char32_t point : text.toUcs4()) {
    switch (point) {
      case U'&':
        out.append(QStringLiteral("&amp;"));
        break;
      case U'<':
        out.append(QStringLiteral("&lt;"));
        break;
      case U'>':
        out.append(QStringLiteral("&gt;"));
        break;
      case U'"':
        out.append(QStringLiteral("&quot;"));
        break;
      default:
        if (point >= 0x7F) {
          out.append(QStringLiteral("&#%1;").arg(static_cast<quint32>(point)));
        } else {
          out.append(QChar(static_cast<char16_t>(point)));
        }
    }
  }
  return out;
}

QString CsvValue(const QString& text, QChar separator) {
  const bool needsQuotes = text.contains(separator) || text.contains(QLatin1Char('"')) ||
                           text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
  if (!needsQuotes) return text;
  QString doubled = text;
  doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QChar ListSeparator(const QLocale& locale) {
  return locale.decimalPoint() == QStringLiteral(",") ? QLatin1Char(';') : QLatin1Char(',');
}

int CharacterCount(const QString& text) { return static_cast<int>(text.toUcs4().size()); }

}  // namespace meterly
