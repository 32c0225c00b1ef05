#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// One alias of the database engine: a name, a driver type and the parameter text exactly as
// the set-up program built it, e.g. PATH:"/home/u/.local/share/Tavrolin/Data";DEFAULT
// DRIVER:"PARADOX";ENABLE BCD:"FALSE".
struct AliasDefinition
{
    QString name;
    QString type;
    QString params;
};

// The engine's alias configuration: a plain INI file of our own, one section per alias (names
// matched without case) with the keys TYPE and PARAMS, values written verbatim without escaping.
class AliasStore
{
public:
    // $TAVROLIN_DBENGINE_CONFIG, else dbengine.ini in the settings folder.
    static QString DefaultPath();

    explicit AliasStore(QString path = DefaultPath());

    QString Path() const { return path_; }
    QStringList Names() const;
    bool Exists(const QString &name) const;
    std::optional<AliasDefinition> Find(const QString &name) const;

    // Refused (false, nothing written) when the name is empty or the alias exists already.
    bool Add(const AliasDefinition &alias);
    // False when there was no such alias.
    bool Delete(const QString &name);

private:
    QList<AliasDefinition> Load() const;
    bool Save(const QList<AliasDefinition> &aliases) const;

    QString path_;
};

// The entries of a parameter text: NAME:"value" pairs separated by ";", names upper-cased.
QMap<QString, QString> ParseAliasParams(const QString &params);
