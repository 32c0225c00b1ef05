#pragma once

#include <QByteArray>
#include <QString>

namespace tav::controls {

// The plain text of a rich-text document: paragraph and line breaks as line feeds, tabs kept,
// escaped characters (\'hh in the Greek code page, \uN) read, formatting, tables of fonts,
// colours and styles, pictures and other hidden groups dropped.
QString dqRichTextToPlain(const QByteArray &rtf);

} // namespace tav::controls
