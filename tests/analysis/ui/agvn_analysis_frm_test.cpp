#include "analysis/match_analysis.h"
#include "analysis/match_analysis_fixture.h"
#include "analysis/ui/agvn_analysis_frm.h"
#include "platform/core/codepage.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "platform/ui/printer.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace tav::analysis;

namespace {

const QDate kWednesday(2005, 3, 9);
const QDate kMonday(2005, 3, 7);

class AgvnAnalysisFrmTest : public MatchAnalysisTest
{
protected:
    // Two matches of the weekend of 4 to 7 March 2005 in the league, one in the cup.
    void AddWeekend()
    {
        AddTeam(1, "Ολυμπιακός");
        AddTeam(2, "Παναθηναϊκός");
        AddTeam(3, "ΑΕΚ");
        AddHistory(1, true, friday, {{1, 0}, {2, 0}, {3, 0}}, 100);
        Add({1, 2, friday, 2, 0, 0, kLeague, {1.5, 3.8, 6.0}, QString("18:00:00"), 4});
        Add({3, 1, friday.addDays(1), {}, {}, 0, kLeague, {2.1, 3.0, 3.3}, QString("20:00:00"), 9});
        Add({2, 3, friday.addDays(2), {}, {}, 0, kCup, {}, QString("19:00:00"), 1});
    }

    std::unique_ptr<TAgvnAnalysisFrm> Window(const QDate &today)
    {
        return std::make_unique<TAgvnAnalysisFrm>([today] { return today; });
    }

    static QStringList Texts(const QListWidget *list, bool checkedOnly)
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            if (!checkedOnly || list->item(row)->checkState() == Qt::Checked)
                texts.append(list->item(row)->text());
        return texts;
    }

    static void Check(QListWidget *list, const QString &text)
    {
        list->findItems(text, Qt::MatchExactly).first()->setCheckState(Qt::Checked);
    }

    static QStringList Column(const TAgvnAnalysisFrm &form, int col)
    {
        QStringList cells;
        for (int row = 1; row < form.SGrd1->RowCount(); ++row)
            cells.append(form.SGrd1->Cells(col, row));
        return cells;
    }

    static QPoint CellCentre(const TAgvnAnalysisFrm &form, int col, int row)
    {
        const TRect rect = form.SGrd1->CellRect(col, row);
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }

    // The colour of a cell away from its text.
    static QColor CellColour(TAgvnAnalysisFrm &form, int col, int row)
    {
        const QImage image = form.SGrd1->viewport()->grab().toImage();
        const TRect rect = form.SGrd1->CellRect(col, row);
        return image.pixelColor(rect.Right - 2, rect.Bottom - 2);
    }

    MessageRecorder messages_;
};

TEST_F(AgvnAnalysisFrmTest, OpensOnTheWeekendWithBothKindsOfMatchAndTheNewestSeasons)
{
    AddWeekend();
    const struct
    {
        QDate today;
        QDate from;
    } cases[] = {{kWednesday, QDate(2005, 3, 11)}, {kMonday, QDate(2005, 3, 4)}};
    for (const auto &c : cases) {
        auto form = Window(c.today);
        EXPECT_EQ(form->DateFrom->date(), c.from);
        EXPECT_EQ(form->DateTo->date(), c.from.addDays(3));
        EXPECT_TRUE(form->Chkskor->isChecked());
        EXPECT_TRUE(form->ChkxSkor->isChecked());
        EXPECT_TRUE(form->DCheckBox->isChecked());
        EXPECT_FALSE(form->ChkExtra->isChecked());
    }
    auto form = Window(kMonday);
    EXPECT_EQ(form->windowTitle(), QString("Ανάλυση Αγώνων"));
    EXPECT_EQ(Texts(form->PeriodCombo, false), QStringList({"2004-05", "2003-04", "2002-03"}));
    EXPECT_EQ(Texts(form->PeriodCombo, true), QStringList({"2004-05", "2003-04"}));
    EXPECT_EQ(Texts(form->DiorgListBox, false), QStringList({"Α Εθνική", "Κύπελλο"}));
    EXPECT_TRUE(Texts(form->DiorgListBox, true).isEmpty());
    ASSERT_EQ(form->SGrd1->ColCount(), kMatchAnalysisColumns);
    EXPECT_EQ(form->SGrd1->Cells(macCouponNumber, 0), QString("A/A OΠΑΠ"));
    EXPECT_EQ(form->SGrd1->Cells(macFormX, 0), QString("Χ"));
    EXPECT_EQ(form->SGrd1->ColWidths(macTeams), 200);
}

