#include "report/export_folders.h"

#include "platform/core/errors.h"
#include "platform/core/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

using namespace tav::report;

namespace {

struct FolderCase
{
    const char *name;
    std::function<QString()> folder;
};

// Every folder below the program folder, as relative paths.
QStringList FoldersBelow(const QString &root)
{
    QStringList folders;
    const QDir dir(root);
    for (const QFileInfo &info : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        folders.append(info.fileName());
        for (const QString &child : FoldersBelow(info.filePath()))
            folders.append(info.fileName() + '/' + child);
    }
    return folders;
}

} // namespace

TEST(ExportFoldersTest, EachFolderIsCreatedOnDemandInItsOneSpelling)
{
    using L = TExportLanguage;
    const FolderCase cases[] = {
        {"GR/txt", [] { return TextFolder(L::Greek); }},
        {"EN/txt", [] { return TextFolder(L::English); }},
        {"IT/txt", [] { return TextFolder(L::Italian); }},
        {"GR/dos", [] { return DosFolder(); }},
        {"GR/QXpress", [] { return QXpressFolder(L::Greek); }},
        {"EN/QXpress", [] { return QXpressFolder(L::English); }},
        {"IT/QXpress", [] { return QXpressFolder(L::Italian); }},
        {"htm", [] { return PageFolder(); }},
        {"htm1", [] { return NumberedPageFolder(); }},
        {"GR/htm", [] { return OddsPageFolder(L::Greek); }},
        {"EN/htm", [] { return OddsPageFolder(L::English); }},
        {"IT/htm", [] { return OddsPageFolder(L::Italian); }},
        {"LISTES", [] { return ListsFolder(); }},
        {"txtData/All", [] { return ResultTextFolder(TResultSpan::AllMatchdays); }},
        {"txtData/Lat", [] { return ResultTextFolder(TResultSpan::LastMatchday); }},
        {"HtmlData/ALL", [] { return RawPageFolder(TResultSpan::AllMatchdays); }},
        {"HtmlData/Lat", [] { return RawPageFolder(TResultSpan::LastMatchday); }},
    };
    const QString home = ProgramFolder();
    QStringList expected;
    for (const FolderCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QString relative = QString::fromUtf8(c.name);
        EXPECT_FALSE(QFileInfo::exists(JoinPath(home, relative)));
        EXPECT_EQ(c.folder(), JoinPath(home, relative));
        EXPECT_TRUE(QFileInfo(JoinPath(home, relative)).isDir());
        // Asking again finds the folder there.
        EXPECT_EQ(c.folder(), JoinPath(home, relative));
        expected.append(relative);
        if (relative.contains('/'))
            expected.append(relative.section('/', 0, 0));
    }
    expected.removeDuplicates();
    expected.sort();
    QStringList made = FoldersBelow(home);
    made.sort();
    // Only the export folders, one per name, whatever case the program once wrote them in.
    EXPECT_EQ(made, expected);
}

TEST(ExportFoldersTest, AFolderThatCannotBeMadeRaisesAnInOutError)
{
    QFile blocker(JoinPath(ProgramFolder(), "htm"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        PageFolder();
        FAIL() << "no error";
    } catch (const EInOutError &error) {
        EXPECT_EQ(error.Message(), QString("Δεν είναι δυνατή η δημιουργία του φακέλου %1")
                                       .arg(QDir::toNativeSeparators(JoinPath(ProgramFolder(), "htm"))));
    }
}
