// The category and season bar over the program's data module: its four fills, the picks that
// make a pair the current competition, the warning for a pair that names none.
#include "shared/competition_chooser.h"

#include "data/competition_choice_printer.h"
#include "platform/core/message_recorder.h"
#include "platform/core/registry.h"
#include "support/data_module_test_base.h"
#include "support/qstring_printer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using tav::data::CompetitionChoice;
using tav::shared::CompetitionChooser;

namespace {

const QString NoCompetition = QStringLiteral("Δεν υπάρχουν στοιχεία για την διοργάνωση που επιλέξατε");

// Three seasons; "Α Εθνική" plays in 2004-05 and 2005-06, "Β Εθνική" in 2005-06, "Γ Εθνική" in
// 2003-04.
class CompetitionChooserTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        const int greece = AddCountry("Ελλάδα");
        const int alpha = AddCategory("Α Εθνική", greece);
        const int beta = AddCategory("Β Εθνική", greece);
        const int gamma = AddCategory("Γ Εθνική", greece);
        alpha04 = AddCompetition(alpha, "2004-05", 4);
        alpha05 = AddCompetition(alpha, "2005-06", 4);
        beta05 = AddCompetition(beta, "2005-06", 4);
        gamma03 = AddCompetition(gamma, "2003-04", 4);
        ASSERT_TRUE(Dm().Diorganvseis.Locate("DNo", {gamma03}));
        messages.Clear();
    }

    // A chooser of the league table's rules, or of the match list's.
    std::unique_ptr<CompetitionChooser> Chooser(bool leagueTableRules = true)
    {
        auto chooser = std::make_unique<CompetitionChooser>(
            CompetitionChooser::Rules{leagueTableRules, leagueTableRules});
        chooser->OnCompetitionChosen = [this](QComboBox *combo) { picked.append(combo); };
        return chooser;
    }

    static void Remember(const QString &category, const QString &season)
    {
        TRegIniFile registry(QStringLiteral("Software\\Tavrolin\\Diorganvsh"));
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("NameD"), category);
        registry.WriteString(QStringLiteral("Options"), QStringLiteral("NameP"), season);
    }

    static QStringList Items(const QComboBox *combo)
    {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        return items;
    }

    int CurrentDNo() { return Dm().Diorganvseis.FieldByName("DNo").AsInteger(); }

    MessageRecorder messages;
    QList<QComboBox *> picked;
    int alpha04 = 0, alpha05 = 0, beta05 = 0, gamma03 = 0;
};

} // namespace

TEST_F(CompetitionChooserTest, FillsListTheirItemsAndTakeTheRememberedOne)
{
    Remember("Α Εθνική", "2004-05");
    auto league = Chooser(true);
    auto list = Chooser(false);
    league->FillAllSeasons();
    league->FillAllCategories();
    list->FillAllSeasons();
    list->FillAllCategories();

    for (CompetitionChooser *chooser : {league.get(), list.get()}) {
        EXPECT_EQ(Items(chooser->PeriodCombo), (QStringList{"2005-06", "2004-05", "2003-04"}));
        EXPECT_EQ(Items(chooser->DiorgCombo), (QStringList{"Α Εθνική", "Β Εθνική", "Γ Εθνική"}));
        EXPECT_EQ(chooser->Choice(), (CompetitionChoice{"Α Εθνική", "2004-05"}));
    }

    // The seasons of a category: newest first for the league table, oldest first for the list.
    league->FillCategorySeasons();
    list->FillCategorySeasons();
    EXPECT_EQ(Items(league->PeriodCombo), (QStringList{"2005-06", "2004-05"}));
    EXPECT_EQ(Items(list->PeriodCombo), (QStringList{"2004-05", "2005-06"}));
    EXPECT_EQ(league->PeriodCombo->currentText(), "2004-05");
    EXPECT_EQ(list->PeriodCombo->currentText(), "2004-05");

    // The categories of a season.
    list->PeriodCombo->setCurrentText("2005-06");
    list->FillSeasonCategories();
    EXPECT_EQ(Items(list->DiorgCombo), (QStringList{"Α Εθνική", "Β Εθνική"}));
    EXPECT_EQ(list->DiorgCombo->currentText(), "Α Εθνική");

    // Filling runs no pick and chooses nothing.
    EXPECT_TRUE(picked.isEmpty());
    EXPECT_EQ(CurrentDNo(), gamma03);
    EXPECT_EQ(messages.Count(), 0);
}

