#include "platform/regedit_format.h"

#include "platform/registry.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QStringView>

#include <algorithm>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

namespace meterly::platform {

namespace {

constexpr QStringView Header = u"REGEDIT4";
constexpr QStringView RootPrefix = u"HKEY_CURRENT_USER\\";

// ---- writing ----

void AppendQuoted(QString& out, const QString& text) {
  out += u'"';
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'\\':
        out += u"\\\\";
        break;
      case u'"':
        out += u"\\\"";
        break;
      case u'\n':
        out += u"\\n";
        break;
      case u'\r':
        out += u"\\r";
        break;
      default:
        out += c;
    }
  }
  out += u'"';
}

void AppendData(QString& out, const RegValue& value) {
  switch (value.type) {
    case RegValueType::String:
      AppendQuoted(out, value.string);
      return;
    case RegValueType::DWord:
      out += u"dword:";
      out += QString::number(value.dword, 16).rightJustified(8, u'0');
      return;
    case RegValueType::Binary:
      out += u"hex:";
      out += QString::fromLatin1(value.binary.toHex(','));
      return;
  }
}

void AppendValueLine(QString& out, const QString& name, const RegValue& value) {
  if (name.isEmpty()) {
    out += u'@';
  } else {
    AppendQuoted(out, name);
  }
  out += u'=';
  AppendData(out, value);
  out += u'\n';
}

// ---- reading ----

// Thrown inside the parser for a line that breaks the syntax; the line number is added outside.
struct LineError {
  QString reason;
  int line = 0;  // 0: the line being read
};

// The reasons are marked for translation where they are given.
[[noreturn]] void Fail(const char* reason, int line = 0) {
  throw LineError{QCoreApplication::translate("RegeditFormat", reason), line};
}

bool IsBlank(QStringView line) {
  return std::all_of(line.begin(), line.end(), [](QChar c) { return c == u' ' || c == u'\t'; });
}

int HexDigitValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  return -1;
}

QChar Unescaped(QChar c) {
  switch (c.unicode()) {
    case u'\\':
      return u'\\';
    case u'"':
      return u'"';
    case u'n':
      return u'\n';
    case u'r':
      return u'\r';
    default:
      Fail(QT_TRANSLATE_NOOP("RegeditFormat", "unknown escape inside quotes (only \\\\, \\\", \\n and \\r)"));
  }
}

// Reads the quoted text that starts at line[pos] and leaves pos just past its closing quote.
QString ReadQuoted(QStringView line, qsizetype& pos) {
  QString text;
  ++pos;
  for (;;) {
    qsizetype end = pos;
    while (end < line.size() && line[end] != u'"' && line[end] != u'\\') ++end;
    text += line.sliced(pos, end - pos);
    if (end == line.size()) break;
    if (line[end] == u'"') {
      pos = end + 1;
      return text;
    }
    if (end + 1 == line.size()) break;  // a backslash that escapes nothing
    text += Unescaped(line[end + 1]);
    pos = end + 2;
  }
  Fail(QT_TRANSLATE_NOOP("RegeditFormat", "quoted text has no closing quote"));
}

quint32 ReadDWord(QStringView digits) {
  if (digits.isEmpty() || digits.size() > 8)
    Fail(QT_TRANSLATE_NOOP("RegeditFormat", "dword value needs 1 to 8 hex digits"));
  quint32 number = 0;
  for (const QChar c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) Fail(QT_TRANSLATE_NOOP("RegeditFormat", "dword value needs 1 to 8 hex digits"));
    number = (number << 4) | static_cast<quint32>(digit);
  }
  return number;
}

// Appends the bytes of one line of a hex list ("00,01,ff", or "00,01,\" when the list goes
// on in the next line) and tells whether it goes on.
bool ReadHexBytes(QStringView part, QByteArray& bytes) {
  const bool continues = part.endsWith(u'\\');
  if (continues) part.chop(1);
  if (continues && part.endsWith(u',')) part.chop(1);
  for (qsizetype pos = 0; pos < part.size(); pos += 3) {
    const qsizetype left = part.size() - pos;
    const int high = left >= 2 ? HexDigitValue(part[pos]) : -1;
    const int low = left >= 2 ? HexDigitValue(part[pos + 1]) : -1;
    // Each byte is the last one, or a comma and another byte follow.
    const bool separated = left == 2 || (left > 3 && part[pos + 2] == u',');
    if (high < 0 || low < 0 || !separated)
      Fail(QT_TRANSLATE_NOOP("RegeditFormat", "hex value needs two-digit hex bytes separated by commas"));
    bytes.append(static_cast<char>((high << 4) | low));
  }
  return continues;
}

