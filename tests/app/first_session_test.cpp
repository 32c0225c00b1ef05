// A new user's first session, from the first start on a fresh program folder to the deletion of the
// competition, through the windows the menu opens and their handlers. Every message box is
// answered by the recorder.

#include "app/main_window_fixture.h"
#include "app/sel_opt_dlg.h"
#include "support/qstring_printer.h"

#include "analysis/ui/baum_form.h"
#include "analysis/ui/baum_form_date.h"
#include "editors/ui/agvnes_form.h"
#include "editors/ui/agvnes_form1.h"
#include "editors/ui/diorg_show_form.h"
#include "editors/ui/diorganvsh_form.h"
#include "editors/ui/kat_edit_form.h"
#include "editors/ui/krath_form.h"
#include "editors/ui/omades_form.h"
#include "editors/ui/period_form.h"
#include "platform/core/registry.h"
#include "platform/db/database.h"
#include "platform/ui/db_edit.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_lookup_combo.h"
#include "platform/ui/db_lookup_list.h"
#include "platform/ui/db_navigator.h"
#include "platform/ui/string_grid.h"
#include "platform/ui/up_down_edit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>

using namespace tav::app;

namespace {

const QString Country = QStringLiteral("Ελλάδα");
const QString Category = QStringLiteral("Α' ΕΘΝΙΚΗ");
const QString Season = QStringLiteral("2005-06");
const QString Cyprus = QStringLiteral("Κύπρος");
const QString EnglishNameRequired = QStringLiteral("Πρέπει να καταχωρήσετε και το αγγλικό όνομα.");
const QString TeamExists = QStringLiteral("Η Ομάδα αυτή υπάρχει!");
const QString TeamLimitReached =
    QStringLiteral("Δεν μπορείτε να καταχωρήσετε άλλη ομάδα ,έχετε καλύψει τον αριθμό ομάδων που δηλώσατε.");
const QString ConfirmSave = QStringLiteral("Θέλετε να αποθηκεύσετε τις αλλαγές;");
const QString ConfirmDelete = QStringLiteral("ΝΑ ΔΙΑΓΡΑΨΩ ΤΗΝ ΔΙΟΡΓΑΝΩΣΗ;");

void Key(QWidget *target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

// Types the text into the edit key by key, as the keyboard delivers it.
void Type(QWidget *edit, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(edit, &press);
    }
}

// What a user does with the mouse in a lookup list: picks the item showing this text.
void Choose(TDBLookupComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    emit combo->activated(index);
}

// Triggers the command, does the user's work in the modal window it opens and closes that window
// as the user would; returns the window that was open.
QDialog *InModalWindow(QAction *command, const std::function<void()> &work)
{
    QDialog *opened = nullptr;
    QTimer::singleShot(0, [&opened, &work] {
        opened = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!opened)
            return;
        work();
        opened->reject();
    });
    command->trigger();
    return opened;
}

// Closes a child window of the client area as the user does, by its frame; that destroys it.
void CloseChild(QWidget *form)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    ASSERT_NE(frame, nullptr);
    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Clicks the grid's cell, opens its editor with F2 and the editor's drop-down list with a click,