// A narrowed list without the remembered item: the league table keeps the item shown before when
// the list has it (else none), the match list takes the first.
TEST_F(CompetitionChooserTest, ANarrowedListWithoutTheRememberedItemFollowsTheWindowsRule)
{
    struct Case
    {
        bool leagueTableRules;
        const char *shownBefore;
        const char *chosen;
    };
    const Case cases[] = {
        {true, "Β Εθνική", "Β Εθνική"},
        {true, "Γ Εθνική", ""},
        {false, "Β Εθνική", "Α Εθνική"},
        {false, "Γ Εθνική", "Α Εθνική"},
    };
    Remember("Δ Εθνική", "2005-06");
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.leagueTableRules ? "league table " : "match list ") + c.shownBefore);
        auto chooser = Chooser(c.leagueTableRules);
        chooser->FillAllSeasons();
        chooser->FillAllCategories();
        chooser->DiorgCombo->setCurrentText(QString::fromUtf8(c.shownBefore));
        chooser->FillSeasonCategories();
        EXPECT_EQ(chooser->DiorgCombo->currentText(), QString::fromUtf8(c.chosen));
    }
}

// The user's way: keys in the two combos choose a season, then a category; the pair becomes the
// current competition in all three places.
TEST_F(CompetitionChooserTest, ChoosingASeasonAndACategoryWithKeysLocatesTheCompetition)
{
    auto chooser = Chooser();
    chooser->FillAllSeasons();
    chooser->FillAllCategories();
    chooser->show();
    ASSERT_EQ(chooser->Choice(), CompetitionChoice{});

    // The season alone chooses nothing yet.
    QTest::keyClick(chooser->PeriodCombo, Qt::Key_Down);
    ASSERT_EQ(chooser->PeriodCombo->currentText(), "2005-06");
    EXPECT_TRUE(picked.isEmpty());
    EXPECT_EQ(CurrentDNo(), gamma03);

    QTest::keyClick(chooser->DiorgCombo, Qt::Key_Down);
    QTest::keyClick(chooser->DiorgCombo, Qt::Key_Down);
    EXPECT_EQ(chooser->Choice(), (CompetitionChoice{"Β Εθνική", "2005-06"}));
    EXPECT_EQ(CurrentDNo(), beta05);
    EXPECT_EQ(tav::data::CurrentChoice(), (CompetitionChoice{"Β Εθνική", "2005-06"}));
    EXPECT_EQ(Dm().CurrDiorgName, "Β Εθνική");
    EXPECT_EQ(Dm().CurrPeriodos, "2005-06");
    // The category's seasons, the chosen one kept.
    EXPECT_EQ(Items(chooser->PeriodCombo), QStringList{"2005-06"});
    EXPECT_EQ(picked, (QList<QComboBox *>{chooser->DiorgCombo, chooser->DiorgCombo}));

    // Back to the first category, then, with every season offered, an older season: the
    // categories of that season, the chosen one kept.
    QTest::keyClick(chooser->DiorgCombo, Qt::Key_Up);
    EXPECT_EQ(CurrentDNo(), alpha05);
    chooser->ChkP->click();
    ASSERT_EQ(Items(chooser->PeriodCombo).size(), 3);
    QTest::keyClick(chooser->PeriodCombo, Qt::Key_Down);
    EXPECT_EQ(chooser->Choice(), (CompetitionChoice{"Α Εθνική", "2004-05"}));
    EXPECT_EQ(CurrentDNo(), alpha04);
    EXPECT_EQ(picked.last(), chooser->PeriodCombo);
    EXPECT_EQ(messages.Count(), 0);
}

// With every category offered, a season in which the chosen category has no competition warns,
// keeps the current competition and still remembers the pair.
TEST_F(CompetitionChooserTest, APairWithoutCompetitionWarnsAndIsRememberedAllTheSame)
{
    Remember("Β Εθνική", "2005-06");
    auto chooser = Chooser();
    chooser->FillAllSeasons();
    chooser->FillAllCategories();
    chooser->show();
    ASSERT_TRUE(chooser->ChooseShown());
    QTest::mouseClick(chooser->ChkD, Qt::LeftButton);
    ASSERT_TRUE(chooser->ChkD->isChecked());
    EXPECT_EQ(Items(chooser->DiorgCombo).size(), 3);

    QTest::keyClick(chooser->PeriodCombo, Qt::Key_Down);
    ASSERT_EQ(chooser->Choice(), (CompetitionChoice{"Β Εθνική", "2004-05"}));
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text, NoCompetition);
    EXPECT_EQ(messages.Last().icon, mtWarning);
    EXPECT_EQ(CurrentDNo(), beta05);
    EXPECT_TRUE(picked.isEmpty());
    EXPECT_EQ(tav::data::CurrentChoice(), (CompetitionChoice{"Β Εθνική", "2004-05"}));
    EXPECT_EQ(Dm().CurrPeriodos, "2004-05");
}

