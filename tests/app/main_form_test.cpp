#include "main_window_fixture.h"
#include "support/qstring_printer.h"

#include "app/about_second_sister_dlg.h"
#include "app/tip_form.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"
#include "platform/ui/application.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDialog>
#include <QFrame>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QThread>
#include <QToolBar>

using namespace tav::app;

namespace {

struct ExpectedItem
{
    const char *parent; // "" for the menu bar
    const char *name;
    const char *caption;
    const char *handler; // nullptr: none
};

// The whole menu in order. Handlers listed in kBuiltHandlers are enabled, the others disabled.
const ExpectedItem kMenu[] = {
    {"", "N6", "&Στοιχεία", nullptr},
    {"N6", "N4", "Αγώνες", nullptr},
    {"N4", "N19", "Εμφάνιση", "N18Click"},
    {"N4", "N18", "Ενημέρωση", "N19Click"},
    {"N4", "N42", "Ενημέρωση από Κουπόνι ΟΠΑΠ", "KuponiOPAPClick"},
    {"N4", "N10", "Σώσιμο", "N10Click"},
    {"N6", "N7", "Βαθμολογίες", nullptr},
    {"N7", "N68", "ΒΑΣΕΙ ΑΓΩΝΙΣΤΙΚΩΝ", "N7Click"},
    {"N7", "N69", "ΒΑΣΕΙ ΗΜΕΡΟΜΗΝΙΩΝ", "N69Click"},
    {"N6", "N20", "Πλέγμα Αποτελεσμάτων", "N20Click"},
    {"N6", "N24", "Πίνακας Φόρμας Ομάδας", "N24Click"},
    {"N6", "N33", "Στατιστικά Διοργάνωσης", "N33Click"},
    {"N6", "N36", "Ανάλυση Αγώνων", "N36Click"},
    {"N6", "AnalysiKup", "Ανάλυση Κουπονιού", "AnalysiKupClick"},
    {"N6", "N61", "Ειδική Ανάλυση", "N61Click"},
    {"N6", "N63", "Ανάλυση Βαθμών Εντός,Εκτός", "N63Click"},
    {"N6", "UnOv1", "ΑΝΑΛΥΣΗ Un-Ov", "UnOv1Click"},
    {"", "N1", "&Διοργανώσεις", nullptr},
    {"N1", "N2", "Διοργανώσεις", nullptr},
    {"N2", "N21", "Συγκεντρωτικός Πίνακας", "N21Click"},
    {"N2", "N22", "Ενημέρωση", "N22Click"},
    {"N1", "N3", "Ομάδες", "N3Click"},
    {"N1", "N5", "Περίοδος", "N5Click"},
    {"N1", "N9", "Κατηγορίες", "N9Click"},
    {"N1", "N11", "Κράτη", "N11Click"},
    {"", "N8", "&Κουπόνια", nullptr},
    {"N8", "N49", "Ενήμερωση από Κουπόνι ΟΠΑΠ", "KuponiOPAPClick"},
    {"N8", "N29", "Ανάλυση Κουπονιού", "AnalysiKupClick"},
    {"N8", "N60", "Εμφάνιση - Αλλαγές ", "N60Click"},
    {"N8", "N50", "Εκτύπωση Κουπονιού", "N50Click"},
    {"N8", "N67", "Κουπόνια Χρήστη", "N67Click"},
    {"N8", "N56", "Αντιγραφή από Δισκέτα", "N56Click"},
    {"", "Internet3", "&Internet", nullptr},
    {"Internet3", "Internet4", "Λήψη Κουπονιών από Internet", "KuponiaClick"},
    {"Internet3", "Internet1", "Δεδομένα από Internet", "Internet1Click"},
    {"", "N26", "Βοή&θεια", nullptr},
    {"N26", "N27", "Αρχείο Βοήθειας", "ToolButton16Click"},
    {"N26", "Tavrolin1", "Αρχική Σελίδα Tavrolin", "Tavrolin1Click"},
    {"N26", "N30", "Γενικά", "N30Click"},
    {"N26", "Vantoril1", "Γενικά για το Vantoril", "Vantoril1Click"},
    {"N26", "SecondSisterAbout1", SecondSisterMenuCaption, "SecondSisterAbout1Click"},
    {"", "Setup1", "&Βοηθητικά", nullptr},
    {"Setup1", "Tips1", "Ενεργοποιήση πληροφοριών εκκίνησης", "Tips1Click"},
    {"Setup1", "Backup1", "Αντιγραφή (Backup) Αρχείων", "Backup1Click"},
    {"Setup1", "N37", "Επαναφορά (Restore) Αρχείων", "RestoreClick"},
    {"Setup1", "N58", "Κατάλογοι Εφαρμογών", "N58Click"},
    {"Setup1", "N35", "Αλλαγή Γραμματοσειράς", "N35Click"},
    {"", "N31", "&\u03A4A", nullptr},
    {"N31", "N54", "Κατάλογοι Ενημέρωσης", "N54Click"},
    {"N31", "N12", "Διαγωνισμοί", nullptr},
    {"N12", "N13", "Τύποι Διαγωνισμών", nullptr},
    {"N12", "N14", "Περίοδοι Διαγωνισμών", nullptr},
    {"N12", "N15", "Δελτία", nullptr},
    {"N15", "N16", "Λίστα Δελτίων", nullptr},
    {"N15", "N17", "Ενημέρωση", nullptr},
    {"N12", "N23", "Μαζικό σώσιμο δελτίων", nullptr},
    {"N31", "HTML1", "Μαζικό σώσιμο HTML", "HTML1Click"},
    {"N31", "N25", "Αυτόματη ενημέρωση βαθμολογιών", "N25Click"},
    {"N31", "N38", "Έλεγχος αρχείου Αγώνων", "N38Click"},
    {"N31", "N43", "Μεταφορά εγγραφών αρχείου αγώνων", "N43Click"},
    {"N31", "N40", "Ενημέρωση Αρχείων", "N6Click"},
    {"N31", "Internet2", "Αρχεία μέσω Internet", "Internet1Click"},
    {"N31", "N52", "Ενημέρωση Αρχείων ΑΓΓΛΙΑΣ, ΣΚΩΤΙΑΣ,ΕΛΛΑΔΑΣ", "N52Click"},
    {"N31", "N47", "Μετατροπή Αρχείων ΑΓΓΛΙΑΣ,ΣΚΩΤΙΑΣ", "N47Click"},
    {"N31", "BetBrain1", "Eνημερωση Πίνακα BetBrain (Μέσων Αποδόσεων Ξένων Book)", "BetBrain1Click"},
    {"N31", "N65", "Πρόβλεψη Σκορ", "N65Click"},
    {"N31", "TavrolinUtility1", "Tavrolin Utility", "TavrolinUtility1Click"},
    {"N31", "PINAKASDBSEXML1", "PINAKAS_DB SE XML", "PINAKASDBSEXML1Click"},
};

// The commands whose windows are part of the program now.
const QStringList kBuiltHandlers = {"Tips1Click",
                                    "AnalysiKupClick",
                                    "KuponiaClick",
                                    "KuponiOPAPClick",
                                    "BetBrain1Click",
                                    "N56Click",
                                    "N60Click",
                                    "N50Click",
                                    "N67Click",
                                    "N61Click",
                                    "N63Click",
                                    "UnOv1Click",
                                    "N65Click",
                                    "Backup1Click",
                                    "RestoreClick",
                                    "N58Click",
                                    "N54Click",
                                    "N35Click",
                                    "ToolButton16Click",
                                    "Tavrolin1Click",
                                    "N30Click",
                                    "Vantoril1Click",
                                    "SecondSisterAbout1Click",
                                    "TavrolinUtility1Click",
                                    "ToolButton18Click",
                                    "PINAKASDBSEXML1Click",
                                    "N3Click",
                                    "N5Click",
                                    "N9Click",
                                    "N11Click",
                                    "N18Click",
                                    "N7Click",
                                    "N19Click",
                                    "N21Click",
                                    "N22Click",
                                    "HTML1Click",
                                    "N10Click",
                                    "N6Click",
                                    "N38Click",
                                    "N43Click",
                                    "Internet1Click",
                                    "N47Click",
                                    "N52Click",
                                    "N69Click",
                                    "N33Click",
                                    "N20Click",
                                    "N25Click",
                                    "N36Click",
                                    "N24Click"};

struct ExpectedButton
{
    const char *name; // nullptr: a separator
    const char *hint;
    const char *handler;
};

const ExpectedButton kToolBar[] = {
    {"ToolButton1", "ΕΜΦΑΝΙΣΗ ΑΓΩΝΩΝ", "N18Click"},
    {"ToolButton2", "ΕΝΗΜΕΡΩΣΗ ΑΓΩΝΩΝ", "N19Click"},
    {"ToolButton3", "ΣΩΣΙΜΟ ΑΓΩΝΩΝ", "N10Click"},
    {nullptr, nullptr, nullptr},
    {"ToolButton5", "ΒΑΘΜΟΛΟΓΙΕΣ", "N7Click"},
    {"ToolButton7", "ΠΛΕΓΜΑ ΑΠΟΤΕΛΕΣΜΑΤΩΝ", "N20Click"},
    {"ToolButton9", "ΠΙΝΑΚΑΣ ΦΟΡΜΑΣ ΟΜΑΔΑΣ", "N24Click"},
    {"ToolButton13", "ΑΝΑΛΥΣΗ ΑΓΩΝΩΝ", "N36Click"},
    {nullptr, nullptr, nullptr},
    {"ToolButton11", "ΛΗΨΗ ΚΟΥΠΟΝΙΩΝ ΑΠΟ Internet", "KuponiaClick"},
    {nullptr, nullptr, nullptr},
    {"ToolButton19", "ΑΛΛΑΓΗ ΓΡΑΜΜΑΤΟΣΕΙΡΑΣ", "N35Click"},
    {"ToolButton16", "ΒΟΗΘΕΙΑ", "ToolButton16Click"},
    {"ToolButton17", "ΓΕΝΙΚΑ", "N30Click"},
    {nullptr, nullptr, nullptr},
    {"ToolButton18", "ΕΞΟΔΟΣ", "ToolButton18Click"},
};

struct MenuLine
{
    QString parent;
    QString name;
    QString caption;
    QString handler;
    bool enabled;
};

void Walk(const QString &parent, const QList<QAction *> &actions, QList<MenuLine> &lines)
{
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        QMenu *menu = action->menu();
        const QString name = menu ? menu->objectName() : action->objectName();
        lines.append({parent, name, action->text(), TFrmMain::HandlerOf(action), action->isEnabled()});
        if (menu)
            Walk(name, menu->actions(), lines);
    }
}