// goes down the list to the item showing the text and takes it with Return, and writes the choice
// into the cell with Return. The texts the list offered come back.
QStringList PickFromDropDown(TDBGrid *grid, int column, const QString &text)
{
    const QRect cell = grid->visualRect(grid->model()->index(grid->Row(), column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::keyClick(grid, Qt::Key_F2);
    QComboBox *editor = nullptr;
    for (QComboBox *shown : grid->viewport()->findChildren<QComboBox *>())
        if (shown->isVisible())
            editor = shown;
    if (!editor) {
        ADD_FAILURE() << "no drop-down list in column " << column;
        return {};
    }
    QStringList offered;
    for (int item = 0; item < editor->count(); ++item)
        offered.append(editor->itemText(item));
    QTest::mouseClick(editor, Qt::LeftButton);
    QAbstractItemView *list = editor->view();
    EXPECT_TRUE(list->isVisible()) << "the list drops down";
    const int row = editor->findText(text);
    EXPECT_GE(row, 0) << text.toStdString() << " is offered";
    for (int step = 0; step <= row && list->currentIndex().row() != row; ++step)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(editor->currentText(), text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(grid->EditorMode()) << "Return ends the edit of the cell";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return offered;
}

TRegIniFile Options()
{
    return TRegIniFile(QStringLiteral("Software\\Tavrolin\\Diorganvsh"));
}

class FirstSessionTest : public MainWindowTest
{
protected:
    static TTavrolinDM &Dm() { return TavrolinDM(); }

    static QList<QVariantList> Rows(const QString &sql, const QVariantList &values = {})
    {
        return ::Rows(Dm().TavrolinDb, sql, values);
    }

    static int Count(const QString &sql, const QVariantList &values = {})
    {
        return Rows(sql, values).value(0).value(0).toInt();
    }

    // Ends the run as the user does (no backup, exit confirmed) and starts the program again.
    void Restart()
    {
        messages.QueueAnswer(IDNO);
        messages.QueueAnswer(mrYes);
        ASSERT_TRUE(main->close());
        main.reset();
        QTimer splashClicker;
        splashClicker.setInterval(1);
        QObject::connect(&splashClicker, &QTimer::timeout, [] {
            for (QWidget *window : QApplication::topLevelWidgets())
                if (auto *splash = qobject_cast<TSplash *>(window); splash && splash->isVisible())
                    splash->FormClick();
        });
        splashClicker.start();
        main = StartTavrolin();
        main->Timer1->stop();
    }

    void EnterCountry(const QString &country = Country)
    {
        QDialog *opened = InModalWindow(main->Item("N11"), [&country] {
            TKrathForm *form = KrathForm();
            form->DBNavigator1->Button(nbInsert)->click();
            form->DBGrid1->Model().SetCellText(0, country);
            form->DBNavigator1->Button(nbPost)->click();
        });
        EXPECT_EQ(opened, KrathForm());
        EXPECT_EQ(Count(R"(SELECT COUNT(*) FROM "Krath" WHERE "Name" = ?1)", {country}), 1);
    }

    void EnterCategory()
    {
        QDialog *opened = InModalWindow(main->Item("N9"), [] {
            TKatEditForm *form = KatEditForm();
            form->DBNavigator1->Button(nbInsert)->click();
            form->DBGrid1->Model().SetCellText(0, Category);
            form->DBGrid1->Model().SetCellText(1, QStringLiteral("Super League"));
            form->DBGrid1->Model().SetCellText(3, Country);
            form->DBGrid1->Model().SetCellText(7, QStringLiteral("Πρωτάθλημα"));
            form->DBNavigator1->Button(nbPost)->click();
        });
        EXPECT_EQ(opened, KatEditForm());
        EXPECT_EQ(Rows(R"(SELECT "K"."EnName", "K"."Typos", "C"."Name" FROM "Kathgories" "K" )"
                       R"(JOIN "Krath" "C" ON "C"."RecNo" = "K"."Kratos" WHERE "K"."GrName" = ?1)",
                       {Category}),
                  (QList<QVariantList>{{QStringLiteral("Super League"), 0, Country}}));
    }

    void EnterSeason()
    {
        QDialog *opened = InModalWindow(main->Item("N5"), [] {
            TPeriodForm *form = PeriodForm();
            form->DBNavigator1->Button(nbInsert)->click();
            form->DBGrid1->Model().SetCellText(0, Season);
            form->DBNavigator1->Button(nbPost)->click();
        });
        EXPECT_EQ(opened, PeriodForm());
        EXPECT_EQ(Count(R"(SELECT COUNT(*) FROM "Periodos" WHERE "Periodos" = ?1)", {Season}), 1);
    }

    // The five clubs, with a forgotten English name and a club typed twice on the way.
    void EnterTeams()
    {
        InModalWindow(main->Item("N3"), [this] {
            TOmadesForm *form = OmadesForm();
            ASSERT_EQ(form->CmbKrath->currentText(), Country);
            auto enter = [form](const QString &name, const QString &enName) {
                form->DBNavigator1->Button(nbInsert)->click();
                form->DBGrid1->Model().SetCellText(0, name);
                form->DBGrid1->Model().SetCellText(1, enName);
                form->DBNavigator1->Button(nbPost)->click();
            };
            enter("Ολυμπιακός", "Olympiakos");
            enter("Παναθηναϊκός", "Panathinaikos");

            messages.Clear();
            enter("ΑΕΚ", "");
            EXPECT_EQ(messages.Texts(), QStringList{EnglishNameRequired});
            ASSERT_EQ(Dm().Omades.State(), TDataSetState::dsInsert) << "the typed name waits for its partner";
            form->DBGrid1->Model().SetCellText(1, "AEK");
            form->DBNavigator1->Button(nbPost)->click();

            messages.Clear();
            enter("Ολυμπιακός", "Olympiakos");
            EXPECT_EQ(messages.Texts(), QStringList{TeamExists});
            ASSERT_EQ(Dm().Omades.State(), TDataSetState::dsInsert);
            Key(form->DBGrid1, Qt::Key_Escape);

            enter("Άρης", "Aris");
            enter("ΠΑΟΚ", "PAOK");
        });
        EXPECT_EQ(Rows(R"(SELECT "Name", "TeamNo" FROM "Omades" ORDER BY "TeamNo")"),
                  (QList<QVariantList>{
                      {"Ολυμπιακός", 1}, {"Παναθηναϊκός", 2}, {"ΑΕΚ", 3}, {"Άρης", 4}, {"ΠΑΟΚ", 5}}));
    }

    // A club of Cyprus, entered with the team editor's country choice moved to Cyprus.
    void EnterCypriotClub()
    {
        InModalWindow(main->Item("N3"), [] {
            TOmadesForm *form = OmadesForm();
            QTest::keyClick(form->CmbKrath, Qt::Key_Down);
            ASSERT_EQ(form->CmbKrath->currentText(), Cyprus);
            form->DBNavigator1->Button(nbInsert)->click();
            form->DBGrid1->Model().SetCellText(0, "ΑΠΟΕΛ");
            form->DBGrid1->Model().SetCellText(1, "APOEL");
            form->DBNavigator1->Button(nbPost)->click();
        });
        EXPECT_EQ(
            Rows(R"(SELECT "C"."Name" FROM "Omades" "O" JOIN "Krath" "C" ON "C"."RecNo" = "O"."KratosNo" )"
                 R"(WHERE "O"."Name" = 'ΑΠΟΕΛ')"),
            (QList<QVariantList>{{Cyprus}}));
    }

    // A league of four clubs; the fifth is refused.
    void EnterCompetition()
    {
        main->Item("N22")->trigger();
        TDiorganvshForm *form = DiorganvshForm();
        ASSERT_NE(form, nullptr);
        EXPECT_FALSE(main->Panel1->isVisible());
        EnterLeague(form);

        for (const char *club : {"Ολυμπιακός", "Παναθηναϊκός", "ΑΕΚ", "Άρης"}) {
            form->DBNavigator1->Button(nbInsert)->click();
            form->DBGrid1->Model().SetCellText(0, QString::fromUtf8(club));
            form->DBNavigator1->Button(nbPost)->click();
            EXPECT_EQ(Dm().POmades.State(), TDataSetState::dsBrowse) << club;
        }
        messages.Clear();
        form->DBNavigator1->Button(nbInsert)->click();
        EXPECT_EQ(messages.Texts(), QStringList{TeamLimitReached});
        EXPECT_EQ(Dm().POmades.State(), TDataSetState::dsBrowse);
        EXPECT_EQ(LeagueClubs(), (QList<QVariantList>{{"Ολυμπιακός", "Olympiakos"},
                                                      {"Παναθηναϊκός", "Panathinaikos"},
                                                      {"ΑΕΚ", "AEK"},
                                                      {"Άρης", "Aris"}}));
        CloseChild(form);
        EXPECT_EQ(DiorganvshForm(), nullptr);
        EXPECT_TRUE(main->Panel1->isVisible());
    }

    // The league of four clubs, typed into the competition editor's fields.
    void EnterLeague(TDiorganvshForm *form)
    {
        form->DBNavigator->Button(nbInsert)->click();
        Choose(form->DBLookupComboBox1, Category);
        Choose(form->DBLookupComboBox2, Season);
        Type(form->EditOmadesNo, "4");
        Type(form->EditBauNikhs, "3");
        Type(form->EditBauIsop, "1");
        Type(form->EditBauHttas, "0");
        Type(form->DBEdit1, "1");
        Type(form->DBEdit2, "1");
        Type(form->DBEdit3, "greece");
        Type(form->DBEdit4, "2");
        Type(form->DBEdit5, "1");
        messages.Clear();
        form->DBNavigator->Button(nbPost)->click();
        ASSERT_EQ(Dm().Diorganvseis.State(), TDataSetState::dsBrowse)
            << messages.Texts().join('\n').toStdString();
        EXPECT_EQ(messages.Texts(), QStringList{ConfirmSave});
        dNo = Dm().Diorganvseis.FieldByName("DNo").AsInteger();
        EXPECT_EQ(
            Rows(R"(SELECT "Typos", "Omades", "Rounds", "FileName" FROM "Diorganvseis" WHERE "DNo" = ?1)",
                 {dNo}),
            (QList<QVariantList>{{0, 4, 2, "greece"}}));
    }

    // The league's clubs in the order they were entered, by their names.
    QList<QVariantList> LeagueClubs()
    {
        return Rows(R"(SELECT "GrName", "EnName" FROM "PerOmades" WHERE "DiorNo" = ?1 ORDER BY "RecNo")",
                    {dNo});
    }

    // The start-up selection offers the one competition; OK remembers it.
    void ChooseAtStartUp()
    {
        TSelOptDlg *dialog = SelOptDlg();
        ASSERT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->DBLookupComboBox1->Text(), Category);
        EXPECT_EQ(dialog->DBLookupListBox1->SelectedText(), Season);
        dialog->OKBtnClick();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(Options().ReadString("Options", "NameD", "<none>"), Category);
        EXPECT_EQ(Options().ReadString("Options", "NameP", "<none>"), Season);
        EXPECT_EQ(Options().ReadInteger("Options", "Agvnistikh", -1), 0);
        EXPECT_FALSE(Dm().Diorganvseis.Filtered());
        EXPECT_TRUE(Dm().Diorganvseis.Filter().isEmpty());
        EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), dNo);
    }

    // The summary's row of the competition: name, current matchday, its date, highest matchday.
    QStringList SummaryRow()
    {
        TDiorgShowForm *form = DiorgShowForm();
        if (!form || form->DBGrid1->Model().rowCount() != 1)
            return {};
        const int last = form->DBGrid1->Columns().Count() - 1;
        return {form->DBGrid1->CellText(0, 0), form->DBGrid1->CellText(0, 1), form->DBGrid1->CellText(0, 2),
                form->DBGrid1->CellText(0, last)};
    }

    // The match list on the remembered competition, at its current matchday.
    TAgvnesForm *ShowMatchList()
    {
        main->Item("N19")->trigger();
        TAgvnesForm *form = AgvnesForm();
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->DiorgCombo->currentText(), Category);
        EXPECT_EQ(form->PeriodCombo->currentText(), Season);
        return form;
    }

    // Types the matches of the matchday into new rows of the match list.
    void EnterFixtures(TAgvnesForm *form, int matchday, const QString &date,
                       const QList<std::pair<const char *, const char *>> &pairs)
    {
        form->AgvnEdit->SetText(QString::number(matchday));
        form->EditDate->setText(date);
        form->TimeEdit->setText("17:00");
        for (const auto &[home, away] : pairs) {
            Key(form->DBGrid1, Qt::Key_Insert);
            ASSERT_EQ(Dm().Agvnes.State(), TDataSetState::dsInsert);
            form->DBGrid1->Model().SetCellText(2, QString::fromUtf8(home));
            form->DBGrid1->Model().SetCellText(3, QString::fromUtf8(away));
        }
        // Leaving the new row stores it.
        Key(form->DBGrid1, Qt::Key_Up);
        EXPECT_EQ(Dm().Agvnes.State(), TDataSetState::dsBrowse);
    }

    // The full-time score typed into the listed match of the home club.
    void EnterResult(TDBGrid *grid, int homeColumn, int goalColumn, const char *home, int homeGoals,
                     int awayGoals)
    {
        for (int row = 0; row < grid->Model().rowCount(); ++row)
            if (grid->CellText(row, homeColumn) == QString::fromUtf8(home)) {
                grid->selectRow(row);
                grid->setCurrentIndex(grid->model()->index(row, goalColumn));
                ASSERT_EQ(grid->CellText(grid->Row(), homeColumn), QString::fromUtf8(home));
                grid->Model().SetCellText(goalColumn, QString::number(homeGoals));
                grid->Model().SetCellText(goalColumn + 1, QString::number(awayGoals));
                return;
            }
        ADD_FAILURE() << "no match of " << home;
    }

    // The stored full-time scores of the competition's matches, by matchday and home club.
    QList<QVariantList> Scores()
    {
        return Rows(
            R"(SELECT "A"."Agvnistikh", "P"."GrName", "A"."TelGGoals", "A"."TelFGoals" FROM "Agvnes" "A" )"
            R"(JOIN "PerOmades" "P" ON "P"."RecNo" = "A"."Ghpedoyxos" WHERE "A"."DiorgNo" = ?1 )"
            R"(ORDER BY "A"."Agvnistikh", "P"."RecNo")",
            {dNo});
    }

    int dNo = 0;
};