TEST_F(AgvnAnalysisFrmTest, AStartAfterTodayAsksForMatchesWithoutScore)
{
    auto form = Window(kMonday);
    form->DateFrom->setDate(kMonday.addDays(1));
    EXPECT_FALSE(form->Chkskor->isChecked());
    EXPECT_TRUE(form->ChkxSkor->isChecked());
    form->DateFrom->setDate(kMonday);
    EXPECT_TRUE(form->Chkskor->isChecked());
    EXPECT_FALSE(form->ChkxSkor->isChecked());
}

TEST_F(AgvnAnalysisFrmTest, MatchesWithScoreAfterTodayAreAskedForFirst)
{
    AddWeekend();
    auto form = Window(QDate(2005, 3, 1));
    form->DCheckBox->setChecked(false);
    form->Chkskor->setChecked(true);
    messages_.QueueAnswer(IDNO);
    form->Button2Click();
    ASSERT_EQ(messages_.Calls().size(), 1);
    const MessageRequest &question = messages_.Calls().first();
    EXPECT_EQ(question.kind, MessageKind::MessageBox);
    EXPECT_EQ(question.caption, QString("Ενημέρωση"));
    EXPECT_EQ(question.text,
              QString("Προσοχή!Έχετε επιλέξει ημερομηνία μεταγενέστερη από σήμερα ,πιθανόν δεν "
                      "υπάρχουν αγώνες με σκορ ,να συνεχίσω; "));
    EXPECT_EQ(question.buttons, QList<TMsgDlgBtn>({mbYes, mbNo}));
    EXPECT_EQ(question.defaultButton, mbNo);
    EXPECT_EQ(question.icon, mtCustom);
    EXPECT_EQ(Column(*form, macTeams), QStringList({""}));

    messages_.QueueAnswer(IDYES);
    form->Button2Click();
    EXPECT_EQ(Column(*form, macTeams).size(), 3);
}

TEST_F(AgvnAnalysisFrmTest, BadChoicesSayWhyAndLeaveTheRows)
{
    AddWeekend();
    auto form = Window(kMonday);
    form->DCheckBox->setChecked(false);
    form->Button2Click();
    const QStringList rows = Column(*form, macTeams);
    ASSERT_EQ(rows.size(), 3);

    form->Chkskor->setChecked(false);
    form->ChkxSkor->setChecked(false);
    form->Button2Click();
    EXPECT_EQ(messages_.Texts(), QStringList({"Δεν έχετε επιλέξει αγώνες με σκορ ή χωρίς σκορ"}));
    EXPECT_EQ(Column(*form, macTeams), rows);

    // Nothing ticked: no competition.
    form->Chkskor->setChecked(true);
    form->DCheckBox->setChecked(true);
    form->Button2Click();
    EXPECT_EQ(messages_.Texts().last(), QString("Δεν υπάρχουν στοιχεία για τις διοργανώσεις που επιλέξατε."));
    EXPECT_EQ(Column(*form, macTeams), QStringList({"", "", ""}));
}

TEST_F(AgvnAnalysisFrmTest, TickedCategoriesAreRememberedBetweenRuns)
{
    const QString file = JoinPath(ProgramFolder(), MatchAnalysisSelectionFile);
    auto form = Window(kMonday);
    form->show();
    EXPECT_TRUE(Texts(form->DiorgListBox, true).isEmpty()); // no file yet
    Check(form->DiorgListBox, "Κύπελλο");
    form->close();
    EXPECT_FALSE(form->isVisible());
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), ToCodePage(QString("Κύπελλο\r\n"), CodePage::Windows1253));
    saved.close();

    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write(ToCodePage(QString("Β Εθνική\r\nΑ Εθνική\r\n"), CodePage::Windows1253));
    written.close();
    form->show();
    EXPECT_EQ(Texts(form->DiorgListBox, true), QStringList({"Α Εθνική", "Κύπελλο"}));
    form->close();
    auto next = Window(kMonday);
    next->show();
    EXPECT_EQ(Texts(next->DiorgListBox, true), QStringList({"Α Εθνική", "Κύπελλο"}));
    EXPECT_TRUE(messages_.Calls().isEmpty());
}