TEST_F(CompetitionChooserTest, AnotherWindowsListsAreTakenAsTheyAre)
{
    auto chooser = Chooser();
    const tav::shared::ChooserLists lists{{"Άλλη", "Β Εθνική"}, {"2005-06"}, {"Β Εθνική", "2005-06"}};
    chooser->SetLists(lists);
    EXPECT_EQ(Items(chooser->DiorgCombo), lists.Categories);
    EXPECT_EQ(Items(chooser->PeriodCombo), lists.Seasons);
    EXPECT_EQ(chooser->Lists().Chosen, lists.Chosen);
    EXPECT_EQ(chooser->Lists().Categories, lists.Categories);
    EXPECT_TRUE(picked.isEmpty());
    EXPECT_EQ(CurrentDNo(), gamma03);
}

// The bar lays its controls out as the windows always showed them, and Tab walks them in order.
TEST_F(CompetitionChooserTest, TheBarKeepsItsLayoutAndTabOrder)
{
    auto chooser = Chooser();
    chooser->setGeometry(8, 8, 426, 24);
    chooser->show();
    const QList<std::pair<QWidget *, QRect>> expected{{chooser->PeriodCombo, {0, 0, 110, 24}},
                                                      {chooser->ChkP, {114, 0, 20, 24}},
                                                      {chooser->DiorgCombo, {142, 0, 260, 24}},
                                                      {chooser->ChkD, {406, 0, 20, 24}}};
    for (const auto &[widget, rect] : expected)
        EXPECT_EQ(widget->geometry(), rect) << widget->metaObject()->className();
    EXPECT_EQ(chooser->sizeHint().width(), 426);
    EXPECT_EQ(chooser->PeriodCombo->nextInFocusChain(), chooser->ChkP);
    EXPECT_EQ(chooser->ChkP->nextInFocusChain(), chooser->DiorgCombo);
    EXPECT_EQ(chooser->DiorgCombo->nextInFocusChain(), chooser->ChkD);
    EXPECT_EQ(chooser->ChkP->toolTip(), "Τσεκαρισμένο δείχνει όλες τις περιόδους");
    EXPECT_EQ(chooser->ChkD->toolTip(), "Τσεκαρισμένο δείχνει όλες τις διοργανώσεις");
}

namespace {

using Rules = CompetitionChooser::Rules;

struct Variant
{
    const char *name;
    Rules rules;
};

const Variant kVariants[] = {
    {"team form", Rules::TeamForm()},
    {"statistics", Rules::Statistics()},
    {"date standings", Rules::DateStandings()},
    {"results grid", Rules::ResultsGrid()},
};

class ChooserVariantsTest : public CompetitionChooserTest
{
protected:
    std::unique_ptr<CompetitionChooser> Chooser(const Rules &rules)
    {
        auto chooser = std::make_unique<CompetitionChooser>(rules);
        chooser->OnCompetitionChosen = [this](QComboBox *combo) { picked.append(combo); };
        return chooser;
    }

    static void FillComplete(CompetitionChooser &chooser)
    {
        chooser.FillAllSeasons();
        chooser.FillAllCategories();
    }
};

} // namespace

// Without a remembered choice the team form table shows the newest season and the first category;
// the other windows show both combos blank.
TEST_F(ChooserVariantsTest, WithoutARememberedChoiceOnlyTheTeamFormTakesTheFirstEntries)
{
    Remember("", "");
    const CompetitionChoice shown[] = {{"Α Εθνική", "2005-06"}, {}, {}, {}};
    for (std::size_t i = 0; i < std::size(kVariants); ++i) {
        SCOPED_TRACE(kVariants[i].name);
        auto chooser = Chooser(kVariants[i].rules);
        FillComplete(*chooser);
        EXPECT_EQ(chooser->Choice(), shown[i]);
        EXPECT_EQ(Items(chooser->PeriodCombo).size(), 3);
        EXPECT_EQ(chooser->ChkP->isVisibleTo(chooser.get()), kVariants[i].rules.CheckBoxes);
        EXPECT_EQ(chooser->PeriodCombo->isEditable(), kVariants[i].rules.Editable);
    }
    EXPECT_TRUE(picked.isEmpty());
    EXPECT_EQ(CurrentDNo(), gamma03);
    EXPECT_EQ(messages.Count(), 0);
}