// Whether the path after the root names a key that the hive can hold; fails otherwise.
void CheckKeyPath(QStringView path) {
  if (path.isEmpty() || path.startsWith(u'\\') || path.endsWith(u'\\') || path.contains(u"\\\\")) {
    Fail(QT_TRANSLATE_NOOP("RegeditFormat", "key path has an empty key name"));
  }
  if (path.count(u'\\') >= RegistryHive::MaxKeyDepth)
    Fail(QT_TRANSLATE_NOOP("RegeditFormat", "key path nests keys too deep"));
}

class RegeditReader {
 public:
  void ReadLine(QStringView line);
  RegistryHive Finish();

 private:
  struct ContinuedBinary {
    QString name;
    QByteArray bytes;
  };

  void ReadKeyLine(QStringView line);
  void ReadValueLine(QStringView line);
  void ReadValueData(QString name, QStringView data);
  void ReadBinary(QStringView part);
  void StorePendingValues();

  bool sawHeader_ = false;
  std::optional<QString> currentKey_;
  // The values of the current key, stored together when the key ends.
  std::vector<std::pair<QString, RegValue>> pendingValues_;
  std::optional<ContinuedBinary> continuedBinary_;
  RegistryHive hive_;
};

void RegeditReader::ReadLine(QStringView line) {
  if (continuedBinary_) {
    ReadBinary(line.trimmed());
  } else if (IsBlank(line)) {
    return;
  } else if (!sawHeader_) {
    if (line != Header) Fail(QT_TRANSLATE_NOOP("RegeditFormat", "the file must start with REGEDIT4"));
    sawHeader_ = true;
  } else if (line.startsWith(u';')) {
    return;
  } else if (line.startsWith(u'[')) {
    ReadKeyLine(line);
  } else if (line.startsWith(u'"') || line.startsWith(u'@')) {
    ReadValueLine(line);
  } else {
    Fail(QT_TRANSLATE_NOOP("RegeditFormat", "line is neither a [key], a value nor a ; comment"));
  }
}

void RegeditReader::ReadKeyLine(QStringView line) {
  if (line.startsWith(u"[-")) Fail(QT_TRANSLATE_NOOP("RegeditFormat", "deleting a key with [-...] is not supported"));
  if (!line.endsWith(u']')) Fail(QT_TRANSLATE_NOOP("RegeditFormat", "key line is missing its closing ]"));
  const QStringView fullPath = line.sliced(1, line.size() - 2);
  if (!fullPath.startsWith(RootPrefix, Qt::CaseInsensitive))
    Fail(QT_TRANSLATE_NOOP("RegeditFormat", "key must be under HKEY_CURRENT_USER\\"));
  const QStringView path = fullPath.sliced(RootPrefix.size());
  CheckKeyPath(path);
  StorePendingValues();
  currentKey_ = path.toString();
  hive_.CreateKey(*currentKey_);
}

void RegeditReader::ReadValueLine(QStringView line) {
  if (!currentKey_) Fail(QT_TRANSLATE_NOOP("RegeditFormat", "value comes before any [key] line"));
  qsizetype pos = 0;
  QString name;
  if (line.startsWith(u'@')) {
    pos = 1;
  } else {
    name = ReadQuoted(line, pos);
  }
  if (pos == line.size() || line[pos] != u'=')
    Fail(QT_TRANSLATE_NOOP("RegeditFormat", "value name must be followed by ="));
  ReadValueData(std::move(name), line.sliced(pos + 1));
}

