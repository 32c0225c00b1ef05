#pragma once

#include "platform/core/codepage.h"

#include <QList>
#include <QString>
#include <QStringList>

// Reads an ini file of "[section]" headers and "key=value" lines in code page 1253, such as the
// program's own Tavrolin.ini. Section and key names are matched without case (Greek included,
// accents significant); a section name may hold any character but "]" and a key name any but
// "=", apostrophes included ("Α' ΕΘΝΙΚΗ"). Names and values are trimmed; a value in matching quotes loses
// them; lines starting with ";" are comments. A section or key that appears twice is read from its first
// appearance. The file is read once, when the object is made; a missing file reads as an empty ini.
class TIniFile
{
public:
    explicit TIniFile(const QString &fileName, CodePage codePage = CodePage::Windows1253);

    const QString &FileName() const { return fileName_; }

    QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;
    // A value that is no whole number reads as the default.
    int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
    // Section names in file order.
    QStringList ReadSections() const;
    // Key names of the section in file order.
    QStringList ReadSection(const QString &section) const;
    // "key=value" lines of the section in file order.
    QStringList ReadSectionValues(const QString &section) const;
    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &key) const;

private:
    struct Entry
    {
        QString key;
        QString value;
    };
    struct Section
    {
        QString name;
        QList<Entry> entries;
    };

    qsizetype IndexOfSection(const QString &name) const;
    const Section *FindSection(const QString &name) const;
    const Entry *FindEntry(const QString &section, const QString &key) const;

    QString fileName_;
    QList<Section> sections_;
};

// The program's own ini file, Tavrolin.ini in the program folder.
QString ProgramIniFileName();