// Lets events run until the condition holds or a generous limit passes.
template <typename Condition> bool WaitFor(Condition condition)
{
    for (int i = 0; i < 500 && !condition(); ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return condition();
}

// Hands the modal window that the next statement opens (nullptr: none) to the look, then closes
// it as a user pressing Escape would.
template <typename Look> void LookAtNextModal(Look look)
{
    QTimer::singleShot(0, [look] {
        QWidget *opened = QApplication::activeModalWidget();
        look(opened);
        if (auto *dialog = qobject_cast<QDialog *>(opened))
            dialog->reject();
    });
}

void CloseNextModal()
{
    LookAtNextModal([](QWidget *) {});
}

// Answers the question of a backup and then the one of leaving, and closes the main window;
// whether it closed.
bool CloseAnswering(MessageRecorder &messages, TFrmMain &main, int backup, int leave)
{
    messages.QueueAnswer(backup);
    messages.QueueAnswer(leave);
    return main.close();
}

void ExpectActive(const std::vector<TDataSet *> &dataSets, bool active)
{
    for (TDataSet *dataSet : dataSets)
        EXPECT_EQ(dataSet->Active(), active) << dataSet->DisplayTableName().toStdString();
}

TRegIniFile General()
{
    return TRegIniFile(QStringLiteral("Software\\Tavrolin\\General"));
}

} // namespace

