#include "support/pdf_text.h"

#include <QProcess>

QString PdfText(const QString &pdfPath)
{
    QProcess process;
    process.start("/usr/bin/pdftotext", {"-layout", "-enc", "UTF-8", pdfPath, "-"});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}
