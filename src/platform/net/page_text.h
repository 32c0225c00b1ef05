#pragma once

#include <QByteArray>
#include <QString>

// The text of a fetched page, decoded by the character set the page declares: the HTTP
// "Content-Type" header first, else a "charset" in the page's own head. UTF-8, ISO-8859-7 and
// windows-1253 are read as such; a page that declares nothing, or another set, is read as
// windows-1253, the code page of the program's own files.

// The declared set in lower case ("utf-8", "iso-8859-7", "windows-1253"), or empty.
QString DeclaredCharset(const QByteArray &body, const QString &contentType);

QString DecodePage(const QByteArray &body, const QString &contentType);
