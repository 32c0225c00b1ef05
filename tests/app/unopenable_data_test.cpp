// The program comes up whatever state its data is in. With data it cannot open it shows its main
// window, says once what is wrong, refuses the windows that read the data and leaves the menu to
// the user: after a restore (and, where the fault lies outside the database file, once its cause
// is gone) the data opens and the work goes on. A command that fails half-way ends only itself.

#include "app/main_window_fixture.h"
#include "support/qstring_printer.h"

#include "app/dir_options1_dlg.h"
#include "app/sel_opt_dlg.h"
#include "editors/ui/diorg_show_form.h"
#include "platform/db/database.h"
#include "platform/db/db_errors.h"
#include "platform/db/table.h"
#include "platform/ui/command_guard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QRandomGenerator>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <ostream>

using namespace tav::app;

namespace {

const QString kDatabase = QStringLiteral("tavrolin.sqlite");
const QString kSeason = QStringLiteral("2002-03");
const QString kCannotOpen = QStringLiteral("Τα δεδομένα του προγράμματος δεν ανοίγουν.");
const QString kRefused =
    QStringLiteral("Το παράθυρο δεν ανοίγει, γιατί τα δεδομένα του προγράμματος δεν ανοίγουν.");
const QString kMenuStaysUsable = QStringLiteral("Η επαναφορά των αρχείων από αντίγραφο ασφαλείας");
const QString kRestoreQuestion = QStringLiteral("Να γίνει η επαναφορά των αρχείων της βάσης;");
const char *const kDamaged =
    "Το αρχείο της βάσης δεδομένων είναι κατεστραμμένο ή δεν είναι αρχείο βάσης δεδομένων.";

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QString DataFolderOf(const QString &databaseFile)
{
    return QFileInfo(databaseFile).path();
}

// --- the faults: each is made on the closed database file of a program folder with data ---

void RandomBytes(const QString &file)
{
    QByteArray bytes(ReadFile(file).size(), '\0');
    QRandomGenerator random(1253);
    std::generate(bytes.begin(), bytes.end(), [&random] { return char(random.bounded(256)); });
    WriteFile(file, bytes);
}

void TruncatedToHalf(const QString &file)
{
    QFile(file).resize(QFileInfo(file).size() / 2);
}

void TruncatedTo8KiB(const QString &file)
{
    QFile(file).resize(8 * 1024);
}

// Every page after the first (the one with the file's header) is zeros.
void ZeroedPages(const QString &file)
{
    QByteArray bytes = ReadFile(file);
    const int pageSize = (uchar(bytes.at(16)) << 8) | uchar(bytes.at(17));
    std::fill(bytes.begin() + pageSize, bytes.end(), '\0');
    WriteFile(file, bytes);
}

void FolderIsAFile(const QString &file)
{
    QDir(DataFolderOf(file)).removeRecursively();
    WriteFile(DataFolderOf(file), "a file where the data folder belongs");
}

void NoAliasStore(const QString &)
{
    QFile::remove(AliasStore().Path());
}

void UnknownDriver(const QString &file)
{
    RegisterTestAlias(DataFolderOf(file), QStringLiteral("INTRBASE"));
}

void EmptyFolderPath(const QString &)
{
    RegisterTestAlias(QString());
}

// --- what the user does about a fault that lies outside the database file ---

void Nothing(const QString &) {}

void RemoveTheFileInTheWay(const QString &file)
{
    QFile::remove(DataFolderOf(file));
}

void RegisterTheAliasAgain(const QString &file)
{
    RegisterTestAlias(DataFolderOf(file));
}

struct TFault
{
    const char *name;
    void (*make)(const QString &databaseFile);
    // What the start-up says is wrong.
    const char *reason;
    // What the user does before the restore.
    void (*removeCause)(const QString &databaseFile);
};

void PrintTo(const TFault &fault, std::ostream *out)
{
    *out << fault.name;
}

const TFault kFaults[] = {
    {"RandomBytes", RandomBytes, kDamaged, Nothing},
    {"TruncatedToHalf", TruncatedToHalf, kDamaged, Nothing},
    {"TruncatedTo8KiB", TruncatedTo8KiB, kDamaged, Nothing},
    {"ZeroedPages", ZeroedPages, kDamaged, Nothing},
    {"FolderIsAFile", FolderIsAFile, "Δεν δημιουργείται ο φάκελος", RemoveTheFileInTheWay},
    {"NoAliasStore", NoAliasStore, "Δεν βρέθηκε η συντόμευση βάσης δεδομένων \"Tavrolin\".",
     RegisterTheAliasAgain},
    {"UnknownDriver", UnknownDriver, "Ο οδηγός INTRBASE του ψευδωνύμου Tavrolin δεν υποστηρίζεται",
     RegisterTheAliasAgain},
    {"EmptyFolderPath", EmptyFolderPath, "Το ψευδώνυμο Tavrolin δεν ορίζει φάκελο (PATH)",
     RegisterTheAliasAgain},
};

// While it lives, this thread obeys file permissions as an ordinary user does: the power to
// override them (root's) is set aside, so a file without write permission is read-only here too.
class ObeyFilePermissions
{
public:
    ObeyFilePermissions()
    {
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_FOWNER));
        syscall(SYS_capset, &header_, lowered);
    }
    ~ObeyFilePermissions() { syscall(SYS_capset, &header_, saved_); }
    ObeyFilePermissions(const ObeyFilePermissions &) = delete;
    ObeyFilePermissions &operator=(const ObeyFilePermissions &) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};

