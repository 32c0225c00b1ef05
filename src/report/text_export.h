#pragma once

#include "platform/core/text_file.h"

#include <QString>

namespace tav::report {

// The Greek text in the DOS Greek code page (737), byte for byte from its Windows Greek (1253)
// bytes: Ά and the letters and signs from Έ to ώ take their code page 737 byte; the five that code
// page 737 lacks take the nearest it has (ΐ and ΰ lose their dialytika, », ½ and the unassigned
// 0xD2 become a non-breaking blank). Every other byte — the ASCII range both code pages share and
// the remaining signs of 1253 — is written unchanged, so nothing is ever dropped.
QByteArray WinToDosStr(const QString &text);

// The two code pages of an export's text files.
enum class TTextCode
{
    Windows, // code page 1253: the text and desktop-publishing files
    Dos,     // code page 737: the DOS copy of a Greek text file, through WinToDosStr
};

// A text file of an export, created (or emptied) when the writer starts and written line by line,
// every line ended by CR LF. An error raises EInOutError; a writer
// left by an error keeps the file as it was before.
class TTextExport
{
public:
    explicit TTextExport(const QString &path, TTextCode code = TTextCode::Windows);

    void WriteLine(const QString &line = QString());
    void Close();

    const QString &FileName() const { return file_.FileName(); }

private:
    TextFileWriter file_;
    TTextCode code_;
};

} // namespace tav::report
