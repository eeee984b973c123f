#include "PdfTools.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTransform>

namespace lexiglade::test {

QString RunTool(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

namespace {

// `-f page -l page` for one page, nothing for all.
QStringList PageRange(int page) {
    if (page <= 0) {
        return {};
    }
    return {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
            QString::number(page)};
}

// The coordinates of an SVG path's data, paired into points.
QPolygonF PathPoints(const QString& data) {
    static const QRegularExpression kNumber(QStringLiteral("-?[0-9]*\\.?[0-9]+(?:e-?[0-9]+)?"));
    std::vector<double> values;
    for (const QRegularExpressionMatch& match : kNumber.globalMatch(data)) {
        values.push_back(match.captured().toDouble());
    }
    QPolygonF points;
    for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
        points << QPointF(values[i], values[i + 1]);
    }
    return points;
}

// "matrix(a,b,c,d,e,f)", or the identity when there is none.
QTransform SvgTransform(const QString& attribute) {
    const QStringList values = attribute.split(',');
    if (values.size() != 6) {
        return {};
    }
    return QTransform(values[0].toDouble(), values[1].toDouble(), values[2].toDouble(),
                      values[3].toDouble(), values[4].toDouble(), values[5].toDouble());
}

} // namespace

QString PdfText(const std::string& pdf, int page) {
    return RunTool(QStringLiteral("pdftotext"),
                   PageRange(page) + QStringList{QStringLiteral("-layout"),
                                                 QString::fromStdString(pdf), QStringLiteral("-")});
}

QString PdfRawText(const std::string& pdf) {
    return RunTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-raw"), QString::fromStdString(pdf), QStringLiteral("-")});
}

QStringList SqueezedLines(const QString& text) {
    QStringList lines;
    for (QString line : text.split('\n')) {
        line.remove(QRegularExpression(QStringLiteral("\\s")));
        if (!line.isEmpty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

QString PdfInfoField(const std::string& pdf, const QString& field) {
    const QString report = RunTool(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    for (const QString& line : report.split('\n')) {
        if (line.startsWith(field + ':')) {
            return line.mid(field.size() + 1).trimmed();
        }
    }
    return {};
}

int PdfPages(const std::string& pdf) {
    return PdfInfoField(pdf, QStringLiteral("Pages")).toInt();
}

bool IsPortrait(const std::string& pdf) {
    static const QRegularExpression kSize(QStringLiteral("^([0-9.]+) x ([0-9.]+) pts"));
    const QRegularExpressionMatch match =
        kSize.match(PdfInfoField(pdf, QStringLiteral("Page size")));
    return match.hasMatch() && match.captured(1).toDouble() < match.captured(2).toDouble();
}

QImage RenderPage(const std::string& pdf, const std::string& folder, int dpi, int page) {
    const QString stem = QString::fromStdString(folder) + QStringLiteral("page");
    RunTool(QStringLiteral("pdftoppm"),
            PageRange(page) + QStringList{QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                          QStringLiteral("-r"), QString::number(dpi),
                                          QString::fromStdString(pdf), stem});
    return QImage(stem + QStringLiteral(".png"));
}

std::vector<PdfWord> PdfWords(const std::string& pdf, int page) {
    static const QRegularExpression kWord(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"
        "([^<]*)</word>"));
    const QString boxes =
        RunTool(QStringLiteral("pdftotext"),
                PageRange(page) + QStringList{QStringLiteral("-bbox"), QString::fromStdString(pdf),
                                              QStringLiteral("-")});
    std::vector<PdfWord> words;
    for (const QRegularExpressionMatch& match : kWord.globalMatch(boxes)) {
        const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
        words.push_back({match.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}

std::vector<QPolygonF> StrokedOutlines(const std::string& pdf, const std::string& folder,
                                       int page) {
    static const QRegularExpression kPath(QStringLiteral(
        "<path style=\"fill:none;[^\"]*\" d=\"([^\"]*)\"(?: transform=\"matrix\\(([^)]*)\\)\")?"));
    const QString svg = QString::fromStdString(folder) + QStringLiteral("page.svg");
    RunTool(QStringLiteral("pdftocairo"),
            PageRange(page) +
                QStringList{QStringLiteral("-svg"), QString::fromStdString(pdf), svg});
    QFile file(svg);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString text = QString::fromUtf8(file.readAll());
    std::vector<QPolygonF> outlines;
    for (const QRegularExpressionMatch& match : kPath.globalMatch(text)) {
        outlines.push_back(SvgTransform(match.captured(2)).map(PathPoints(match.captured(1))));
    }
    return outlines;
}

int InkBands(const QImage& page) {
    int bands = 0;
    bool inked = false;
    for (int y = 0; y < page.height(); ++y) {
        bool row = false;
        for (int x = 0; x < page.width() && !row; ++x) {
            row = qGray(page.pixel(x, y)) < 128;
        }
        bands += row && !inked ? 1 : 0;
        inked = row;
    }
    return bands;
}

} // namespace lexiglade::test
