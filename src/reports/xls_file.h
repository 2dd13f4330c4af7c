#pragma once

#include "reports/xls_code_page.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

namespace meterly {

// A minimal worksheet in the early binary spreadsheet format: a beginning-of-file record, the
// dimensions, one text cell record per cell and the end record.

// Places bytes in a stream, 16-bit words little-endian.
class TMyFiler {
 public:
  explicit TMyFiler(QByteArray& stream) : stream_(stream) {}

  qsizetype Position() const { return stream_.size(); }

 protected:
  QByteArray& stream_;
};

class TMyWriter : public TMyFiler {
 public:
  using TMyFiler::TMyFiler;

  void WriteByte(quint8 value);
  void WriteWord(quint16 value);
  void WriteText(const QByteArray& bytes);
  // Overwrites the word at an earlier position.
  void PatchWord(qsizetype position, quint16 value);
};

// A record: its id and the data that follow its length word.
class TData {
 public:
  explicit TData(quint16 recordId) : RecordId(recordId) {}
  virtual ~TData() = default;

  virtual void Write(TMyWriter& writer) const = 0;

  const quint16 RecordId;
};

class TBOF final : public TData {
 public:
  TBOF() : TData(0x0809) {}
  void Write(TMyWriter& writer) const override;
};

class TDimension final : public TData {
 public:
  TDimension() : TData(0x0000) {}
  void Write(TMyWriter& writer) const override;

  quint16 FirstRow = 0;
  quint16 LastRow = 1000;
  quint16 FirstColumn = 0;
  quint16 LastColumn = 100;
};

// The character set of the texts; written only when a text is not plain ASCII.
class TCodePage final : public TData {
 public:
  explicit TCodePage(quint16 codePage) : TData(0x0042), CodePage(codePage) {}
  void Write(TMyWriter& writer) const override;

  const quint16 CodePage;
};

class TCell : public TData {
 public:
  TCell(quint16 recordId, quint16 column, quint16 row) : TData(recordId), Column(column), Row(row) {}
  void Write(TMyWriter& writer) const override;

  quint8 Attributes[3] = {0, 0, 0};
  const quint16 Column;  // 0-based
  const quint16 Row;     // 0-based
};

class TStrCell final : public TCell {
 public:
  static constexpr int MaxTextBytes = 255;

  // The text's bytes, at most MaxTextBytes: the length byte must tell them all.
  TStrCell(quint16 column, quint16 row, QByteArray text);
  void Write(TMyWriter& writer) const override;

  const QByteArray Text;
};

// The records of the worksheet in the order they are written, then the end record.
class TDispatcher {
 public:
  static constexpr quint16 EndRecordId = 0x000A;

  void Add(std::unique_ptr<TData> record) { records_.push_back(std::move(record)); }
  QByteArray Serialize() const;

 private:
  std::vector<std::unique_ptr<TData>> records_;
};

class TXLSfile {
 public:
  // Rows and columns a worksheet of this format can address.
  static constexpr int MaxRows = 65536;
  static constexpr int MaxColumns = 256;

  // Without a code page the texts are taken as plain ASCII.
  explicit TXLSfile(QString fileName, std::optional<TXLSCodePage> codePage = std::nullopt);

  // Column and row counted from 1; beyond the limits above is a consistency failure. A text
  // longer than a cell holds is cut on a character boundary.
  void AddStrCell(int column, int row, const QString& text);
  QByteArray Bytes() const;
  // Raises EExportError.
  void SaveToFile() const;

  const QString FileName;

 private:
  TDispatcher dispatcher_;
  const std::optional<TXLSCodePage> codePage_;
};

}  // namespace meterly
