#pragma once

#include <QByteArray>
#include <QString>

// The two single-byte code pages the program's files use: Windows Greek for text files, tables
// and HTML pages, DOS Greek for the DOS copies of exports. Text is Unicode inside the program.
enum class CodePage
{
    Windows1253,
    Dos737,
};

// A character that the code page cannot hold becomes '?'; nothing is ever dropped or aborted.
QByteArray ToCodePage(const QString &text, CodePage codePage);

// Bytes with no character in the code page become U+FFFD.
QString FromCodePage(const QByteArray &bytes, CodePage codePage);

// True when every character of the text has a byte in the code page.
bool FitsCodePage(const QString &text, CodePage codePage);
