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
// Lines end in LF alone, so a value keeps a CR at its end; only a file whose every line ends in
// CR LF (saved by an editor of another system) is read with CR LF line ends.
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

    // Refused (false, nothing written) when the name is empty, the alias exists already, or a value
    // could not be read back as written (a line break anywhere, a "]" in the name).
    bool Add(const AliasDefinition &alias);
    // False when there was no such alias.
    bool Delete(const QString &name);

private:
    QList<AliasDefinition> Load() const;
    bool Save(const QList<AliasDefinition> &aliases) const;

    QString path_;
};

// One entry of a parameter text, NAME:"value", with each quote of the value doubled, so that any
// folder or file name reads back whole.
QString AliasParamEntry(const QString &name, const QString &value);

// The entries of a parameter text: NAME:"value" pairs separated by ";", names upper-cased, a
// doubled quote inside a value standing for one; a value without quotes runs to the next ";".
// Nothing when the text cannot be read in one way only: a quote left open, text after a closing
// quote, a quote in a value without quotes, an entry without a name, a name given twice.
std::optional<QMap<QString, QString>> ParseAliasParams(const QString &params);

// The entries of the alias's parameter text. EDatabaseError when the text cannot be read in one
// way only: a guess could open another folder than the one registered, with none of the data.
QMap<QString, QString> AliasParams(const AliasDefinition &alias);
