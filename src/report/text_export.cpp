#include "report/text_export.h"

#include <array>

namespace tav::report {

namespace {

CodePage CodePageOf(TTextCode code)
{
    return code == TTextCode::Dos ? CodePage::Dos737 : CodePage::Windows1253;
}

// Byte of code page 1253 -> byte of code page 737, built once.
class TWinToDosTable
{
public:
    TWinToDosTable()
    {
        for (int byte = 0; byte < 256; ++byte)
            dos_[byte] = static_cast<char>(byte);
        const auto convert = [this](int byte) {
            const QString letter =
                FromCodePage(QByteArray(1, static_cast<char>(byte)), CodePage::Windows1253);
            dos_[byte] = ToCodePage(letter, CodePage::Dos737).at(0);
        };
        convert(0xA2); // Ά
        for (int byte = 0xB8; byte <= 0xFE; ++byte)
            convert(byte);
        const char nonBreakingBlank = '\xFF';
        dos_[0xBB] = nonBreakingBlank; // »
        dos_[0xBD] = nonBreakingBlank; // ½
        dos_[0xD2] = nonBreakingBlank; // unassigned in 1253
        dos_[0xC0] = '\xE5';           // ΐ as ί
        dos_[0xE0] = '\xE7';           // ΰ as ύ
    }

    QByteArray Convert(QByteArray bytes) const
    {
        for (char &byte : bytes)
            byte = dos_[static_cast<unsigned char>(byte)];
        return bytes;
    }

private:
    std::array<char, 256> dos_{};
};

} // namespace

QByteArray WinToDosStr(const QString &text)
{
    static const TWinToDosTable table;
    return table.Convert(ToCodePage(text, CodePage::Windows1253));
}

TTextExport::TTextExport(const QString &path, TTextCode code)
    : file_(path, TextFileWriter::Mode::Rewrite, CodePageOf(code)), code_(code)
{
}

void TTextExport::WriteLine(const QString &line)
{
    // The writer encodes in code page 737, where every byte stands for one character: decoding the
    // converted bytes hands it exactly those bytes.
    file_.WriteLine(code_ == TTextCode::Dos ? FromCodePage(WinToDosStr(line), CodePage::Dos737) : line);
}

void TTextExport::Close()
{
    file_.Close();
}

} // namespace tav::report
