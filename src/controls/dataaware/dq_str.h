#pragma once

#include <QString>
#include <QStringList>

namespace tav::controls {

// Takes from position pos (1-based) the text up to the next delimiter into token and moves pos
// past it. A delimiter of one character is found as it is; a longer one is a word found without
// case with one blank on each side, and pos moves past those blanks. With no delimiter left the
// token is the rest and pos becomes -1; pos beyond the text gives an empty token and -1; pos 0 or
// below gives an empty token and leaves pos as it is.
void dqNextToken(const QString &s, const QString &delimiter, int &pos, QString &token);
// The pieces of s between one-character delimiters; an empty s gives one empty piece.
QStringList dqSplitList(const QString &s, QChar delimiter);
// Removes the characters of chars from the end of s.
void dqTrimRightSet(QString &s, const QString &chars);
bool dqSameText(const QString &a, const QString &b);

} // namespace tav::controls
