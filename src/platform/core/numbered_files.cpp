#include "platform/core/numbered_files.h"

#include "platform/core/errors.h"

#include <QDir>
#include <QRegularExpression>

namespace {

const char *const kNotAnInteger = "'%1' δεν είναι έγκυρος ακέραιος";

int LeadingNumber(const QString &fileName)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    const qsizetype underscore = fileName.indexOf('_');
    const QString text = underscore < 0 ? QString() : fileName.left(underscore);
    bool ok = false;
    const int number = wholeNumber.match(text).hasMatch() ? text.toInt(&ok, 10) : 0;
    if (!ok)
        throw EConvertError(QString::fromUtf8(kNotAnInteger).arg(text));
    return number;
}

} // namespace

QList<NumberedFile> ListNumberedFiles(const QString &folder, const QString &extension)
{
    const QString suffix = '.' + extension;
    QList<NumberedFile> files;
    const QDir dir(folder);
    for (const QString &fileName : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        if (!fileName.endsWith(suffix, Qt::CaseInsensitive))
            continue;
        files.append({fileName.mid(fileName.indexOf('_') + 1), LeadingNumber(fileName)});
    }
    return files;
}