// The start-up creates the long-lived windows that exist, hidden, in their fixed order, and leaves
// the competitions editor and summary to the commands that first open them.
TEST_F(FirstSessionTest, StartUpCreatesTheLongLivedWindowsHiddenInTheirOrder)
{
    auto names = [](const std::vector<TStartupWindow> &windows) {
        QStringList list;
        for (const TStartupWindow &window : windows)
            list.append(QString::fromUtf8(window.name));
        return list;
    };
    EXPECT_EQ(names(WindowsBehindSplash()), (QStringList{"AutoBaumForm",
                                                         "GetFilesFrm",
                                                         "ProgressDlg",
                                                         "AboutVantorilDlg",
                                                         "AboutSecondSisterDlg",
                                                         "OPAPFrm",
                                                         "EdtSCORDlg",
                                                         "ChkAgvnFrm",
                                                         "ListDeltiaFrm",
                                                         "GetKupDlg",
                                                         "ListDeltiaKFrm",
                                                         "EpilogesDlg",
                                                         "ConvertPRDlg",
                                                         "TipsDlg",
                                                         "PrintRangeDlg",
                                                         "PrnKupFrm",
                                                         "BETBRAINFrm",
                                                         "SportingEnhmFrm",
                                                         "DirOptionsDlg",
                                                         "NotesDlg",
                                                         "CopyFromDiskDlg",
                                                         "ProtRangeDlg",
                                                         "DirOptions1Dlg",
                                                         "ViewEditKupFrm",
                                                         "ViewEditOptDlg",
                                                         "KupstatFrm",
                                                         "StatOptionsFrm",
                                                         "Kupstat_NextFrm",
                                                         "FilterKupFrm",
                                                         "SelRoundsFrm",
                                                         "KupStatAllFrm",
                                                         "PrnOptionsfrm",
                                                         "kup_StatParamFrm",
                                                         "KupstatFormaBFrm",
                                                         "StatOptionsFormaBFrm",
                                                         "Kupstat_NextFormaBFrm",
                                                         "ClearRangeDlg",
                                                         "CalcRangeDlg",
                                                         "SelPeriodFrm",
                                                         "ScorOptionsFrm",
                                                         "ScorStatFormaFrm",
                                                         "Scorstat_NextFormaFrm",
                                                         "MakeUserKupFrm",
                                                         "BaumFormDate",
                                                         "Kupstat_NextFormaOFrm",
                                                         "KupstatFormaOFrm"}));
    EXPECT_EQ(names(WindowsAfterMainWindow()),
              (QStringList{
                  "PeriodForm",   "KatEditForm",    "KrathForm",    "OmadesForm",         "AgvnesForm1",
                  "PlegmaAForm",  "ProistoriaForm", "MassSaveForm", "AgvnProistoriaForm", "AgvnPosostaForm",
                  "AgvnEnhmForm", "AgvnSaveForm",   "AboutDlgA",    "BaumForm",           "FileSaveForm",
                  "BrDateForm",   "AutoEnhmForm",   "EnhmTypeForm", "TNamesForm",         "AgvnesForm",
                  "PinForm",      "StatFrm"}));

    const QWidgetList existing = QApplication::topLevelWidgets();
    std::vector<TStartupWindow> all = WindowsBehindSplash();
    all.insert(all.end(), WindowsAfterMainWindow().begin(), WindowsAfterMainWindow().end());
    all.push_back({"SelOptDlg", [] { return static_cast<QWidget *>(SelOptDlg()); }});
    for (const TStartupWindow &window : all) {
        SCOPED_TRACE(window.name);
        QWidget *created = window.create();
        EXPECT_TRUE(existing.contains(created)) << "created at start-up";
        EXPECT_EQ(created->isVisible(), created == SelOptDlg()) << "only the start-up choice is shown";
    }
    EXPECT_EQ(DiorganvshForm(), nullptr);
    EXPECT_EQ(DiorgShowForm(), nullptr);
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
    SelOptDlg()->OKBtnClick();
}