// A program folder with data (one season) and a backup of it; the program starts in the test.
class UnopenableDataTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        RegisterTestAlias();
        TTable &seasons = TavrolinDM().Periodos;
        seasons.Open();
        seasons.Append();
        seasons.FieldByName("Periodos").SetAsString(kSeason);
        seasons.Post();
        // Closed as a program that ended leaves it: nothing holds the file open.
        CloseSharedDatasets();
        QDir().mkpath(BackupFolder());
        ASSERT_TRUE(QFile::copy(DatabaseFile(), BackupFolder() + '/' + kDatabase));
    }

    static QString DatabaseFile() { return DataPath() + '/' + kDatabase; }
    static QString BackupFolder() { return CurrentTestFolders().Root() + QStringLiteral("/backup"); }

    static QStringList Seasons()
    {
        TTable &seasons = TavrolinDM().Periodos;
        QStringList list;
        for (seasons.First(); !seasons.Eof(); seasons.Next())
            list.append(seasons.FieldByName("Periodos").AsString());
        return list;
    }

    void Restore()
    {
        AnswerFolder(BackupFolder());
        messages.QueueAnswer(mrYes);
        main->Item("N37")->trigger();
    }

    // The folder options open as a modal window; returns the window that was modal.
    QWidget *OpenFolderOptions()
    {
        QWidget *modal = nullptr;
        QTimer::singleShot(0, [&modal] {
            modal = QApplication::activeModalWidget();
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
        });
        main->Item("N58")->trigger();
        return modal;
    }
};

class UnopenableDataStartTest : public UnopenableDataTest, public testing::WithParamInterface<TFault>
{
};

