#include "reports/xls_file.h"

#include "base/assertion.h"
#include "reports/export_file.h"

#include <QtEndian>

namespace meterly {

void TMyWriter::WriteByte(quint8 value) { stream_.append(static_cast<char>(value)); }

void TMyWriter::WriteWord(quint16 value) {
  WriteByte(static_cast<quint8>(value & 0xFF));
  WriteByte(static_cast<quint8>(value >> 8));
}

void TMyWriter::WriteText(const QByteArray& bytes) { stream_.append(bytes); }

void TMyWriter::PatchWord(qsizetype position, quint16 value) { qToLittleEndian(value, stream_.data() + position); }

void TBOF::Write(TMyWriter& writer) const {
  writer.WriteWord(0x0000);
  writer.WriteWord(0x0010);
  writer.WriteWord(0x0000);
}

void TDimension::Write(TMyWriter& writer) const {
  writer.WriteWord(FirstRow);
  writer.WriteWord(LastRow);
  writer.WriteWord(FirstColumn);
  writer.WriteWord(LastColumn);
}

void TCodePage::Write(TMyWriter& writer) const { writer.WriteWord(CodePage); }

void TCell::Write(TMyWriter& writer) const {
  writer.WriteWord(Row);
  writer.WriteWord(Column);
  for (const quint8 attribute : Attributes) writer.WriteByte(attribute);
}

TStrCell::TStrCell(quint16 column, quint16 row, QByteArray text) : TCell(0x0004, column, row), Text(std::move(text)) {
  METERLY_ASSERT(Text.size() <= MaxTextBytes, "XLSfile", "a text cell is longer than its length byte tells");
}

void TStrCell::Write(TMyWriter& writer) const {
  TCell::Write(writer);
  writer.WriteByte(static_cast<quint8>(Text.size()));
  writer.WriteText(Text);
}

QByteArray TDispatcher::Serialize() const {
  QByteArray stream;
  TMyWriter writer(stream);
  for (const auto& record : records_) {
    writer.WriteWord(record->RecordId);
    const qsizetype lengthAt = writer.Position();
    writer.WriteWord(0);
    record->Write(writer);
    writer.PatchWord(lengthAt, static_cast<quint16>(writer.Position() - lengthAt - 2));
  }
  writer.WriteWord(EndRecordId);
  writer.WriteWord(0);
  return stream;
}

TXLSfile::TXLSfile(QString fileName, std::optional<TXLSCodePage> codePage)
    : FileName(std::move(fileName)), codePage_(codePage) {
  dispatcher_.Add(std::make_unique<TBOF>());
  if (codePage_) dispatcher_.Add(std::make_unique<TCodePage>(codePage_->Number));
  dispatcher_.Add(std::make_unique<TDimension>());
}

void TXLSfile::AddStrCell(int column, int row, const QString& text) {
  METERLY_ASSERT(column >= 1 && column <= MaxColumns && row >= 1 && row <= MaxRows, "XLSfile",
                 "AddStrCell: the cell lies beyond the worksheet");
  dispatcher_.Add(std::make_unique<TStrCell>(static_cast<quint16>(column - 1), static_cast<quint16>(row - 1),
                                             EncodedText(text, codePage_, TStrCell::MaxTextBytes)));
}

QByteArray TXLSfile::Bytes() const { return dispatcher_.Serialize(); }

void TXLSfile::SaveToFile() const { WriteExportFile(FileName, Bytes()); }

}  // namespace meterly