TEST_F(MainWindowTest, StartUpTitlesTheProgramShowsTheMainWindowAndOpensTheFirstTables)
{
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("TAVROLIN"));
    EXPECT_EQ(FrmMain(), main.get());
    EXPECT_EQ(MainWindow(), main.get());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->windowState() & Qt::WindowMaximized);
    for (QWidget *window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TSplash *>(window), nullptr) << "the splash is gone";
    EXPECT_TRUE(main->N31->menuAction()->isVisible());
    EXPECT_TRUE(main->Panel1->isVisible());
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();

    TTavrolinDM &dm = TavrolinDM();
    for (TDataSet *open : {static_cast<TDataSet *>(&dm.Kathgories), static_cast<TDataSet *>(&dm.POmades),
                           static_cast<TDataSet *>(&dm.Periodos), static_cast<TDataSet *>(&dm.Agvnes),
                           static_cast<TDataSet *>(&dm.Diorganvseis)})
        EXPECT_TRUE(open->Active());
    // The others wait for the window that needs them (lookup tables open with their master).
    for (TDataSet *closed : {static_cast<TDataSet *>(&dm.Omades), static_cast<TDataSet *>(&dm.TeamStat),
                             static_cast<TDataSet *>(&dm.LookUpTable), static_cast<TDataSet *>(&dm.TeamNames),
                             static_cast<TDataSet *>(&dm.CheckAgvnes), static_cast<TDataSet *>(&dm.Deltia)})
        EXPECT_FALSE(closed->Active()) << closed->DisplayTableName().toStdString();
    EXPECT_TRUE(QFileInfo::exists(DataPath() + "/tavrolin.sqlite"));
}