// With every category offered, a season in which the chosen category has no competition keeps
// the category, warns, leaves the current competition and remembers the new pair all the same.
TEST_F(ChooserVariantsTest, ASeasonWithoutTheCategoryWarnsAndIsRemembered)
{
    for (const Variant &variant : {kVariants[0], kVariants[2]}) {
        SCOPED_TRACE(variant.name);
        Remember("Β Εθνική", "2005-06");
        messages.Clear();
        auto chooser = Chooser(variant.rules);
        FillComplete(*chooser);
        chooser->show();
        ASSERT_TRUE(chooser->ChooseShown());
        QTest::mouseClick(chooser->ChkD, Qt::LeftButton);
        ASSERT_TRUE(chooser->ChkD->isChecked());

        const QStringList seasons = Items(chooser->PeriodCombo);
        QTest::keyClick(chooser->PeriodCombo, Qt::Key_Down);
        ASSERT_EQ(chooser->Choice(), (CompetitionChoice{"Β Εθνική", "2004-05"}))
            << seasons.join(',').toStdString();
        ASSERT_EQ(messages.Count(), 1);
        EXPECT_EQ(messages.Last().text, NoCompetition);
        EXPECT_EQ(CurrentDNo(), beta05);
        EXPECT_EQ(tav::data::CurrentChoice(), (CompetitionChoice{"Β Εθνική", "2004-05"}));
        EXPECT_TRUE(picked.isEmpty());
    }
}

// A click on a box refills its list only: the current competition, the remembered choice and the
// other list stay.
TEST_F(ChooserVariantsTest, TickingChkDRefillsWithoutMovingTheCompetition)
{
    Remember("Α Εθνική", "2004-05");
    auto chooser = Chooser(Rules::TeamForm());
    FillComplete(*chooser);
    chooser->FillSeasonCategories();
    ASSERT_EQ(Items(chooser->DiorgCombo), QStringList{"Α Εθνική"});
    chooser->show();
    QTest::mouseClick(chooser->ChkD, Qt::LeftButton);
    EXPECT_EQ(Items(chooser->DiorgCombo), (QStringList{"Α Εθνική", "Β Εθνική", "Γ Εθνική"}));
    EXPECT_EQ(chooser->Choice(), (CompetitionChoice{"Α Εθνική", "2004-05"}));
    EXPECT_EQ(CurrentDNo(), gamma03);
    EXPECT_EQ(tav::data::CurrentChoice(), (CompetitionChoice{"Α Εθνική", "2004-05"}));
    EXPECT_TRUE(picked.isEmpty());
    EXPECT_EQ(messages.Count(), 0);
}

// Fills from code, also while a combo that takes typing has the focus and loses it afterwards,
// run no pick handler.
TEST_F(ChooserVariantsTest, FillsFromCodeRunNoPickHandler)
{
    Remember("Α Εθνική", "2004-05");
    for (const Variant &variant : kVariants) {
        SCOPED_TRACE(variant.name);
        auto chooser = Chooser(variant.rules);
        QLineEdit elsewhere;
        chooser->show();
        elsewhere.show();
        chooser->DiorgCombo->setFocus();
        FillComplete(*chooser);
        chooser->FillCategorySeasons();
        chooser->FillSeasonCategories();
        chooser->SetLists({{"Β Εθνική"}, {"2005-06"}, {"Β Εθνική", "2005-06"}});
        elsewhere.setFocus();
        chooser->DiorgCombo->clearFocus();
    }
    EXPECT_TRUE(picked.isEmpty());
    EXPECT_EQ(CurrentDNo(), gamma03);
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(tav::data::CurrentChoice(), (CompetitionChoice{"Α Εθνική", "2004-05"}));
}

