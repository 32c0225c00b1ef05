#include "couponstats/auto_list.h"

#include "platform/core/format.h"
#include "platform/core/paths.h"
#include "platform/core/text_file.h"

#include <QDir>
#include <QFileInfo>

namespace tav::couponstats {

namespace {

// The kind text from its first digit on: "x3" is kind 3.
QString FromFirstDigit(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isDigit())
            return text.mid(i);
    }
    return QString();
}

} // namespace

int StrToIntTrim(const QString &text)
{
    int value = 0;
    return TryStrToInt(text.trimmed(), value) ? value : 0;
}

TAutoListText ParseAutoList(const QStringList &lines)
{
    TAutoListText list;
    for (const QString &line : lines) {
        const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
        if (semicolon < 0)
            continue;
        const int kind = StrToIntTrim(FromFirstDigit(line.left(semicolon)));
        for (const QString &piece : line.mid(semicolon + 1).split(QLatin1Char(','))) {
            if (piece.trimmed().isEmpty())
                continue;
            ++list.given;
            if (list.steps.size() < kMaxAutoSteps)
                list.steps.append({kind, StrToIntTrim(piece)});
        }
    }
    return list;
}

QString FindAutoListFile()
{
    const QString name = QString::fromLatin1(kAutoListFileName);
    for (const QString &folder : {QDir::currentPath(), ProgramFolder()}) {
        const QString path = JoinPath(folder, name);
        if (QFileInfo::exists(path))
            return path;
    }
    return QString();
}

TAutoListText ReadAutoList()
{
    const QString path = FindAutoListFile();
    return path.isEmpty() ? TAutoListText() : ParseAutoList(ReadTextLines(path));
}

} // namespace tav::couponstats
