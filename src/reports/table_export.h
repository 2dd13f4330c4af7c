#pragma once

#include "reports/report_table.h"

#include <QLocale>
#include <QString>

namespace meterly {

// The file writers take a table as it is shown and never format numbers themselves. Every one
// raises EExportError when the file cannot be written (the old file then stays as it was).

// A worksheet: the title at A1, the column captions on row 3, the rows from row 4. A table
// beyond the format's rows or columns is refused with EExportError before anything is written.
void ExportXLS(const TReportTable& table, const QString& fileName, const QString& title);
void ExportRTF(const TReportTable& table, const QString& fileName, const QString& title);
void ExportHTML(const TReportTable& table, const QString& fileName, const QString& title);
// Fixed-width text, 80 characters wide, UTF-8.
void ExportText(const TReportTable& table, const QString& fileName, const QString& title);
// Separated by the locale's list separator, UTF-8, no title.
void ExportCSV(const TReportTable& table, const QString& fileName, const QLocale& locale = QLocale::system());

// Tab-separated text for copying: captions, a line of "=" under each, then the rows.
QString TableToText(const TReportTable& table);

// The file contents, as written by the writers above.
QByteArray XLSBytes(const TReportTable& table, const QString& title);
QByteArray RTFBytes(const TReportTable& table, const QString& title);
QByteArray HTMLBytes(const TReportTable& table, const QString& title);
QByteArray TextBytes(const TReportTable& table, const QString& title);
QByteArray CSVBytes(const TReportTable& table, const QLocale& locale = QLocale::system());

// The save dialog's choices, in the order of its filter numbers 1 to 5.
extern const char* const ExportFilter;
// ExportFilter in the user's language.
QString ExportFilterText();
// Writes the table in the format of the chosen filter number; the title is not used by CSV.
// Any other number fails the consistency check of "totals".
void ExportByFilter(int filter, const TReportTable& table, const QString& fileName, const QString& title,
                    const QLocale& locale = QLocale::system());

}  // namespace meterly
