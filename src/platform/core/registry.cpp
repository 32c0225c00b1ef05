#include "platform/core/registry.h"

#include "platform/core/errors.h"
#include "platform/core/paths.h"

#include <QDir>
#include <QLocale>
#include <QSettings>

#include <optional>

namespace {

const char *const kCannotSave = "Σφάλμα στην αποθήκευση των ρυθμίσεων στο αρχείο %1";
const char *const kNoValueName = "Δεν δόθηκε όνομα τιμής για την αποθήκευση των ρυθμίσεων";

// The key components the program uses, in the spelling the settings file keeps.
QString CanonicalComponent(const QString &component)
{
    static const QStringList known = {"Tavrolin", "General", "Diorganvsh", "Directories"};
    for (const QString &name : known) {
        if (name.compare(component, Qt::CaseInsensitive) == 0)
            return name;
    }
    return component;
}

QStringList NormalisedKeyPath(const QString &key)
{
    QStringList parts = QString(key).replace('\\', '/').split('/', Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    for (QString &part : parts)
        part = CanonicalComponent(part);
    return parts;
}

QStringList SplitName(const QString &name)
{
    return QString(name).replace('\\', '/').split('/', Qt::SkipEmptyParts);
}

// The spelling under which a name already exists among the given names, else the name itself.
QString ExistingSpelling(const QStringList &existing, const QString &name)
{
    for (const QString &candidate : existing) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return name;
}

// Walks the group components from the top, taking for each the spelling already in the file.
QString ResolveGroup(QSettings &settings, const QStringList &components)
{
    QStringList resolved;
    for (const QString &component : components) {
        const QString name = ExistingSpelling(settings.childGroups(), component);
        resolved.append(name);
        settings.beginGroup(name);
    }
    for (qsizetype i = 0; i < components.size(); ++i)
        settings.endGroup();
    return resolved.join('/');
}

// Writes the changes to disk now: the next reader may be another process.
void Save(QSettings &settings)
{
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw EInOutError(QString::fromUtf8(kCannotSave).arg(QDir::toNativeSeparators(settings.fileName())));
}

std::optional<int> ParseInteger(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

TRegIniFile::TRegIniFile(const QString &key) : keyPath_(NormalisedKeyPath(key)) {}

QString TRegIniFile::FileName()
{
    return JoinPath(ConfigFolder(), QStringLiteral("Tavrolin.conf"));
}

QString TRegIniFile::GroupOf(QSettings &settings, const QString &section) const
{
    return ResolveGroup(settings, keyPath_ + SplitName(section));
}

QString TRegIniFile::ExistingValueKey(QSettings &settings, const QString &section, const QString &name) const
{
    const QString group = GroupOf(settings, section);
    settings.beginGroup(group);
    const QString key = ExistingSpelling(settings.childKeys(), name);
    settings.endGroup();
    return group.isEmpty() ? key : group + '/' + key;
}

QString TRegIniFile::ReadString(const QString &section, const QString &name,
                                const QString &defaultValue) const
{
    if (name.isEmpty())
        return defaultValue;
    QSettings settings(FileName(), QSettings::IniFormat);
    const QVariant value = settings.value(ExistingValueKey(settings, section, name));
    if (!value.isValid())
        return defaultValue;
    // A hand-edited value with unquoted commas comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

int TRegIniFile::ReadInteger(const QString &section, const QString &name, int defaultValue) const
{
    return ParseInteger(ReadString(section, name, QString())).value_or(defaultValue);
}

bool TRegIniFile::ReadBool(const QString &section, const QString &name, bool defaultValue) const
{
    const QString text = ReadString(section, name, QString()).trimmed();
    if (const std::optional<int> number = ParseInteger(text))
        return *number != 0;
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return defaultValue;
}

double TRegIniFile::ReadFloat(const QString &section, const QString &name, double defaultValue) const
{
    const QString text = ReadString(section, name, QString()).trimmed().replace(',', '.');
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok ? value : defaultValue;
}

void TRegIniFile::Write(const QString &section, const QString &name, const QString &value)
{
    if (name.isEmpty())
        throw Exception(QString::fromUtf8(kNoValueName));
    QSettings settings(FileName(), QSettings::IniFormat);
    settings.setValue(ExistingValueKey(settings, section, name), value);
    Save(settings);
}

void TRegIniFile::WriteString(const QString &section, const QString &name, const QString &value)
{
    Write(section, name, value);
}

void TRegIniFile::WriteInteger(const QString &section, const QString &name, int value)
{
    Write(section, name, QString::number(value));
}

void TRegIniFile::WriteBool(const QString &section, const QString &name, bool value)
{
    Write(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TRegIniFile::WriteFloat(const QString &section, const QString &name, double value)
{
    Write(section, name, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

bool TRegIniFile::SectionExists(const QString &section) const
{
    QSettings settings(FileName(), QSettings::IniFormat);
    settings.beginGroup(GroupOf(settings, section));
    return !settings.childKeys().isEmpty() || !settings.childGroups().isEmpty();
}

bool TRegIniFile::ValueExists(const QString &section, const QString &name) const
{
    if (name.isEmpty())
        return false;
    QSettings settings(FileName(), QSettings::IniFormat);
    return settings.contains(ExistingValueKey(settings, section, name));
}

QStringList TRegIniFile::ReadSection(const QString &section) const
{
    QSettings settings(FileName(), QSettings::IniFormat);
    settings.beginGroup(GroupOf(settings, section));
    return settings.childKeys();
}

QStringList TRegIniFile::ReadSections() const
{
    QSettings settings(FileName(), QSettings::IniFormat);
    settings.beginGroup(GroupOf(settings, QString()));
    return settings.childGroups();
}

void TRegIniFile::EraseSection(const QString &section)
{
    QSettings settings(FileName(), QSettings::IniFormat);
    const QString group = GroupOf(settings, section);
    if (section.isEmpty()) {
        // The values directly under the key go; its sections stay.
        settings.beginGroup(group);
        for (const QString &key : settings.childKeys())
            settings.remove(key);
        settings.endGroup();
    } else {
        settings.remove(group);
    }
    Save(settings);
}

void TRegIniFile::DeleteKey(const QString &section, const QString &name)
{
    if (name.isEmpty())
        return;
    QSettings settings(FileName(), QSettings::IniFormat);
    settings.remove(ExistingValueKey(settings, section, name));
    Save(settings);
}