// The main path through the window's own controls: a run of the ticked league, coloured cells, and
// a heading clicked twice.
TEST_F(AgvnAnalysisFrmTest, ARunThroughTheControlsFillsColoursAndSortsTheRows)
{
    AddWeekend();
    auto form = Window(kMonday);
    form->resize(1000, 400);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    Check(form->DiorgListBox, "Α Εθνική");
    QTest::mouseClick(form->Button2, Qt::LeftButton);
    EXPECT_TRUE(messages_.Calls().isEmpty()) << messages_.Texts().join('|').toStdString();
    ASSERT_EQ(form->SGrd1->RowCount(), 3);
    EXPECT_EQ(Column(*form, macTeams), QStringList({"Ολυμπιακός-Παναθηναϊκός", "ΑΕΚ-Ολυμπιακός"}));
    // The first match was won at home, as its form and its lowest odds said.
    EXPECT_EQ(Column(*form, macSign), QStringList({"1", "?"}));
    EXPECT_EQ(CellColour(*form, macForm1, 1), QColor(0, 255, 0));
    EXPECT_EQ(CellColour(*form, macOdds1, 1), QColor(0, 128, 0));
    EXPECT_EQ(CellColour(*form, macOdds1Percent, 1), QColor(0, 128, 0));
    EXPECT_EQ(CellColour(*form, macOddsX, 1), form->SGrd1->Color());

    const QStringList before = Column(*form, macTeams);
    for (int click = 0; click < 2; ++click)
        QTest::mouseClick(form->SGrd1->viewport(), Qt::LeftButton, {}, CellCentre(*form, macRowNumber, 0));
    EXPECT_EQ(Column(*form, macTeams), before);
    QTest::mouseClick(form->SGrd1->viewport(), Qt::LeftButton, {}, CellCentre(*form, macRowNumber, 0));
    EXPECT_EQ(Column(*form, macTeams), QStringList({"ΑΕΚ-Ολυμπιακός", "Ολυμπιακός-Παναθηναϊκός"}));
    EXPECT_EQ(Column(*form, macRowNumber), QStringList({"1", "2"}));
}

TEST_F(AgvnAnalysisFrmTest, ThePrintoutHasEighteenColumnsInGreekLetters)
{
    AddWeekend();
    const QString pdf = CurrentTestFolders().Root() + "/analysis.pdf";
    Printer().SetOutputFileName(pdf);
    auto form = Window(kMonday);
    form->DCheckBox->setChecked(false);
    form->ChkExtra->setChecked(true);
    form->Button2Click();
    ASSERT_EQ(form->SGrd1->ColCount(), kMatchAnalysisExtraColumns);
    EXPECT_EQ(form->SGrd1->Cells(macExtra1, 0), QString("Τ-1"));
    form->BtnPrintClick();
    Printer().SetOutputFileName(QString());
    EXPECT_TRUE(form->isEnabled());

    const QList<PdfPage> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const PdfPage &page = pages.first();
    QStringList words;
    for (const PdfWord &word : page.Words)
        words.append(word.Text);
    for (const char *title : {"Ανάλυση", "Αγώνων", "07/03/2005"})
        EXPECT_TRUE(words.contains(QString(title))) << title;
    // The lines under the title, top to bottom, each its words left to right.
    QMap<int, QList<PdfWord>> lines;
    for (const PdfWord &word : page.Words)
        if (!word.Text.startsWith("Ανάλυση") && !word.Text.startsWith("Αγώνων") && word.Text != "07/03/2005")
            lines[qRound(word.Box.center().y())].append(word);
    QList<QStringList> texts;
    for (QList<PdfWord> &line : lines) {
        std::sort(line.begin(), line.end(),
                  [](const PdfWord &a, const PdfWord &b) { return a.Box.left() < b.Box.left(); });
        texts.append(QStringList());
        for (const PdfWord &word : line)
            texts.last().append(word.Text);
    }
    ASSERT_EQ(texts.size(), 4) << texts.size();
    // The header in Greek letters only (narrow columns cut their texts), ending with "Α/Α".
    const QRegularExpression latin("[A-Za-z]");
    EXPECT_TRUE(texts[0].contains("ΟΜΑΔΕΣ")) << texts[0].join(' ').toStdString();
    for (const QString &word : texts[0])
        EXPECT_FALSE(word.contains(latin)) << word.toStdString();
    EXPECT_TRUE(QString("Α/Α").startsWith(texts[0].last()));
    // Each row ends with its running number: the extra estimate is not printed.
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(texts[row].last(), QString::number(row)) << texts[row].join(' ').toStdString();
}

} // namespace
