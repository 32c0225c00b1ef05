#include "report/text_export.h"

namespace tav::report {

namespace {

CodePage CodePageOf(TTextCode code)
{
    return code == TTextCode::Dos ? CodePage::Dos737 : CodePage::Windows1253;
}

} // namespace

QString WinToDos(const QString &text)
{
    const QChar nonBreakingBlank(0x00A0);
    QString dos = text;
    for (QChar &ch : dos) {
        switch (ch.unicode()) {
        case 0x0390:            // ΐ
            ch = QChar(0x03AF); // ί
            break;
        case 0x03B0:            // ΰ
            ch = QChar(0x03CD); // ύ
            break;
        case 0x00BB: // »
        case 0x00BD: // ½
            ch = nonBreakingBlank;
            break;
        default:
            break;
        }
    }
    return dos;
}

TTextExport::TTextExport(const QString &path, TTextCode code)
    : file_(path, TextFileWriter::Mode::Rewrite, CodePageOf(code)), code_(code)
{
}

void TTextExport::WriteLine(const QString &line)
{
    file_.WriteLine(code_ == TTextCode::Dos ? WinToDos(line) : line);
}

void TTextExport::Close()
{
    file_.Close();
}

} // namespace tav::report
