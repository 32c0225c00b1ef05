#include "platform/db/alias_store.h"

#include "platform/core/paths.h"

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
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    for (QString line : lines) {
        if (line.endsWith('\r'))
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

QMap<QString, QString> ParseAliasParams(const QString &params)
{
    QMap<QString, QString> entries;
    int pos = 0;
    while (pos < params.size()) {
        const int colon = params.indexOf(':', pos);
        if (colon < 0)
            break;
        const QString name = params.mid(pos, colon - pos).trimmed().toUpper();
        QString value;
        int next = colon + 1;
        if (next < params.size() && params.at(next) == '"') {
            const int closing = params.indexOf('"', next + 1);
            const int end = closing < 0 ? params.size() : closing;
            value = params.mid(next + 1, end - next - 1);
            next = closing < 0 ? params.size() : closing + 1;
            const int semicolon = params.indexOf(';', next);
            next = semicolon < 0 ? params.size() : semicolon + 1;
        } else {
            const int semicolon = params.indexOf(';', next);
            const int end = semicolon < 0 ? params.size() : semicolon;
            value = params.mid(next, end - next);
            next = semicolon < 0 ? params.size() : semicolon + 1;
        }
        entries.insert(name, value);
        pos = next;
    }
    return entries;
}
