#include "platform/core/file_copy.h"
#include "support/test_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FileNames(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

class FileCopy : public testing::Test
{
protected:
    void SetUp() override
    {
        source = CurrentTestFolders().Root() + "/src";
        target = CurrentTestFolders().Root() + "/out/deep/target";
        WriteFile(source + "/Agvnes.DB", "matches");
        WriteFile(source + "/Omades.db", "teams");
        WriteFile(source + "/notes.txt", "notes");
        WriteFile(source + "/README", "no dot");
        WriteFile(source + "/.hidden.db", "hidden");
        WriteFile(source + "/sub/inner.db", "inner");
    }

    QString source;
    QString target;
};

} // namespace

TEST_F(FileCopy, WildcardPatternsMatchWithoutCaseAndSkipFolders)
{
    const struct
    {
        const char *pattern;
        QStringList expected;
    } cases[] = {
        {"*.db", {".hidden.db", "Agvnes.DB", "Omades.db"}},
        {"*.*", {".hidden.db", "Agvnes.DB", "Omades.db", "README", "notes.txt"}},
        {"o*.DB", {"Omades.db"}},
        {"*.xyz", {}},
    };
    for (const auto &c : cases) {
        QDir(target).removeRecursively();
        const FileCopyResult result = CopyFiles(source + "/" + c.pattern, target);
        EXPECT_TRUE(result.Succeeded()) << c.pattern;
        EXPECT_EQ(result.copied, c.expected.size()) << c.pattern;
        EXPECT_EQ(FileNames(target), c.expected) << c.pattern;
    }
    CopyFiles(source + "/*.db", target);
    EXPECT_EQ(ReadFile(target + "/Omades.db"), QByteArray("teams"));
}

TEST_F(FileCopy, FolderSourceCopiesItsFilesOnly)
{
    const FileCopyResult result = CopyFiles(source, target);
    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(result.copied, 5);
    EXPECT_EQ(FileNames(target).size(), 5);
    EXPECT_FALSE(QFileInfo::exists(target + "/sub"));
    EXPECT_EQ(ReadFile(target + "/Agvnes.DB"), QByteArray("matches"));
}

TEST_F(FileCopy, SingleFileOverwritesTheTargetAndKeepsItsTime)
{
    WriteFile(target + "/notes.txt", "an older and longer text");
    const FileCopyResult result = CopyFiles(source + "/notes.txt", target);
    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(result.copied, 1);
    EXPECT_EQ(FileNames(target), QStringList{"notes.txt"});
    EXPECT_EQ(ReadFile(target + "/notes.txt"), QByteArray("notes"));
    EXPECT_EQ(QFileInfo(target + "/notes.txt").lastModified(),
              QFileInfo(source + "/notes.txt").lastModified());
}

TEST_F(FileCopy, MissingSourceIsAFailure)
{
    for (const QString &missing : {source + "/absent.db", source + "/nofolder/*.*"}) {
        const FileCopyResult result = CopyFiles(missing, target);
        EXPECT_FALSE(result.Succeeded()) << missing.toStdString();
        ASSERT_EQ(result.failures.size(), 1);
        EXPECT_EQ(result.failures.first().file, missing);
        EXPECT_FALSE(result.failures.first().reason.isEmpty());
        EXPECT_EQ(result.copied, 0);
    }
}

TEST_F(FileCopy, UnwritableTargetReportsEveryFileAndLeavesNothingBehind)
{
    QDir().mkpath(target);
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    {
        QFile probe(target + "/probe");
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(target,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            GTEST_SKIP() << "permissions do not hold for this user (root)";
        }
    }
    const FileCopyResult result = CopyFiles(source + "/*.db", target);
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(result.copied, 0);
    ASSERT_EQ(result.failures.size(), 3);
    EXPECT_EQ(result.failures.at(1).file, QFileInfo(source + "/Agvnes.DB").absoluteFilePath());
    EXPECT_TRUE(FileNames(target).isEmpty());
}

TEST_F(FileCopy, AFileThatCannotBeWrittenIsReportedAndTheOthersAreCopied)
{
    QDir().mkpath(target + "/Omades.db");
    const FileCopyResult result = CopyFiles(source + "/*.db", target);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(result.copied, 2);
    ASSERT_EQ(result.failures.size(), 1);
    EXPECT_EQ(result.failures.first().file, QFileInfo(source + "/Omades.db").absoluteFilePath());
    EXPECT_EQ(FileNames(target), (QStringList{".hidden.db", "Agvnes.DB"}));
}

TEST_F(FileCopy, TargetFolderThatCannotBeCreatedIsAFailure)
{
    WriteFile(CurrentTestFolders().Root() + "/plainfile", "x");
    const FileCopyResult result = CopyFiles(source, CurrentTestFolders().Root() + "/plainfile/target");
    EXPECT_FALSE(result.Succeeded());
    ASSERT_EQ(result.failures.size(), 1);
    EXPECT_EQ(result.copied, 0);
}

TEST_F(FileCopy, ProgressReportsEachFileAndCancelStopsTheCopy)
{
    QList<FileCopyProgress> seen;
    FileCopyResult result = CopyFiles(source + "/*.db", target, [&](const FileCopyProgress &progress) {
        seen.append(progress);
        return true;
    });
    EXPECT_TRUE(result.Succeeded());
    ASSERT_EQ(seen.size(), 4);
    EXPECT_EQ(seen.at(1).done, 1);
    EXPECT_EQ(seen.at(1).total, 3);
    EXPECT_EQ(seen.at(1).currentFile, QString("Agvnes.DB"));
    EXPECT_EQ(seen.at(3).done, 3);
    EXPECT_TRUE(seen.at(3).currentFile.isEmpty());

    QDir(target).removeRecursively();
    int calls = 0;
    result = CopyFiles(source + "/*.db", target, [&](const FileCopyProgress &progress) {
        ++calls;
        return progress.done < 2;
    });
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(result.copied, 2);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(FileNames(target), (QStringList{".hidden.db", "Agvnes.DB"}));
}

TEST_F(FileCopy, FilesLeftOutAreNeitherCopiedNorCounted)
{
    int total = 0;
    const FileCopyResult result = CopyFiles(
        source + "/*.*", target,
        [&](const FileCopyProgress &progress) {
            total = progress.total;
            return true;
        },
        [](const QString &name) { return name.endsWith(".db", Qt::CaseInsensitive); });
    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(result.copied, 2);
    EXPECT_EQ(total, 2);
    EXPECT_EQ(FileNames(target), (QStringList{"README", "notes.txt"}));
}
