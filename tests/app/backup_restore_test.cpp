#include "main_window_fixture.h"
#include "support/qstring_printer.h"

#include "platform/core/paths.h"
#include "platform/db/database.h"
#include "platform/db/database_backup.h"
#include "platform/db/field.h"
#include "platform/db/sqlite_statement.h"
#include "platform/db/table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>

#include <memory>

using namespace tav::app;

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

// The files of the data folder, less the write-ahead log and its index that belong to the
// program's open connection (they go when it closes).
QStringList DataFiles(const QString &folder)
{
    QStringList files = EntriesOf(folder);
    files.removeIf(
        [](const QString &name) { return name == kDatabase + "-wal" || name == kDatabase + "-shm"; });
    return files;
}

// A number the data module's database answers.
qint64 LiveNumber(const char *sql)
{
    SqliteStatement statement(TavrolinDM().TavrolinDb.Handle(), QString::fromUtf8(sql));
    return statement.Step() ? statement.Int64(0) : -1;
}

void OverwriteBytes(const QString &path, qint64 offset, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(offset));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Stress(Id, Value, Pad): rows 0..20,000 for the second program to change (some megabytes, so
// that copying the file takes a while).
void CreateStressTable()
{
    ExecSql(TavrolinDM().TavrolinDb.Handle(),
            QStringLiteral("CREATE TABLE Stress (Id INTEGER PRIMARY KEY, Value INTEGER NOT NULL, Pad TEXT);"
                           "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
                           "INSERT INTO Stress SELECT i, 0, hex(randomblob(100)) FROM n"));
}

// Row 0 of Stress and the sum of the other rows in a backup; the second program keeps them equal
// in every state it commits.
std::pair<qint64, qint64> StressTotals(const QString &file)
{
    const std::shared_ptr<DbConnection> connection = DbConnection::Acquire(file);
    SqliteStatement totals(connection->Handle(),
                           QStringLiteral("SELECT (SELECT Value FROM Stress WHERE Id = 0), "
                                          "(SELECT sum(Value) FROM Stress WHERE Id > 0)"));
    if (!totals.Step())
        return {-1, -2};
    return {qint64(totals.Int64(0)), qint64(totals.Int64(1))};
}

// What restores that never finished leave in the data folder: a staging folder without its lock
// (the program ended before it took it), and one whose lock names a process that no longer runs.
void LeaveInterruptedRestores(const QString &dataFolder)
{
    for (const char *staging : {".restore-AbC123", ".restore-dEf456"}) {
        QDir().mkpath(dataFolder + '/' + staging);
        WriteFile(dataFolder + '/' + staging + "/tavrolin.sqlite", QByteArray(65536, '\x01'));
        WriteFile(dataFolder + '/' + staging + "/notes.txt", "half copied");
    }
    WriteFile(dataFolder + "/.restore-dEf456.lock", "2147483647\ntavrolin\n\n");
}

QStringList RestoreLeftovers(const QString &dataFolder)
{
    return EntriesOf(dataFolder).filter(QRegularExpression("^\\.restore-"));
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
    EXPECT_EQ(DataFiles(DataPath()), QStringList{kDatabase}) << "no staging folder or journal is left";

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
        EXPECT_EQ(DataFiles(DataPath()), QStringList{kDatabase});
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
    EXPECT_EQ(DataFiles(DataPath()), QStringList{kDatabase});
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
    EXPECT_EQ(DataFiles(DataPath()), QStringList({"notes.txt", kDatabase}));
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

TEST_F(BackupRestoreTest, BackupsTakenWhileAnotherProgramWritesAreWholeAndSound)
{
    CreateStressTable();
    CloseSharedDatasets();
    const QString stop = Folder("stop writing");
    QProcess writer;
    writer.start(QStringLiteral(TAVROLIN_DATABASE_WRITER), {DataPath() + '/' + kDatabase, stop});
    ASSERT_TRUE(writer.waitForReadyRead(30000)) << writer.readAllStandardError().toStdString();
    ASSERT_EQ(writer.readLine().trimmed(), QByteArray("ready"));

    std::vector<qint64> totals;
    for (int i = 1; i <= 8; ++i) {
        SCOPED_TRACE(i);
        const QString folder = Folder(QStringLiteral("backup %1").arg(i));
        AnswerFolder(folder);
        main->Item("Backup1")->trigger();
        const QString copy = folder + '/' + kDatabase;
        EXPECT_EQ(EntriesOf(folder), QStringList{kDatabase}) << "no journal of the writer is copied";
        EXPECT_EQ(CheckDatabaseFile(copy), TDatabaseFileState::Sound);
        const auto [total, sum] = StressTotals(copy);
        EXPECT_EQ(total, sum) << "the copy holds one committed state";
        totals.push_back(total);
    }
    WriteFile(stop, "");
    ASSERT_TRUE(writer.waitForFinished(30000));
    EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
    EXPECT_LT(totals.front(), totals.back()) << "the other program kept writing while the backups were taken";
}

TEST_F(BackupRestoreTest, RestoreRefusesADamagedBackupAndKeepsTheData)
{
    AddSeason("2002-03");
    const QString backup = Folder("backup");
    BackUpTo(backup);
    AddSeason("2003-04");
    // The page of the seasons overwritten, as a failing disk or a copy torn by a writer leaves it;
    // the schema on the first page still reads, so only the integrity check finds it.
    const qint64 pageSize = LiveNumber("PRAGMA page_size");
    const qint64 root =
        LiveNumber("SELECT rootpage FROM sqlite_master WHERE type = 'table' AND name = 'Periodos'");
    ASSERT_GT(root, 1);
    OverwriteBytes(backup + '/' + kDatabase, (root - 1) * pageSize, QByteArray(int(pageSize), '\xa5'));
    ASSERT_TRUE(FolderHoldsDatabase(backup, kDatabase));

    RestoreFrom(backup);
    ASSERT_EQ(messages.Count(), 2) << messages.Texts().join('\n').toStdString();
    EXPECT_EQ(messages.Last().icon, mtError);
    EXPECT_EQ(messages.Last().text,
              QStringLiteral("Το αρχείο της βάσης στον φάκελο %1 είναι κατεστραμμένο: δεν περνά τον έλεγχο "
                             "ακεραιότητας.\nΗ επαναφορά δεν έγινε και τα τρέχοντα αρχεία δεν άλλαξαν. "
                             "Επιλέξτε άλλο αντίγραφο ασφαλείας.")
                  .arg(backup));
    EXPECT_EQ(Seasons(), QStringList({"2002-03", "2003-04"}));
    EXPECT_EQ(DataFiles(DataPath()), QStringList{kDatabase});
    EXPECT_EQ(CheckDatabaseFile(DataPath() + '/' + kDatabase), TDatabaseFileState::Sound);
}

TEST_F(BackupRestoreTest, BackupAndRestoreRemoveWhatAnInterruptedRestoreLeft)
{
    AddSeason("2002-03");
    const QString backup = Folder("backup");
    BackUpTo(backup);
    // A restore another running copy of the program is busy with keeps its staging folder.
    QDir().mkpath(DataPath() + "/.restore-Live99");
    QLockFile running(DataPath() + "/.restore-Live99.lock");
    ASSERT_TRUE(running.tryLock(0));

    for (const char *command : {"Backup1", "N37"}) {
        SCOPED_TRACE(command);
        LeaveInterruptedRestores(DataPath());
        ASSERT_EQ(RestoreLeftovers(DataPath()).size(), 5);
        const bool restore = std::string(command) == "N37";
        AnswerFolder(restore ? backup : Folder("another backup"));
        if (restore)
            messages.QueueAnswer(mrYes);
        main->Item(command)->trigger();
        EXPECT_EQ(RestoreLeftovers(DataPath()), QStringList({".restore-Live99", ".restore-Live99.lock"}));
        EXPECT_FALSE(QFileInfo::exists(Folder("another backup") + "/.restore-Live99.lock"))
            << "a backup copies no part of a running restore";
        EXPECT_EQ(Seasons(), QStringList({"2002-03"}));
    }
}

// The program starts on a data folder where restores were cut short.
class InterruptedRestoreStartTest : public BackupRestoreTest
{
protected:
    void SetUp() override
    {
        QDir().mkpath(DataPath());
        LeaveInterruptedRestores(DataPath());
        BackupRestoreTest::SetUp();
    }
};

TEST_F(InterruptedRestoreStartTest, StartRemovesWhatAnInterruptedRestoreLeft)
{
    EXPECT_EQ(RestoreLeftovers(DataPath()), QStringList());
    AddSeason("2002-03");
    EXPECT_EQ(Seasons(), QStringList({"2002-03"}));
}