TEST_F(FirstSessionTest, FromAnEmptyProgramFolderToALeagueTableAndBack)
{
    // The first start: nothing to choose yet, so OK lets the user in and remembers nothing.
    ASSERT_TRUE(SelOptDlg()->isVisible());
    SelOptDlg()->OKBtnClick();
    EXPECT_FALSE(SelOptDlg()->isVisible());
    EXPECT_EQ(Options().ReadString("Options", "NameD", "<none>"), "<none>");
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();

    EnterCountry();
    EnterCategory();
    EnterSeason();
    EnterTeams();
    EnterCompetition();
    EXPECT_EQ(Count(R"(SELECT COUNT(*) FROM "Diorganvseis")"), 1);

    // The next start offers the competition.
    Restart();
    ChooseAtStartUp();

    main->Item("N21")->trigger();
    ASSERT_NE(DiorgShowForm(), nullptr);
    EXPECT_EQ(SummaryRow(), (QStringList{Category, "1", "", "0"}));
    CloseChild(DiorgShowForm());

    // The fixtures of the first two matchdays.
    TAgvnesForm *list = ShowMatchList();
    EXPECT_EQ(list->AgvnEdit->Text(), "1");
    messages.Clear();
    EnterFixtures(list, 1, "17/09/2005", {{"Ολυμπιακός", "ΑΕΚ"}, {"Παναθηναϊκός", "Άρης"}});
    EnterFixtures(list, 2, "24/09/2005", {{"ΑΕΚ", "Παναθηναϊκός"}, {"Άρης", "Ολυμπιακός"}});
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
    EXPECT_EQ(Scores(), (QList<QVariantList>{{1, "Ολυμπιακός", {}, {}},
                                             {1, "Παναθηναϊκός", {}, {}},
                                             {2, "ΑΕΚ", {}, {}},
                                             {2, "Άρης", {}, {}}}));
    list->BtnBackClick();

    // The summary counts them; a double click lists the first matchday's unplayed matches.
    main->Item("N21")->trigger();
    EXPECT_EQ(SummaryRow(), (QStringList{Category, "1", "17/09/2005", "2"}));
    DiorgShowForm()->DBGrid1DblClick();
    TAgvnesForm1 *unplayed = AgvnesForm1();
    ASSERT_TRUE(unplayed->isVisible());
    ASSERT_EQ(unplayed->DBGrid1->Model().rowCount(), 2);
    EnterResult(unplayed->DBGrid1, 4, 8, "Ολυμπιακός", 2, 1);
    unplayed->DBNavigator1->Button(nbPost)->click();
    EnterResult(unplayed->DBGrid1, 4, 8, "Παναθηναϊκός", 0, 0);
    unplayed->DBNavigator1->Button(nbPost)->click();
    EXPECT_EQ(unplayed->DBGrid1->Model().rowCount(), 0) << "both are played now";
    unplayed->close();
    CloseChild(DiorgShowForm());

    // The second matchday's results go into the match list.
    list = ShowMatchList();
    EXPECT_EQ(list->AgvnEdit->Text(), "1") << "no goal has been scored on matchday 2 yet";
    list->AgvnEdit->SetText("2");
    ASSERT_EQ(list->DBGrid1->Model().rowCount(), 2);
    EnterResult(list->DBGrid1, 2, 6, "ΑΕΚ", 1, 1);
    EnterResult(list->DBGrid1, 2, 6, "Άρης", 0, 3);
    Key(list->DBGrid1, Qt::Key_Up);
    EXPECT_EQ(Scores(),
              (QList<QVariantList>{
                  {1, "Ολυμπιακός", 2, 1}, {1, "Παναθηναϊκός", 0, 0}, {2, "ΑΕΚ", 1, 1}, {2, "Άρης", 0, 3}}));
    list->BtnBackClick();
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();

    main->Item("N21")->trigger();
    EXPECT_EQ(SummaryRow(), (QStringList{Category, "2", "24/09/2005", "2"}));
    CloseChild(DiorgShowForm());

    // The league table at the current matchday stores the teams' statistics of that matchday.
    main->Item("N68")->trigger();
    TBaumForm &table = BaumForm();
    ASSERT_TRUE(table.isVisible());
    EXPECT_EQ(table.AgvnEdit->Position(), 2);
    QStringList order;
    for (int row = 0; row < table.SGrd->RowCount(); ++row)
        order.append(table.SGrd->Cells(1, row));
    EXPECT_EQ(order, (QStringList{"Ολυμπιακός", "Παναθηναϊκός", "ΑΕΚ", "Άρης"}));
    EXPECT_EQ(Rows(R"(SELECT "P"."GrName", "S"."Position" FROM "TeamStat" "S" JOIN "PerOmades" "P" )"
                   R"(ON "P"."RecNo" = "S"."TeamNo" WHERE "S"."Agvnistikh" = 2 ORDER BY "S"."Position")"),
              (QList<QVariantList>{{"Ολυμπιακός", 1}, {"Παναθηναϊκός", 2}, {"ΑΕΚ", 3}, {"Άρης", 4}}));
    table.close();
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();

    // The table between the season's first and last day counts the same matches; leaving it
    // brings the match list back.
    main->Item("N69")->trigger();
    TBaumFormDate &byDate = BaumFormDate();
    ASSERT_TRUE(byDate.isVisible());
    EXPECT_EQ(byDate.SGrd->RowCount(), 4);
    EXPECT_EQ(byDate.SGrd->Cells(1, 0), "Ολυμπιακός");
    QTest::mouseClick(byDate.AgvnButton, Qt::LeftButton);
    EXPECT_FALSE(byDate.isVisible());
    EXPECT_TRUE(AgvnesForm()->isVisible());
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();

    // The competition goes with its teams, matches and statistics; the clubs stay.
    main->Item("N22")->trigger();
    TDiorganvshForm *editor = DiorganvshForm();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), dNo);
    messages.QueueAnswer(mrYes);
    editor->BitBtn1Click();
    EXPECT_EQ(messages.Last().text, ConfirmDelete);
    EXPECT_EQ(Count(R"(SELECT COUNT(*) FROM "Diorganvseis")"), 0);
    EXPECT_EQ(Count(R"(SELECT COUNT(*) FROM "PerOmades")"), 0);
    EXPECT_EQ(Count(R"(SELECT COUNT(*) FROM "Agvnes")"), 0);
    EXPECT_EQ(Count(R"(SELECT COUNT(*) FROM "TeamStat")"), 0);
    EXPECT_EQ(Count(R"(SELECT COUNT(*) FROM "Omades")"), 5);
    CloseChild(editor);
    EXPECT_TRUE(main->Panel1->isVisible());
}

