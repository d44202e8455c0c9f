#include "print/PdfPages.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
bool run(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForStarted(10000) && process.waitForFinished(120000);
    *output =
        QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
} // namespace

PdfFacts readPdfFacts(const QString& pdfFile) {
    PdfFacts facts;
    QString info;
    if (!run(QStringLiteral("pdfinfo"), {pdfFile}, &info)) {
        facts.problem = QStringLiteral("pdfinfo cannot read %1: %2").arg(pdfFile, info);
        return facts;
    }
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(info);
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                           QRegularExpression::MultilineOption)
            .match(info);
    if (!pages.hasMatch() || !size.hasMatch()) {
        facts.problem = QStringLiteral("pdfinfo gave no page count or size:\n") + info;
        return facts;
    }
    facts.pages = pages.captured(1).toInt();
    facts.pageSizePoints = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    return facts;
}

QImage rasterisePage(const QString& pdfFile, int dotsPerInch) {
    const QTemporaryDir folder;
    const QString stem = folder.filePath(QStringLiteral("page"));
    QString output;
    if (!run(QStringLiteral("pdftoppm"),
             {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-f"),
              QStringLiteral("1"), QStringLiteral("-singlefile"), QStringLiteral("-png"), pdfFile,
              stem},
             &output))
        return {};
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}
