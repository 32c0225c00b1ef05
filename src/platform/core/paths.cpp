#include "platform/core/paths.h"

#include <QDir>
#include <QHash>
#include <QStringList>

namespace {

QString EnvFolder(const char *name)
{
    return qEnvironmentVariable(name);
}

QString CreatedFolder(const QString &path)
{
    EnsureFolder(path);
    return QDir::cleanPath(path);
}

// Every folder name the program writes below its program folder, in the one spelling it uses.
const QStringList &KnownComponents()
{
    static const QStringList names = {
        "Data", "Backup",   "Mones",      "Zuges",     "GR",      "EN",   "IT",  "txt",
        "dos",  "QXpress",  "htm",        "htm1",      "txtData", "All",  "Lat", "HtmlData",
        "ALL",  "Kouponia", "MyKouponia", "PROTASEIS", "LISTES",  "help",
    };
    return names;
}

QString CanonicalComponent(const QString &component)
{
    static const QHash<QString, QString> byFolded = [] {
        QHash<QString, QString> map;
        for (const QString &name : KnownComponents())
            map.insert(name.toCaseFolded(), name);
        // "All" and "ALL" are two spellings of one folder name that the program uses in
        // different parents: the last one listed would win, so keep the first.
        map.insert(QStringLiteral("all"), QStringLiteral("All"));
        return map;
    }();
    return byFolded.value(component.toCaseFolded(), component);
}

} // namespace

QString ProgramFolder()
{
    QString folder = EnvFolder("TAVROLIN_HOME");
    if (folder.isEmpty()) {
        QString dataHome = EnvFolder("XDG_DATA_HOME");
        if (dataHome.isEmpty())
            dataHome = QDir::homePath() + "/.local/share";
        folder = dataHome + "/Tavrolin";
    }
    return CreatedFolder(folder);
}

QString ConfigFolder()
{
    QString configHome = EnvFolder("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + "/.config";
    return CreatedFolder(configHome + "/Tavrolin");
}

QString CanonicalFolderName(const QString &designName)
{
    QString name = designName;
    name.replace('\\', '/');
    QStringList parts = name.split('/', Qt::SkipEmptyParts);
    // HtmlData keeps its upper-case ALL; txtData keeps All.
    for (int i = 0; i < parts.size(); ++i) {
        QString canonical = CanonicalComponent(parts[i]);
        if (canonical == QLatin1String("All") && i > 0 &&
            parts[i - 1].compare(QLatin1String("HtmlData"), Qt::CaseInsensitive) == 0)
            canonical = QStringLiteral("ALL");
        parts[i] = canonical;
    }
    return parts.join('/');
}

QString ProgramSubfolder(const QString &designName)
{
    return JoinPath(ProgramFolder(), CanonicalFolderName(designName));
}

bool EnsureFolder(const QString &path)
{
    return QDir().mkpath(path);
}

QString JoinPath(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    if (name.isEmpty())
        return folder;
    QString left = folder;
    while (left.size() > 1 && left.endsWith('/'))
        left.chop(1);
    QString right = name;
    while (right.startsWith('/'))
        right.remove(0, 1);
    return left.endsWith('/') ? left + right : left + '/' + right;
}
