// The guard of every event the application object delivers: an error a window's event handler
// raises ends only that event's work. The user sees it through the message service, a record the
// handler left half-written is cancelled, and the event loop goes on.

#include "db_controls_fixture.h"
#include "support/qstring_printer.h"

#include "platform/db/dataset.h"
#include "platform/ui/command_guard.h"

#include <QEventLoop>
#include <QTimer>

#include <sqlite3.h>

#include <functional>
#include <stdexcept>

namespace {

// A window whose key handler does whatever the test gives it.
class KeyWindow : public QWidget
{
public:
    std::function<void()> onKey = [] {};
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent *) override
    {
        ++keys;
        onKey();
    }
};

class CommandGuardTest : public DbControlsTest
{
protected:
    void SetUp() override
    {
        DbControlsTest::SetUp();
        SetGuardedDataSets({categories.get(), teams.get()});
    }

    void TearDown() override { SetGuardedDataSets({}); }

    void Press(KeyWindow &window) { Key(&window, Qt::Key_A, QStringLiteral("a")); }
};

TEST_F(CommandGuardTest, AnEventHandlersErrorIsShownAndItsHalfWrittenRecordCancelled)
{
    KeyWindow window;
    window.onKey = [this] {
        teams->Append();
        teams->FieldByName("TeamNo").SetValue(4);
        teams->FieldByName("Name").SetAsString(QStringLiteral("Άρης"));
        throw EDatabaseError(QStringLiteral("Η ομάδα δεν καταχωρήθηκε."));
    };
    Press(window);
    EXPECT_EQ(window.keys, 1);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().icon, mtError);
    EXPECT_EQ(messages.Last().text, QStringLiteral("Η ομάδα δεν καταχωρήθηκε."));
    EXPECT_EQ(messages.Last().buttons, QList<TMsgDlgBtn>{mbOK});
    EXPECT_EQ(teams->State(), TDataSetState::dsBrowse);
    EXPECT_FALSE(Stored(4, "Name").isValid()) << "nothing of the new record was stored";

    // The window keeps answering.
    window.onKey = [] {};
    Press(window);
    EXPECT_EQ(window.keys, 2);
    EXPECT_EQ(messages.Count(), 1);
}

TEST_F(CommandGuardTest, AnEditTheUserHadStartedBeforeTheFailedEventStays)
{
    categories->Edit();
    categories->FieldByName("GrName").SetAsString(QStringLiteral("Δ Εθνική"));
    KeyWindow window;
    window.onKey = [this] {
        teams->Edit();
        throw EDatabaseError(QStringLiteral("Η αλλαγή δεν έγινε."));
    };
    Press(window);
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_EQ(teams->State(), TDataSetState::dsBrowse) << "the failed event's edit is cancelled";
    EXPECT_EQ(categories->State(), TDataSetState::dsEdit) << "the user's own edit waits for its post";
    EXPECT_EQ(categories->FieldByName("GrName").AsString(), QStringLiteral("Δ Εθνική"));
}

TEST_F(CommandGuardTest, TheEventLoopSurvivesAnErrorOfAQueuedCall)
{
    QEventLoop loop;
    bool after = false;
    QTimer::singleShot(0, [] { throw std::runtime_error("queued call failed"); });
    QTimer::singleShot(0, [&] {
        after = true;
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(after);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_TRUE(
        messages.Last().text.startsWith(QStringLiteral("Η εργασία διακόπηκε από απρόβλεπτο σφάλμα.")));
    EXPECT_TRUE(messages.Last().text.contains(QStringLiteral("queued call failed")));
}

TEST_F(CommandGuardTest, ACommandRunUnderTheGuardReportsWhetherItEnded)
{
    EXPECT_TRUE(RunGuarded([] {}));
    EXPECT_FALSE(RunGuarded([this] {
        categories->Insert();
        throw EDatabaseError(QStringLiteral("Η κατηγορία δεν καταχωρήθηκε."));
    }));
    EXPECT_EQ(categories->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Η κατηγορία δεν καταχωρήθηκε.")});
}

TEST(ErrorTextTest, EachKindOfErrorReadsInGreekAndASilentAbortReadsNothing)
{
    struct Case
    {
        const char *name;
        std::exception_ptr error;
        const char *startsWith; // nullptr: no text at all
    };
    const Case cases[] = {
        {"silent abort", std::make_exception_ptr(EAbort()), nullptr},
        {"platform error", std::make_exception_ptr(EConvertError(QStringLiteral("Μη έγκυρη ημερομηνία"))),
         "Μη έγκυρη ημερομηνία"},
        {"record error",
         std::make_exception_ptr(
             EDBEngineError(QStringLiteral("Παραβίαση κλειδιού"), SQLITE_CONSTRAINT_UNIQUE)),
         "Παραβίαση κλειδιού"},
        {"engine error", // the engine's own Greek text, whatever SQLite said
         std::make_exception_ptr(EDBEngineError(QStringLiteral("Η βάση δεδομένων είναι κλειδωμένη."),
                                                SQLITE_BUSY, QStringLiteral("database is locked"))),
         "Η βάση δεδομένων είναι κλειδωμένη."},
        {"out of memory", std::make_exception_ptr(std::bad_alloc()), "Δεν υπάρχει αρκετή μνήμη"},
        {"other", std::make_exception_ptr(std::logic_error("index out of range")),
         "Η εργασία διακόπηκε από απρόβλεπτο σφάλμα."},
        {"not an exception class", std::make_exception_ptr(42), "Η εργασία διακόπηκε από απρόβλεπτο σφάλμα."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = ErrorText(c.error);
        if (!c.startsWith)
            EXPECT_TRUE(text.isEmpty()) << text.toStdString();
        else
            EXPECT_TRUE(text.startsWith(QString::fromUtf8(c.startsWith))) << text.toStdString();
    }
}

} // namespace