TEST_F(MainWindowTest, MenuHoldsEveryItemInOrderWithItsCaptionAndHandler)
{
    QList<MenuLine> lines;
    Walk(QString(), main->MainMenu1->actions(), lines);
    ASSERT_EQ(lines.size(), qsizetype(std::size(kMenu)));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ExpectedItem &expected = kMenu[i];
        const MenuLine &line = lines[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(line.parent, QString::fromUtf8(expected.parent));
        EXPECT_EQ(line.name, QString::fromUtf8(expected.name));
        EXPECT_EQ(line.caption, QString::fromUtf8(expected.caption));
        EXPECT_EQ(line.handler, QString::fromUtf8(expected.handler ? expected.handler : ""));
        const bool built = !expected.handler || kBuiltHandlers.contains(QString::fromUtf8(expected.handler));
        EXPECT_EQ(line.enabled, built);
        EXPECT_EQ(main->Item(line.name) != nullptr, true);
    }
    EXPECT_TRUE(main->Tips1->isCheckable());
    EXPECT_TRUE(main->Tips1->isChecked());
}

TEST_F(MainWindowTest, CaptionsThatLookAlikeStayDistinct)
{
    EXPECT_NE(main->Item("N42")->text(), main->Item("N49")->text());
    EXPECT_EQ(main->Item("BetBrain1")->text().at(0), QChar('E'));
    EXPECT_TRUE(main->Item("N60")->text().endsWith(' '));
    EXPECT_EQ(main->Item("N31")->text(), QString::fromUtf8("&\xCE\xA4"
                                                           "A"));
}

TEST_F(MainWindowTest, ToolbarHoldsEveryButtonWithItsHintAndHandler)
{
    const QList<QAction *> actions = main->ToolBar1->actions();
    ASSERT_EQ(actions.size(), qsizetype(std::size(kToolBar)));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const ExpectedButton &expected = kToolBar[i];
        QAction *action = actions[i];
        if (!expected.name) {
            EXPECT_TRUE(action->isSeparator()) << "position " << i;
            continue;
        }
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(action->objectName(), QString::fromUtf8(expected.name));
        EXPECT_EQ(action->toolTip(), QString::fromUtf8(expected.hint));
        EXPECT_EQ(TFrmMain::HandlerOf(action), QString::fromUtf8(expected.handler));
        EXPECT_EQ(action->isEnabled(), kBuiltHandlers.contains(QString::fromUtf8(expected.handler)));
    }
}

