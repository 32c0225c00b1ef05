#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The program's registry: keys such as "Software\Tavrolin\General" are groups of one settings
// file, ConfigFolder()/Tavrolin.conf; a section is a group below the key and holds named values.
// Key components, sections and value names are matched without case ("Software\TAVROLIN\general"
// is the same key as "Software\Tavrolin\General"), the leading "Software" is optional, and an
// empty section means the values directly under the key. Values are stored as text; each call
// opens the file, reads or writes and lets go, and every write reaches the disk before it returns
// (EInOutError when it cannot). A missing value reads as the default given.
class TRegIniFile
{
public:
    explicit TRegIniFile(const QString &key);

    QString ReadString(const QString &section, const QString &name, const QString &defaultValue) const;
    // A stored text that is no whole number reads as the default.
    int ReadInteger(const QString &section, const QString &name, int defaultValue) const;
    // Stored as 1 or 0; any other whole number reads as true, "true"/"false" are understood.
    bool ReadBool(const QString &section, const QString &name, bool defaultValue) const;
    // Stored with a decimal point; a decimal comma is understood too.
    double ReadFloat(const QString &section, const QString &name, double defaultValue) const;

    void WriteString(const QString &section, const QString &name, const QString &value);
    void WriteInteger(const QString &section, const QString &name, int value);
    void WriteBool(const QString &section, const QString &name, bool value);
    void WriteFloat(const QString &section, const QString &name, double value);

    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &name) const;
    // The names of the values of the section, in name order.
    QStringList ReadSection(const QString &section) const;
    // The sections below the key, in name order.
    QStringList ReadSections() const;
    void EraseSection(const QString &section);
    void DeleteKey(const QString &section, const QString &name);

    // The settings file all keys live in.
    static QString FileName();

private:
    QString GroupOf(QSettings &settings, const QString &section) const;
    QString ExistingValueKey(QSettings &settings, const QString &section, const QString &name) const;
    void Write(const QString &section, const QString &name, const QString &value);

    QStringList keyPath_;
};
