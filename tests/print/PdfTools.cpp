#include "PdfTools.h"

#include <QProcess>
#include <QRegularExpression>

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

QString PdfText(const std::string& pdf) {
    return RunTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
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

bool IsPortrait(const std::string& pdf) {
    static const QRegularExpression size(QStringLiteral("^([0-9.]+) x ([0-9.]+) pts"));
    const QRegularExpressionMatch match =
        size.match(PdfInfoField(pdf, QStringLiteral("Page size")));
    return match.hasMatch() && match.captured(1).toDouble() < match.captured(2).toDouble();
}

QImage RenderPage(const std::string& pdf, const std::string& folder, int dpi) {
    const QString stem = QString::fromStdString(folder) + QStringLiteral("page");
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
             QString::number(dpi), QString::fromStdString(pdf), stem});
    return QImage(stem + QStringLiteral(".png"));
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
