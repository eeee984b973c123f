#pragma once
// The poppler command-line tools, run on printed PDF files.
#include <QImage>
#include <QString>
#include <QStringList>

#include <string>

namespace lexiglade::test {

// Standard output of `program`; empty when it cannot run or fails.
QString RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 20000);

// The text of the PDF, by `pdftotext -layout`.
QString PdfText(const std::string& pdf);
// The text in the order it was drawn, without layout: long lines are never split or merged.
QString PdfRawText(const std::string& pdf);
// Lines of the text with every blank removed, blank lines left out.
QStringList SqueezedLines(const QString& text);
// The value of `field` ("Pages", "Page size", "Title") in `pdfinfo`'s report.
QString PdfInfoField(const std::string& pdf, const QString& field);
// True when the page of a one-page PDF is taller than wide.
bool IsPortrait(const std::string& pdf);
// The first page rendered by `pdftoppm -png` at `dpi`.
QImage RenderPage(const std::string& pdf, const std::string& folder, int dpi);
// The number of horizontal bands of ink on the page: one per line of text.
int InkBands(const QImage& page);

} // namespace lexiglade::test
