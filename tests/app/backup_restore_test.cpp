#include "main_window_fixture.h"
#include "support/qstring_printer.h"

#include "platform/core/paths.h"
#include "platform/db/database.h"
#include "platform/db/field.h"
#include "platform/db/table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kDatabase = QStringLiteral("tavrolin.sqlite");

QStringList SeasonsOf(TTable &table)
{
    if (!table.Active())
        table.Open();
    table.Refresh();
    QStringList seasons;
    for (table.First(); !table.Eof(); table.Next())
        seasons.append(table.FieldByName("Periodos").AsString());
    seasons.sort();
    return seasons;
}

QStringList Seasons()
{
    return SeasonsOf(TavrolinDM().Periodos);
}

void AddSeason(const QString &season)
{
    TTable &periodos = TavrolinDM().Periodos;
    if (!periodos.Active())
        periodos.Open();
    periodos.Append();
    periodos.FieldByName("Periodos").SetAsString(season);
    periodos.Post();
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList EntriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

TEST(BackupFolderTest, ProposalAlternatesWithTheParityOfTheDay)
{
    struct Case
    {
        QDate day;
        const char *folder;
    };
    for (const Case &c : {Case{QDate(2024, 3, 1), "Backup/Mones"}, Case{QDate(2024, 3, 31), "Backup/Mones"},
                          Case{QDate(2024, 3, 30), "Backup/Zuges"}, Case{QDate(2024, 2, 2), "Backup/Zuges"},
                          Case{QDate(2023, 12, 15), "Backup/Mones"}}) {
        SCOPED_TRACE(c.day.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(ProposedBackupFolder(c.day), JoinPath(ProgramFolder(), QString::fromUtf8(c.folder)));
    }
}

class BackupRestoreTest : public MainWindowTest
{
protected:
    QString Folder(const QString &name) const { return CurrentTestFolders().Root() + '/' + name; }

    // Writes a backup of the data as it is now into the folder.
    void BackUpTo(const QString &folder)
    {
        AnswerFolder(folder);
        main->Item("Backup1")->trigger();
        ASSERT_TRUE(FolderHoldsDatabase(folder, kDatabase));
    }

    void RestoreFrom(const QString &folder)
    {
        AnswerFolder(folder);
        messages.QueueAnswer(mrYes);
        main->Item("N37")->trigger();
    }
};

TEST_F(BackupRestoreTest, BackupProposesTheFolderOfTheDayAndCreatesIt)
{
    AddSeason("2002-03");
    const QString proposed = ProposedBackupFolder(QDate::currentDate());
    ASSERT_FALSE(QFileInfo::exists(proposed));
    AnswerFolder(proposed);
    EXPECT_TRUE(BackupDataFolder(main.get()));
    EXPECT_EQ(chooserStarts, QStringList{proposed});
    EXPECT_TRUE(FolderHoldsDatabase(proposed, kDatabase));
    for (TDataSet *dataSet : SharedDatasets())
        EXPECT_FALSE(dataSet->Active());
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(BackupRestoreTest, RestoreBringsBackTheDataOfTheBackupAndDropsLaterData)
{
    AddSeason("2002-03");
    const QString backup = Folder("backup one");
    BackUpTo(backup);
    AddSeason("2003-04");
    ASSERT_EQ(Seasons(), QStringList({"2002-03", "2003-04"}));

    RestoreFrom(backup);
    for (TDataSet *dataSet : SharedDatasets())
        EXPECT_FALSE(dataSet->Active()) << "the restore leaves the datasets closed";
    ASSERT_EQ(messages.Count(), 1) << messages.Texts().join('\n').toStdString();
    EXPECT_EQ(messages.Last().text, QStringLiteral("Να γίνει η επαναφορά των αρχείων της βάσης;"));
    EXPECT_EQ(messages.Last().buttons, QList<TMsgDlgBtn>({mbYes, mbNo}));
    EXPECT_EQ(chooserStarts.last(), ProgramFolder());

    EXPECT_EQ(Seasons(), QStringList({"2002-03"}));
    EXPECT_EQ(EntriesOf(DataPath()), QStringList{kDatabase}) << "no staging folder or journal is left";

    // The restored data is the program's data again: it takes new records.
    AddSeason("2004-05");
    EXPECT_EQ(Seasons(), QStringList({"2002-03", "2004-05"}));
}

TEST_F(BackupRestoreTest, RestoreReachesAConnectionThatStayedOpen)
{
    AddSeason("2002-03");
    const QString backup = Folder("backup");
    BackUpTo(backup);
    AddSeason("2003-04");

    // Another window's table on the same database, open across the restore.
    TDatabase other;
    other.SetAliasName("Tavrolin");
    other.SetDatabaseName("OtherWindow");
    TTable table;
    table.SetDatabase(&other);
    table.SetTableName("Periodos.db");
    ASSERT_EQ(SeasonsOf(table), QStringList({"2002-03", "2003-04"}));

    RestoreFrom(backup);
    EXPECT_EQ(SeasonsOf(table), QStringList({"2002-03"}));
    EXPECT_EQ(Seasons(), QStringList({"2002-03"}));
}

TEST_F(BackupRestoreTest, RestoreOfAFolderWithoutDatabaseIsRefused)
{
    AddSeason("2002-03");
    const QString empty = Folder("empty");
    QDir().mkpath(empty);
    const QString notDatabase = Folder("not a database");
    QDir().mkpath(notDatabase);
    WriteFile(notDatabase + '/' + kDatabase, QByteArray("these bytes are no database at all").repeated(64));
    const QString missing = Folder("missing");

    for (const QString &folder : {empty, notDatabase, missing}) {
        SCOPED_TRACE(folder.toStdString());
        messages.Clear();
        RestoreFrom(folder);
        ASSERT_EQ(messages.Count(), 2);
        EXPECT_EQ(messages.Last().icon, mtWarning);
        EXPECT_TRUE(messages.Last().text.contains(folder));
        EXPECT_TRUE(messages.Last().text.contains("δεν περιέχει αρχεία της βάσης"));
        EXPECT_EQ(Seasons(), QStringList({"2002-03"}));
        EXPECT_EQ(EntriesOf(DataPath()), QStringList{kDatabase});
    }
    EXPECT_FALSE(QFileInfo::exists(missing)) << "a refused restore creates no folder";
}

TEST_F(BackupRestoreTest, RestoreAnsweredNoOnlyClosesTheDatasets)
{
    OpenSharedDatasets();
    AnswerFolder(Folder("never asked"));
    messages.QueueAnswer(mrNo);
    EXPECT_FALSE(RestoreDataFolder(main.get()));
    EXPECT_TRUE(chooserStarts.isEmpty());
    for (TDataSet *dataSet : SharedDatasets())
        EXPECT_FALSE(dataSet->Active());
}

TEST_F(BackupRestoreTest, RestoreWhoseCopyFailsLeavesTheDataAsItWas)
{
    AddSeason("2002-03");
    const QString backup = Folder("backup");
    BackUpTo(backup);
    AddSeason("2003-04");
    // A file of the backup that cannot be read: the copy stops short of a complete backup.
    ASSERT_TRUE(QFile::link(Folder("nowhere"), backup + "/zz.db"));

    RestoreFrom(backup);
    ASSERT_EQ(messages.Count(), 2);
    EXPECT_EQ(messages.Last().icon, mtError);
    EXPECT_TRUE(messages.Last().text.contains("δεν έγινε"));
    EXPECT_TRUE(messages.Last().text.contains("zz.db"));
    EXPECT_EQ(Seasons(), QStringList({"2002-03", "2003-04"}));
    EXPECT_EQ(EntriesOf(DataPath()), QStringList{kDatabase});
}

TEST_F(BackupRestoreTest, RestoreReplacesADamagedDatabase)
{
    AddSeason("2002-03");
    const QString backup = Folder("backup");
    BackUpTo(backup);
    CloseSharedDatasets();
    WriteFile(DataPath() + '/' + kDatabase, QByteArray(8192, 'x'));

    RestoreFrom(backup);
    EXPECT_EQ(messages.Count(), 1) << messages.Texts().join('\n').toStdString();
    EXPECT_EQ(Seasons(), QStringList({"2002-03"}));
}

TEST_F(BackupRestoreTest, RestoreCopiesTheOtherFilesButNoJournal)
{
    AddSeason("2002-03");
    const QString backup = Folder("backup");
    BackUpTo(backup);
    WriteFile(backup + "/notes.txt", "kept with the data");
    WriteFile(backup + '/' + kDatabase + "-journal", QByteArray(512, '\0'));
    QDir().mkpath(backup + "/sub");
    WriteFile(backup + "/sub/inner.txt", "top level only");

    RestoreFrom(backup);
    EXPECT_EQ(EntriesOf(DataPath()), QStringList({"notes.txt", kDatabase}));
    EXPECT_EQ(Seasons(), QStringList({"2002-03"}));
}

TEST_F(BackupRestoreTest, FailedBackupIsReportedInsteadOfPassedOver)
{
    // A file where the backup folder should be: nothing can be written there.
    const QString blocked = Folder("blocked");
    WriteFile(blocked, "a file, not a folder");
    AnswerFolder(blocked);
    EXPECT_FALSE(BackupDataFolder(main.get()));
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().icon, mtError);
    EXPECT_TRUE(messages.Last().text.contains("δεν ολοκληρώθηκε"));
    EXPECT_TRUE(messages.Last().text.contains(blocked));
}
