#include "controls/dataaware/dq_rtf.h"

#include "platform/core/codepage.h"

#include <QSet>
#include <QVector>

namespace tav::controls {

namespace {

// Groups that hold no text of the document.
const QSet<QByteArray> &HiddenDestinations()
{
    static const QSet<QByteArray> names{
        "fonttbl", "colortbl", "stylesheet", "info",    "pict",     "object",    "header",           "footer",
        "headerl", "headerr",  "footerl",    "footerr", "xmlnstbl", "listtable", "listoverridetable"};
    return names;
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

QString dqRichTextToPlain(const QByteArray &rtf)
{
    QString text;
    QByteArray bytes; // characters of the code page waiting to be decoded
    auto flush = [&]() {
        text += FromCodePage(bytes, CodePage::Windows1253);
        bytes.clear();
    };
    QVector<bool> hidden{false};
    int skipAfterUnicode = 0;
    const qsizetype size = rtf.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = rtf.at(i);
        if (c == '{') {
            hidden.append(hidden.last());
            continue;
        }
        if (c == '}') {
            if (hidden.size() > 1)
                hidden.removeLast();
            continue;
        }
        if (c == '\r' || c == '\n')
            continue;
        if (c != '\\') {
            if (skipAfterUnicode > 0) {
                --skipAfterUnicode;
                continue;
            }
            if (!hidden.last())
                bytes.append(c);
            continue;
        }
        if (++i >= size)
            break;
        const char next = rtf.at(i);
        if (next == '\\' || next == '{' || next == '}') {
            if (!hidden.last())
                bytes.append(next);
            continue;
        }
        if (next == '*') {
            hidden.last() = true;
            continue;
        }
        if (next == '\'') {
            const int value = rtf.mid(i + 1, 2).toInt(nullptr, 16);
            i += 2;
            if (skipAfterUnicode > 0)
                --skipAfterUnicode;
            else if (!hidden.last())
                bytes.append(char(value));
            continue;
        }
        if (!IsLetter(next))
            continue;
        const qsizetype start = i;
        while (i < size && IsLetter(rtf.at(i)))
            ++i;
        const QByteArray word = rtf.mid(start, i - start);
        const qsizetype numberStart = i;
        if (i < size && (rtf.at(i) == '-' || (rtf.at(i) >= '0' && rtf.at(i) <= '9')))
            ++i;
        while (i < size && rtf.at(i) >= '0' && rtf.at(i) <= '9')
            ++i;
        const int parameter = rtf.mid(numberStart, i - numberStart).toInt();
        // A blank ends the control word and belongs to it; anything else is read next.
        if (i >= size || rtf.at(i) != ' ')
            --i;
        if (HiddenDestinations().contains(word)) {
            hidden.last() = true;
        } else if (hidden.last()) {
            continue;
        } else if (word == "par" || word == "line") {
            bytes.append('\n');
        } else if (word == "tab") {
            bytes.append('\t');
        } else if (word == "u") {
            flush();
            text += QChar(ushort(parameter < 0 ? parameter + 65536 : parameter));
            skipAfterUnicode = 1;
        }
    }
    flush();
    while (text.endsWith('\n'))
        text.chop(1);
    return text;
}

} // namespace tav::controls
