#include "platform/db/alias_store.h"

#include "platform/core/paths.h"
#include "platform/db/db_errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

const QString TypeKey = QStringLiteral("TYPE");
const QString ParamsKey = QStringLiteral("PARAMS");

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString AliasStore::DefaultPath()
{
    const QString fromEnvironment = qEnvironmentVariable("TAVROLIN_DBENGINE_CONFIG");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return JoinPath(ConfigFolder(), "dbengine.ini");
}

AliasStore::AliasStore(QString path) : path_(std::move(path)) {}

QList<AliasDefinition> AliasStore::Load() const
{
    QList<AliasDefinition> aliases;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return aliases;
    const QString text = QString::fromUtf8(file.readAll());
    // Our own files end each line in LF alone (a section line always does), so a CR before it is
    // part of the value.
    const bool crLfLines = text.count(QStringLiteral("\r\n")) == text.count('\n');
    for (QString line : text.split('\n')) {
        if (crLfLines && line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('[') && line.endsWith(']')) {
            aliases.append({line.mid(1, line.size() - 2), QString(), QString()});
            continue;
        }
        const int equals = line.indexOf('=');
        if (aliases.isEmpty() || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1);
        if (SameName(key, TypeKey))
            aliases.last().type = value;
        else if (SameName(key, ParamsKey))
            aliases.last().params = value;
    }
    return aliases;
}

bool AliasStore::Save(const QList<AliasDefinition> &aliases) const
{
    EnsureFolder(QFileInfo(path_).absolutePath());
    QString text;
    for (const AliasDefinition &alias : aliases)
        text += '[' + alias.name + "]\n" + TypeKey + '=' + alias.type + '\n' + ParamsKey + '=' +
                alias.params + "\n\n";
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

QStringList AliasStore::Names() const
{
    QStringList names;
    for (const AliasDefinition &alias : Load())
        names.append(alias.name);
    return names;
}

bool AliasStore::Exists(const QString &name) const
{
    return Find(name).has_value();
}

std::optional<AliasDefinition> AliasStore::Find(const QString &name) const
{
    for (const AliasDefinition &alias : Load())
        if (SameName(alias.name, name))
            return alias;
    return std::nullopt;
}

bool AliasStore::Add(const AliasDefinition &alias)
{
    // A name with brackets or a line break could not be read back as one section.
    if (alias.name.isEmpty() || alias.name.contains(']') || alias.name.contains('\n') ||
        alias.type.contains('\n') || alias.params.contains('\n'))
        return false;
    QList<AliasDefinition> aliases = Load();
    if (std::any_of(aliases.cbegin(), aliases.cend(),
                    [&](const AliasDefinition &existing) { return SameName(existing.name, alias.name); }))
        return false;
    aliases.append(alias);
    return Save(aliases);
}

bool AliasStore::Delete(const QString &name)
{
    QList<AliasDefinition> aliases = Load();
    const auto removed =
        aliases.removeIf([&](const AliasDefinition &alias) { return SameName(alias.name, name); });
    return removed > 0 && Save(aliases);
}

QString AliasParamEntry(const QString &name, const QString &value)
{
    QString quoted = value;
    return name + QStringLiteral(":\"") + quoted.replace('"', QStringLiteral("\"\"")) + '"';
}

std::optional<QMap<QString, QString>> ParseAliasParams(const QString &params)
{
    QMap<QString, QString> entries;
    const qsizetype size = params.size();
    qsizetype pos = 0;
    const auto skipSpaces = [&] {
        while (pos < size && params.at(pos).isSpace())
            ++pos;
    };
    for (;;) {
        skipSpaces();
        if (pos == size)
            return entries;
        const qsizetype colon = params.indexOf(':', pos);
        if (colon < 0)
            return std::nullopt;
        const QString name = params.mid(pos, colon - pos).trimmed().toUpper();
        if (name.isEmpty() || name.contains('"') || name.contains(';') || entries.contains(name))
            return std::nullopt;
        pos = colon + 1;
        qsizetype opening = pos;
        while (opening < size && params.at(opening).isSpace())
            ++opening;
        QString value;
        if (opening < size && params.at(opening) == '"') {
            pos = opening + 1;
            for (;;) {
                const qsizetype quote = params.indexOf('"', pos);
                if (quote < 0)
                    return std::nullopt;
                value += params.mid(pos, quote - pos);
                pos = quote + 1;
                if (pos == size || params.at(pos) != '"')
                    break;
                value += '"';
                ++pos;
            }
            skipSpaces();
            if (pos < size && params.at(pos) != ';')
                return std::nullopt;
        } else {
            const qsizetype semicolon = params.indexOf(';', pos);
            const qsizetype end = semicolon < 0 ? size : semicolon;
            value = params.mid(pos, end - pos);
            if (value.contains('"'))
                return std::nullopt;
            pos = end;
        }
        entries.insert(name, value);
        if (pos < size)
            ++pos; // past the ";"
    }
}

QMap<QString, QString> AliasParams(const AliasDefinition &alias)
{
    const std::optional<QMap<QString, QString>> entries = ParseAliasParams(alias.params);
    if (!entries)
        throw EDatabaseError(
            QStringLiteral("Οι παράμετροι του ψευδωνύμου %1 δεν διαβάζονται με βεβαιότητα:\n%2\n"
                           "Η βάση δεδομένων δεν ανοίγει, για να μην ανοιχτεί κατά λάθος άλλος φάκελος. "
                           "Καταχωρήστε ξανά το ψευδώνυμο με το πρόγραμμα ormandel "
                           "(για παράδειγμα: ormandel -%1 <φάκελος δεδομένων>).")
                .arg(alias.name, alias.params));
    return *entries;
}
