#pragma once
// The poppler command-line tools, run on printed PDF files.
#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace lexiglade::test {

// Standard output of `program`; empty when it cannot run or fails.
QString RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 20000);

// The text of the PDF, or of its page `page` (from 1), by `pdftotext -layout`.
QString PdfText(const std::string& pdf, int page = 0);
// The text in the order it was drawn, without layout: long lines are never split or merged.
QString PdfRawText(const std::string& pdf);
// Lines of the text with every blank removed, blank lines left out.
QStringList SqueezedLines(const QString& text);
// The value of `field` ("Pages", "Page size", "Title") in `pdfinfo`'s report.
QString PdfInfoField(const std::string& pdf, const QString& field);
// The number of pages, 0 when the file cannot be read.
int PdfPages(const std::string& pdf);
// True when the pages of the PDF are taller than wide.
bool IsPortrait(const std::string& pdf);
// Page `page` (from 1) rendered by `pdftoppm -png` at `dpi`.
QImage RenderPage(const std::string& pdf, const std::string& folder, int dpi, int page = 1);

// A word of a page and its box, in points from the page's top left corner.
struct PdfWord {
    QString text;
    QRectF box;
    bool operator==(const PdfWord&) const = default;
};
// The words of page `page` (from 1), by `pdftotext -bbox`.
std::vector<PdfWord> PdfWords(const std::string& pdf, int page);
// The outlines stroked and not filled on page `page` (from 1), in points from the page's top left
// corner, each as the polygon through its points (a curve through its control points): read from
// the page converted by `pdftocairo -svg`.
std::vector<QPolygonF> StrokedOutlines(const std::string& pdf, const std::string& folder, int page);
// The number of horizontal bands of ink on the page: one per line of text.
int InkBands(const QImage& page);

} // namespace lexiglade::test