void RegeditReader::ReadValueData(QString name, QStringView data) {
  if (data.startsWith(u'"')) {
    qsizetype end = 0;
    QString text = ReadQuoted(data, end);
    if (end != data.size()) Fail(QT_TRANSLATE_NOOP("RegeditFormat", "text value must end at its closing quote"));
    pendingValues_.emplace_back(std::move(name), RegValue::FromString(std::move(text)));
  } else if (data.startsWith(u"dword:")) {
    pendingValues_.emplace_back(std::move(name), RegValue::FromDWord(ReadDWord(data.sliced(6))));
  } else if (data.startsWith(u"hex:")) {
    continuedBinary_ = ContinuedBinary{std::move(name), {}};
    ReadBinary(data.sliced(4));
  } else if (data.startsWith(u"hex(")) {
    Fail(QT_TRANSLATE_NOOP("RegeditFormat", "only text, dword: and hex: values are supported, not hex(n):"));
  } else {
    Fail(QT_TRANSLATE_NOOP("RegeditFormat", "value data must be \"text\", dword: or hex:"));
  }
}

void RegeditReader::ReadBinary(QStringView part) {
  if (ReadHexBytes(part, continuedBinary_->bytes)) return;
  pendingValues_.emplace_back(std::move(continuedBinary_->name),
                              RegValue::FromBinary(std::move(continuedBinary_->bytes)));
  continuedBinary_.reset();
}

void RegeditReader::StorePendingValues() {
  if (currentKey_ && !pendingValues_.empty()) hive_.SetValues(*currentKey_, pendingValues_);
  pendingValues_.clear();
}

RegistryHive RegeditReader::Finish() {
  if (!sawHeader_) Fail(QT_TRANSLATE_NOOP("RegeditFormat", "the file must start with REGEDIT4"), 1);
  if (continuedBinary_) Fail(QT_TRANSLATE_NOOP("RegeditFormat", "hex value goes on past the end of the file"));
  StorePendingValues();
  return std::move(hive_);
}

// Walks the lines of the file's bytes, each checked and decoded on its own so that an error
// names its line.
class LineSource {
 public:
  explicit LineSource(const QByteArray& text) : rest_(text) {
    if (rest_.startsWith(ByteOrderMark)) rest_ = rest_.sliced(ByteOrderMark.size());
  }

  bool AtEnd() const { return rest_.isEmpty(); }
  int LineNumber() const { return static_cast<int>(std::min<qsizetype>(lineNumber_, INT_MAX)); }

  QString Next() {
    ++lineNumber_;
    const qsizetype end = rest_.indexOf('\n');
    QByteArrayView line = end < 0 ? rest_ : rest_.first(end);
    rest_ = end < 0 ? QByteArrayView() : rest_.sliced(end + 1);
    if (line.endsWith('\r')) line.chop(1);
    if (line.contains('\0')) Fail(QT_TRANSLATE_NOOP("RegeditFormat", "NUL byte"));
    if (line.contains('\r')) Fail(QT_TRANSLATE_NOOP("RegeditFormat", "carriage return inside a line"));
    if (!line.isValidUtf8()) Fail(QT_TRANSLATE_NOOP("RegeditFormat", "invalid UTF-8"));
    // fromUtf8() would drop it silently; only the file's first bytes may be a byte-order mark.
    if (line.startsWith(ByteOrderMark)) Fail(QT_TRANSLATE_NOOP("RegeditFormat", "byte-order mark inside the file"));
    return QString::fromUtf8(line);
  }

 private:
  static constexpr QByteArrayView ByteOrderMark{"\xEF\xBB\xBF"};

  QByteArrayView rest_;
  qsizetype lineNumber_ = 0;
};

}  // namespace

QByteArray FormatRegedit(const RegistryHive& hive) {
  QString out = Header.toString() + u'\n';
  hive.ForEachKey([&out](const QString& path, const RegistryHive::Key& key) {
    out += u"\n[";
    out += RootPrefix;
    out += path;
    out += u"]\n";
    for (const auto& [name, value] : key.values) AppendValueLine(out, name, value);
  });
  return out.toUtf8();
}

std::variant<RegistryHive, RegeditParseError> ParseRegedit(const QByteArray& text) {
  LineSource lines(text);
  RegeditReader reader;
  try {
    while (!lines.AtEnd()) reader.ReadLine(lines.Next());
    return reader.Finish();
  } catch (const LineError& error) {
    return RegeditParseError{error.line > 0 ? error.line : std::max(lines.LineNumber(), 1), error.reason};
  } catch (const RegistryError& error) {
    return RegeditParseError{std::max(lines.LineNumber(), 1), error.message()};
  }
}

}  // namespace meterly::platform