// In a combo that takes typing, keystrokes act on nothing; Enter commits the text, and so does
// leaving the combo.
TEST_F(ChooserVariantsTest, TypedTextsActWhenCommittedNotPerKeystroke)
{
    Remember("Α Εθνική", "2005-06");
    auto chooser = Chooser(Rules::DateStandings());
    FillComplete(*chooser);
    chooser->show();
    QLineEdit *season = chooser->PeriodCombo->lineEdit();
    season->selectAll();
    QTest::keyClicks(season, "2004-05");
    EXPECT_TRUE(picked.isEmpty());
    EXPECT_EQ(CurrentDNo(), gamma03);
    QTest::keyClick(season, Qt::Key_Return);
    EXPECT_EQ(CurrentDNo(), alpha04);
    EXPECT_EQ(picked, QList<QComboBox *>{chooser->PeriodCombo});
    EXPECT_EQ(tav::data::CurrentChoice(), (CompetitionChoice{"Α Εθνική", "2004-05"}));

    // The results grid: leaving the combo commits; the pair is located, not remembered.
    auto grid = Chooser(Rules::ResultsGrid());
    FillComplete(*grid);
    grid->SetLists({grid->Lists().Categories, grid->Lists().Seasons, {"Α Εθνική", "2005-06"}});
    grid->show();
    QLineEdit *category = grid->DiorgCombo->lineEdit();
    category->selectAll();
    category->insert("Β Εθνική"); // typed: keystrokes of Greek letters go through the input method
    EXPECT_EQ(CurrentDNo(), alpha04);
    emit category->editingFinished();
    EXPECT_EQ(CurrentDNo(), beta05);
    EXPECT_EQ(picked.last(), grid->DiorgCombo);
    EXPECT_EQ(tav::data::CurrentChoice(), (CompetitionChoice{"Α Εθνική", "2004-05"}));
    emit category->editingFinished();
    EXPECT_EQ(picked.size(), 2);

    // A category that is not stored names no competition: the warning, and the competition stays.
    category->selectAll();
    category->insert("Δ Εθνική");
    QTest::keyClick(category, Qt::Key_Return);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().text, NoCompetition);
    EXPECT_EQ(CurrentDNo(), beta05);
}

// The statistics window: a pick narrows the other list whatever its box shows, keeps the item
// shown when the narrowed list has it (else shows none) and chooses nothing.
TEST_F(ChooserVariantsTest, StatisticsPicksNarrowTheOtherListOnly)
{
    Remember("Α Εθνική", "2005-06");
    auto chooser = Chooser(Rules::Statistics());
    FillComplete(*chooser);
    chooser->show();
    QTest::mouseClick(chooser->ChkP, Qt::LeftButton);
    ASSERT_TRUE(chooser->ChkP->isChecked());
    QTest::keyClick(chooser->DiorgCombo, Qt::Key_Down);
    EXPECT_EQ(Items(chooser->PeriodCombo), QStringList{"2005-06"});
    EXPECT_EQ(chooser->Choice(), (CompetitionChoice{"Β Εθνική", "2005-06"}));
    QTest::keyClick(chooser->DiorgCombo, Qt::Key_Down);
    EXPECT_EQ(Items(chooser->PeriodCombo), QStringList{"2003-04"});
    EXPECT_EQ(chooser->Choice(), (CompetitionChoice{"Γ Εθνική", ""}));
    EXPECT_EQ(CurrentDNo(), gamma03);
    EXPECT_EQ(tav::data::CurrentChoice(), (CompetitionChoice{"Α Εθνική", "2005-06"}));
    EXPECT_TRUE(picked.isEmpty());
    EXPECT_EQ(messages.Count(), 0);
}

// A season whose text holds an apostrophe lists, narrows and chooses like any other.
TEST_F(ChooserVariantsTest, ASeasonWithAnApostropheWorks)
{
    const int beta06 =
        AddCompetition(Dm().Kathgories.Lookup("GrName", {"Β Εθνική"}, "KatNo").toInt(), "2006'07", 4);
    Remember("Β Εθνική", "2006'07");
    messages.Clear();
    auto chooser = Chooser(Rules::TeamForm());
    FillComplete(*chooser);
    EXPECT_EQ(chooser->Choice(), (CompetitionChoice{"Β Εθνική", "2006'07"}));
    chooser->FillSeasonCategories();
    EXPECT_EQ(Items(chooser->DiorgCombo), QStringList{"Β Εθνική"});
    chooser->FillCategorySeasons();
    EXPECT_EQ(Items(chooser->PeriodCombo), (QStringList{"2005-06", "2006'07"}));
    chooser->show();
    chooser->DiorgComboChange();
    EXPECT_EQ(CurrentDNo(), beta06);
    EXPECT_EQ(messages.Count(), 0);
}