// Everything stored in one run is offered at once, without a restart: the clubs stored in the
// team editor are the competition editor's choices, the competition's clubs the match list's; each
// list offers only what may be chosen there, in Greek order, and is picked from by mouse and keys.
TEST_F(FirstSessionTest, ClubsStoredInTheRunAreOfferedByTheDropDownListsOfTheSameRun)
{
    SelOptDlg()->OKBtnClick();
    EnterCountry();
    EnterCountry(Cyprus);
    EnterCategory();
    EnterSeason();
    EnterTeams();
    EnterCypriotClub();

    main->Item("N22")->trigger();
    TDiorganvshForm *editor = DiorganvshForm();
    ASSERT_NE(editor, nullptr);
    EnterLeague(editor);
    const QStringList greekClubs{"ΑΕΚ", "Άρης", "Ολυμπιακός", "Παναθηναϊκός", "ΠΑΟΚ"};
    for (const char *club : {"Ολυμπιακός", "Παναθηναϊκός", "ΑΕΚ", "Άρης"}) {
        editor->DBNavigator1->Button(nbInsert)->click();
        ASSERT_EQ(Dm().POmades.State(), TDataSetState::dsInsert) << club;
        EXPECT_EQ(PickFromDropDown(editor->DBGrid1, 0, QString::fromUtf8(club)), greekClubs) << club;
        editor->DBNavigator1->Button(nbPost)->click();
        EXPECT_EQ(Dm().POmades.State(), TDataSetState::dsBrowse) << club;
    }
    EXPECT_EQ(LeagueClubs(), (QList<QVariantList>{{"Ολυμπιακός", "Olympiakos"},
                                                  {"Παναθηναϊκός", "Panathinaikos"},
                                                  {"ΑΕΚ", "AEK"},
                                                  {"Άρης", "Aris"}}));
    CloseChild(editor);

    messages.Clear();
    TAgvnesForm *list = AgvnesForm();
    main->Item("N19")->trigger();
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list->PeriodCombo, Qt::Key_Down);
    QTest::keyClick(list->DiorgCombo, Qt::Key_Down);
    ASSERT_EQ(list->DiorgCombo->currentText(), Category);
    ASSERT_EQ(list->PeriodCombo->currentText(), Season);
    EXPECT_EQ(list->AgvnEdit->Text(), "1");
    list->EditDate->setText("17/09/2005");
    const QStringList leagueClubs{"ΑΕΚ", "Άρης", "Ολυμπιακός", "Παναθηναϊκός"};
    for (const auto &[home, away] : {std::pair{"Ολυμπιακός", "ΑΕΚ"}, {"Άρης", "Παναθηναϊκός"}}) {
        QTest::keyClick(list->DBGrid1, Qt::Key_Insert);
        ASSERT_EQ(Dm().Agvnes.State(), TDataSetState::dsInsert);
        EXPECT_EQ(PickFromDropDown(list->DBGrid1, 2, QString::fromUtf8(home)), leagueClubs);
        EXPECT_EQ(PickFromDropDown(list->DBGrid1, 3, QString::fromUtf8(away)), leagueClubs);
    }
    // Leaving the new row stores it.
    QTest::keyClick(list->DBGrid1, Qt::Key_Up);
    EXPECT_EQ(Dm().Agvnes.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(
        Rows(R"(SELECT "A"."Agvnistikh", "H"."GrName", "F"."GrName" FROM "Agvnes" "A" )"
             R"(JOIN "PerOmades" "H" ON "H"."RecNo" = "A"."Ghpedoyxos" AND "H"."DiorNo" = "A"."DiorgNo" )"
             R"(JOIN "PerOmades" "F" ON "F"."RecNo" = "A"."Filojenoymenh" AND "F"."DiorNo" = "A"."DiorgNo" )"
             R"(WHERE "A"."DiorgNo" = ?1 ORDER BY "A"."GameNo")",
             {dNo}),
        (QList<QVariantList>{{1, "Ολυμπιακός", "ΑΕΚ"}, {1, "Άρης", "Παναθηναϊκός"}}));
    EXPECT_EQ(messages.Count(), 0) << messages.Texts().join('\n').toStdString();
    list->BtnBackClick();
}

} // namespace
