#include "platform/core/ini_file.h"

#include "platform/core/paths.h"
#include "platform/core/text_file.h"

#include <QFileInfo>

namespace {

bool SameName(const QString &a, const QString &b)
{
    return a.toCaseFolded() == b.toCaseFolded();
}

QString Unquoted(const QString &value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

TIniFile::TIniFile(const QString &fileName, CodePage codePage) : fileName_(fileName)
{
    if (!QFileInfo(fileName).isFile())
        return;
    Section *current = nullptr;
    for (const QString &rawLine : ReadTextLines(fileName, codePage)) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            qsizetype index = IndexOfSection(name);
            if (index < 0) {
                sections_.append({name, {}});
                index = sections_.size() - 1;
            }
            current = &sections_[index];
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!current || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!key.isEmpty() && !FindEntry(current->name, key))
            current->entries.append({key, Unquoted(line.mid(equals + 1).trimmed())});
    }
}

qsizetype TIniFile::IndexOfSection(const QString &name) const
{
    for (qsizetype i = 0; i < sections_.size(); ++i) {
        if (SameName(sections_.at(i).name, name))
            return i;
    }
    return -1;
}

const TIniFile::Section *TIniFile::FindSection(const QString &name) const
{
    const qsizetype index = IndexOfSection(name);
    return index < 0 ? nullptr : &sections_.at(index);
}

const TIniFile::Entry *TIniFile::FindEntry(const QString &section, const QString &key) const
{
    const Section *found = FindSection(section);
    if (!found)
        return nullptr;
    for (const Entry &entry : found->entries) {
        if (SameName(entry.key, key))
            return &entry;
    }
    return nullptr;
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Entry *entry = FindEntry(section, key);
    return entry ? entry->value : defaultValue;
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = ReadString(section, key, QString()).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

QStringList TIniFile::ReadSections() const
{
    QStringList names;
    for (const Section &section : sections_)
        names.append(section.name);
    return names;
}

QStringList TIniFile::ReadSection(const QString &section) const
{
    QStringList keys;
    if (const Section *found = FindSection(section)) {
        for (const Entry &entry : found->entries)
            keys.append(entry.key);
    }
    return keys;
}

QStringList TIniFile::ReadSectionValues(const QString &section) const
{
    QStringList lines;
    if (const Section *found = FindSection(section)) {
        for (const Entry &entry : found->entries)
            lines.append(entry.key + '=' + entry.value);
    }
    return lines;
}

bool TIniFile::SectionExists(const QString &section) const
{
    return FindSection(section) != nullptr;
}

bool TIniFile::ValueExists(const QString &section, const QString &key) const
{
    return FindEntry(section, key) != nullptr;
}

QString ProgramIniFileName()
{
    return JoinPath(ProgramFolder(), QStringLiteral("Tavrolin.ini"));
}