TEST_F(MainWindowTest, HandlerTableMatchesTheBuiltCommands)
{
    for (const QString &handler : kBuiltHandlers)
        EXPECT_TRUE(TFrmMain::HandlerBuilt(handler)) << handler.toStdString();
}

TEST_F(MainWindowTest, TipsItemSwitchesTheTipOffAndOnThroughTheMenu)
{
    main->Item("Tips1")->trigger();
    EXPECT_FALSE(main->Tips1->isChecked());
    EXPECT_FALSE(General().ReadBool("Tips", "ShowTips", true));
    EXPECT_TRUE(General().ReadBool("Tips", "EndFlag", false));

    // Switching on shows the tip at once, whatever EndFlag says.
    CloseNextModal();
    main->Item("Tips1")->trigger();
    EXPECT_TRUE(main->Tips1->isChecked());
    EXPECT_FALSE(General().ReadBool("Tips", "EndFlag", true));
    EXPECT_FALSE(TipsDlg()->isVisible());
}

TEST_F(MainWindowTest, TipTimerShowsTheTipOnlyWhenWantedAndMarksTheRun)
{
    struct Case
    {
        bool showTips;
        bool endFlag;
        bool shown;
    };
    for (const Case &c : {Case{true, false, true}, Case{false, false, false}, Case{true, true, false}}) {
        SCOPED_TRACE(testing::Message() << "ShowTips " << c.showTips << " EndFlag " << c.endFlag);
        General().WriteBool("Tips", "ShowTips", c.showTips);
        General().WriteBool("Tips", "EndFlag", c.endFlag);
        main->Timer1->start();
        bool tipShown = false;
        LookAtNextModal([&tipShown](QWidget *opened) { tipShown = opened && opened == TipsDlg(); });
        main->Timer1Timer();
        EXPECT_EQ(tipShown, c.shown);
        EXPECT_FALSE(main->Timer1->isActive());
        EXPECT_TRUE(General().ReadBool("Tips", "EndFlag", false));
    }
    EXPECT_EQ(main->Timer1->interval(), 5000);
}