TEST_P(UnopenableDataStartTest, TheMainWindowComesUpSaysWhatIsWrongAndTheDataOpensAfterARestore)
{
    const TFault &fault = GetParam();
    fault.make(DatabaseFile());
    Start();

    ASSERT_TRUE(main->isVisible());
    ASSERT_EQ(messages.Count(), 1) << messages.Texts().join("\n---\n").toStdString();
    EXPECT_EQ(messages.Last().icon, mtError);
    EXPECT_TRUE(messages.Last().text.startsWith(kCannotOpen)) << messages.Last().text.toStdString();
    EXPECT_TRUE(messages.Last().text.contains(QString::fromUtf8(fault.reason)))
        << messages.Last().text.toStdString();
    EXPECT_TRUE(messages.Last().text.contains(kMenuStaysUsable));
    EXPECT_FALSE(SelOptDlg()->isVisible()) << "there is nothing to choose from";
    for (TDataSet *dataSet : SharedDatasets())
        EXPECT_FALSE(dataSet->Active()) << dataSet->DisplayTableName().toStdString();

    // A window of the data is refused with the reason; the menu's other commands work.
    messages.Clear();
    main->Item("N21")->trigger();
    EXPECT_EQ(DiorgShowForm(), nullptr);
    EXPECT_TRUE(main->Panel1->isVisible());
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_TRUE(messages.Last().text.startsWith(kRefused)) << messages.Last().text.toStdString();
    EXPECT_TRUE(messages.Last().text.contains(QString::fromUtf8(fault.reason)));
    EXPECT_EQ(OpenFolderOptions(), DirOptions1Dlg());

    fault.removeCause(DatabaseFile());
    messages.Clear();
    Restore();
    EXPECT_EQ(messages.Texts(), QStringList{kRestoreQuestion});
    EXPECT_TRUE(FolderHoldsDatabase(DataPath(), kDatabase)) << "the backup took the damaged file's place";
    // The program goes on as after a start: the data is open and the start-up choice is shown.
    EXPECT_TRUE(SelOptDlg()->isVisible());
    EXPECT_EQ(Seasons(), QStringList{kSeason});
    SelOptDlg()->OKBtnClick();
    main->Item("N21")->trigger();
    EXPECT_NE(DiorgShowForm(), nullptr);
    EXPECT_EQ(messages.Count(), 1) << messages.Texts().join("\n---\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Faults, UnopenableDataStartTest, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<TFault> &info) { return info.param.name; });

TEST_F(UnopenableDataTest, AFaultRemovedWhileTheProgramRunsLetsTheNextDataWindowOpen)
{
    NoAliasStore(DatabaseFile());
    Start();
    ASSERT_EQ(messages.Count(), 1);

    RegisterTheAliasAgain(DatabaseFile());
    messages.Clear();
    main->Item("N21")->trigger();
    EXPECT_NE(DiorgShowForm(), nullptr);
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join("\n---\n").toStdString();
    EXPECT_EQ(Seasons(), QStringList{kSeason});
}

TEST_F(UnopenableDataTest, AReadOnlyDatabaseOpensForReadingWithOneWarning)
{
    ASSERT_TRUE(
        QFile::setPermissions(DatabaseFile(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const ObeyFilePermissions obey;
    ASSERT_FALSE(QFile(DatabaseFile()).open(QIODevice::ReadWrite)) << "the file must be read-only here";
    Start();

    ASSERT_TRUE(main->isVisible());
    ASSERT_EQ(messages.Count(), 1) << messages.Texts().join("\n---\n").toStdString();
    EXPECT_EQ(messages.Last().icon, mtWarning);
    EXPECT_TRUE(messages.Last().text.startsWith(QStringLiteral("Η βάση δεδομένων επιτρέπει μόνο ανάγνωση")));
    EXPECT_TRUE(messages.Last().text.contains(DatabaseFile()));
    EXPECT_TRUE(SelOptDlg()->isVisible()) << "the data reads as ever";
    EXPECT_EQ(Seasons(), QStringList{kSeason});
}

// A command whose data fails under it ends with the reason; the program goes on, and after a
// restore the same command works.
TEST_F(UnopenableDataTest, ACommandThatFailsEndsOnlyItself)
{
    Start();
    ASSERT_EQ(messages.Count(), 0) << messages.Texts().join("\n---\n").toStdString();
    SelOptDlg()->OKBtnClick();
    CloseSharedDatasets();
    // The file is damaged under the running program, which holds it open.
    EXPECT_THROW(DbConnection::ReplaceFile(DatabaseFile(), [this] { RandomBytes(DatabaseFile()); }),
                 EDBEngineError);

    main->Item("N21")->trigger();
    ASSERT_EQ(messages.Count(), 1) << messages.Texts().join("\n---\n").toStdString();
    EXPECT_EQ(messages.Last().icon, mtError);
    EXPECT_TRUE(messages.Last().text.startsWith(QString::fromUtf8(kDamaged)))
        << messages.Last().text.toStdString();
    EXPECT_EQ(DiorgShowForm(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->Panel1->isVisible()) << "the logo stays while no window took its place";

    messages.Clear();
    Restore();
    EXPECT_EQ(messages.Texts(), QStringList{kRestoreQuestion});
    main->Item("N21")->trigger();
    EXPECT_NE(DiorgShowForm(), nullptr);
    EXPECT_EQ(messages.Count(), 1) << messages.Texts().join("\n---\n").toStdString();
}

// The start-up puts the shared tables under the command guard: a command that fails with a new
// record begun leaves none behind.
TEST_F(UnopenableDataTest, AFailedCommandLeavesNoSharedTableHalfWritten)
{
    Start();
    SelOptDlg()->OKBtnClick();
    TTavrolinDM &dm = TavrolinDM();
    EXPECT_FALSE(RunGuarded([&dm] {
        dm.Periodos.Append();
        dm.Periodos.FieldByName("Periodos").SetAsString(QStringLiteral("2003-04"));
        dm.Diorganvseis.Insert();
        throw EDatabaseError(QStringLiteral("Η εργασία δεν ολοκληρώθηκε."));
    }));
    EXPECT_EQ(dm.Periodos.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(dm.Diorganvseis.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Η εργασία δεν ολοκληρώθηκε.")});
    dm.Periodos.Refresh();
    EXPECT_EQ(Seasons(), QStringList{kSeason});
}

} // namespace
