#include "controls/dataaware/dq_str.h"

namespace tav::controls {

void dqNextToken(const QString &s, const QString &delimiter, int &pos, QString &token)
{
    token.clear();
    if (pos <= 0)
        return;
    if (pos > s.size()) {
        pos = -1;
        return;
    }
    const int start = pos - 1;
    if (delimiter.size() == 1) {
        const int found = int(s.indexOf(delimiter.at(0), start));
        if (found < 0) {
            token = s.mid(start);
            pos = -1;
            return;
        }
        token = s.mid(start, found - start);
        pos = found + 2;
        return;
    }
    const QString word = ' ' + delimiter + ' ';
    const int found = int(s.indexOf(word, start, Qt::CaseInsensitive));
    if (found < 0) {
        token = s.mid(start);
        pos = -1;
        return;
    }
    token = s.mid(start, found - start);
    pos = found + int(word.size()) + 1;
}

QStringList dqSplitList(const QString &s, QChar delimiter)
{
    return s.split(delimiter);
}

void dqTrimRightSet(QString &s, const QString &chars)
{
    qsizetype end = s.size();
    while (end > 0 && chars.contains(s.at(end - 1)))
        --end;
    s.truncate(end);
}

bool dqSameText(const QString &a, const QString &b)
{
    return a.toUpper() == b.toUpper();
}

} // namespace tav::controls