TEST_F(MainWindowTest, CloseWithNoAndNoKeepsEveryDatasetOpenAndTheProgramRunning)
{
    OpenSharedDatasets();
    General().WriteBool("Tips", "EndFlag", true);
    EXPECT_FALSE(CloseAnswering(messages, *main, IDNO, mrNo));
    EXPECT_TRUE(main->isVisible());
    ExpectActive(SharedDatasets(), true);
    EXPECT_TRUE(General().ReadBool("Tips", "EndFlag", false)) << "FormClose did not run";

    ASSERT_EQ(messages.Count(), 2);
    const MessageRequest &backup = messages.Calls()[0];
    EXPECT_EQ(backup.kind, MessageKind::MessageBox);
    EXPECT_EQ(backup.caption, QStringLiteral("Ενημέρωση"));
    EXPECT_EQ(backup.text.split('\n'),
              QStringList({"Για λόγους ασφαλείας προτείνεται η αντιγραφή", "των αρχείων της βάσης.",
                           "Να γίνει αντιγραφή των αρχείων της βάσης;"}));
    EXPECT_EQ(backup.buttons, QList<TMsgDlgBtn>({mbYes, mbNo}));
    const MessageRequest &exit = messages.Calls()[1];
    EXPECT_EQ(exit.caption, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"));
    EXPECT_EQ(exit.text, QStringLiteral("Έξοδος από την εφαρμογή;"));
    EXPECT_EQ(exit.buttons, QList<TMsgDlgBtn>({mbYes, mbNo}));
    EXPECT_EQ(exit.defaultButton, mbNo);
}

TEST_F(MainWindowTest, CloseWithYesAndNoClosesTheDatasetsAndWritesTheBackupFolder)
{
    OpenSharedDatasets();
    const QString proposed = ProposedBackupFolder(QDate::currentDate());
    AnswerFolder(proposed);
    EXPECT_FALSE(CloseAnswering(messages, *main, IDYES, mrNo));
    EXPECT_TRUE(main->isVisible());
    ExpectActive(SharedDatasets(), false);
    EXPECT_EQ(chooserStarts, QStringList{proposed});
    EXPECT_TRUE(QFileInfo(proposed + "/tavrolin.sqlite").isFile());
    EXPECT_TRUE(FolderHoldsDatabase(proposed, "tavrolin.sqlite"));
    EXPECT_EQ(messages.Count(), 2) << messages.Texts().join('\n').toStdString();
}

TEST_F(MainWindowTest, CloseWithYesAndCancelledFolderCopiesNothingButLeavesDatasetsClosed)
{
    OpenSharedDatasets();
    AnswerFolder(QString());
    EXPECT_FALSE(CloseAnswering(messages, *main, IDYES, mrNo));
    ExpectActive(SharedDatasets(), false);
    EXPECT_TRUE(QDir(ProposedBackupFolder(QDate::currentDate())).isEmpty());
}

TEST_F(MainWindowTest, CloseWithNoAndYesEndsTheRunAndResetsTheTipFlag)
{
    General().WriteBool("Tips", "EndFlag", true);
    EXPECT_TRUE(CloseAnswering(messages, *main, IDNO, mrYes));
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(General().ReadBool("Tips", "EndFlag", true));
}

TEST_F(MainWindowTest, FontCommandChangesTheFontWindowsTakeOver)
{
    QFont chosen = main->font();
    chosen.setPointSize(chosen.pointSize() + 5);
    QTimer::singleShot(0, [this, chosen] {
        main->FontDialog->setCurrentFont(chosen);
        main->FontDialog->accept();
    });
    main->Item("N35")->trigger();
    EXPECT_EQ(main->font().pointSize(), chosen.pointSize());
    QWidget other;
    AssignMainFont(&other);
    EXPECT_EQ(other.font().pointSize(), chosen.pointSize());

    CloseNextModal();
    main->N35Click();
    EXPECT_EQ(main->font().pointSize(), chosen.pointSize()) << "a cancelled font dialog changes nothing";
}

TEST_F(MainWindowTest, UtilityProgramStartsOnlyFromTheProgramFolder)
{
    main->Item("TavrolinUtility1")->trigger();
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_TRUE(messages.Last().text.contains(JoinPath(ProgramFolder(), "Tavutility")));

    const QString marker = CurrentTestFolders().Root() + "/utility-ran";
    const QString program = JoinPath(ProgramFolder(), "Tavutility");
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    main->Item("TavrolinUtility1")->trigger();
    EXPECT_EQ(messages.Count(), 1);
    EXPECT_TRUE(WaitFor([&] { return QFileInfo::exists(marker); }));
}

TEST_F(MainWindowTest, HelpWithoutItsPageSaysSo)
{
    main->Item("N27")->trigger();
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_TRUE(messages.Last().text.contains("help/9999.html"));
}

TEST_F(MainWindowTest, AboutAndFolderOptionItemsOpenTheirDialogs)
{
    for (const char *item : {"N30", "Vantoril1", "SecondSisterAbout1", "N58", "ToolButton17"}) {
        SCOPED_TRACE(item);
        QWidget *opened = nullptr;
        LookAtNextModal([&opened](QWidget *modal) { opened = modal; });
        main->Item(item)->trigger();
        EXPECT_NE(opened, nullptr);
    }
}

TEST_F(MainWindowTest, ScorePredictionItemOpensItsFirstPageReset)
{
    QString title;
    QString groupTitle;
    LookAtNextModal([&](QWidget *opened) {
        ASSERT_NE(opened, nullptr);
        title = opened->windowTitle();
        if (auto *group = opened->findChild<QGroupBox *>())
            groupTitle = group->title();
    });
    main->Item("N65")->trigger();
    EXPECT_EQ(title, "ΠΡΟΒΛΕΨΗ ΣΚΟΡ ΑΓΩΝΩΝ ΚΟΥΠΟΝΙΟΥ");
    EXPECT_EQ(groupTitle, "ΚΟΥΠΟΝΙ");
    EXPECT_EQ(messages.Count(), 0);
}

TEST_F(MainWindowTest, ItemWithoutActionDoesNothing)
{
    main->Item("PINAKASDBSEXML1")->trigger();
    main->Item("N16")->trigger();
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_TRUE(main->isVisible());
}
