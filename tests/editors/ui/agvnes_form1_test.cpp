#include "editors/reference_editors_fixture.h"
#include "editors/ui/agvnes_form1.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_navigator.h"
#include "support/qstring_printer.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QToolButton>

namespace {

// A league of six teams (three matches a matchday) whose current matchday is 5: matchdays 1 to 5
// have goals, matchday 6 is not played yet. One match of matchday 2 was put off and one of
// matchday 5 has no result yet; a second competition has unplayed matches of its own.
class AgvnesForm1Test : public ReferenceEditorsTest
{
protected:
    void SetUp() override
    {
        ReferenceEditorsTest::SetUp();
        form_ = AgvnesForm1();
        const int country = AddCountry("Ελλάδα");
        dNo_ = AddCompetition(AddCategory("Α Εθνική", country), "2004-05", 6);
        for (int i = 1; i <= 6; ++i)
            teams_.append(AddCompetitionTeam(
                dNo_, AddTeam(country, QString("Ομάδα %1").arg(i), QString("T%1").arg(i))));
        for (int day = 1; day <= 6; ++day) {
            const QDate date = QDate(2004, 9, 5).addDays(7 * (day - 1));
            for (int match = 0; match < 3; ++match) {
                const bool unplayed = day == 6 || (day == 2 && match == 1) || (day == 5 && match == 2);
                const int game =
                    AddMatch(dNo_, day, teams_.at(2 * match), teams_.at(2 * match + 1), date,
                             unplayed ? QVariant() : QVariant(1), unplayed ? QVariant() : QVariant(0));
                if (unplayed && day < 6)
                    unplayed_.append(game);
            }
        }
        const int other = AddCompetition(AddCategory("Β Εθνική", country), "2004-05", 2);
        const int home = AddCompetitionTeam(other, AddTeam(country, "Άλλη 1", "O1"));
        const int away = AddCompetitionTeam(other, AddTeam(country, "Άλλη 2", "O2"));
        AddMatch(other, 1, home, away, QDate(2004, 9, 5));
        messages_.Clear();
    }
    void TearDown() override
    {
        form_->hide();
        ReferenceEditorsTest::TearDown();
    }

    // The competitions summary with its cursor on the league, as a double click there leaves it.
    void ChooseInSummary()
    {
        TQuery &summary = Dm().DShowQuery;
        summary.Close();
        summary.Prepare();
        summary.ParamByName("CurrPeriod").SetAsString("2004-05");
        summary.Open();
        ASSERT_TRUE(summary.Locate("DNo", {dNo_}));
        ASSERT_EQ(summary.FieldByName("Agvnistikh").AsInteger(), 5);
        Dm().Agvnes.SetFilter(QString());
        Dm().Agvnes.SetFiltered(false);
        Dm().Agvnes.CancelRange();
    }

    QList<int> ShownGames()
    {
        QList<int> games;
        const int field = Dm().Agvnes.FieldByName("GameNo").Index();
        for (int row = 0; row < form_->DBGrid1->Model().rowCount(); ++row)
            games << Dm().Agvnes.ValueAt(row, field).toInt();
        return games;
    }

    TAgvnesForm1 *form_ = nullptr;
    int dNo_ = 0;
    QList<int> teams_;
    QList<int> unplayed_;
};

TEST(AgvnesForm1Filter, NamesTheCompetitionTheMatchdayAndTheMissingResult)
{
    EXPECT_EQ(UnplayedMatchesFilter("12", "5"),
              "(DiorgNo = 12) AND (Agvnistikh <= 5) AND (TelGGoals = null)");
    EXPECT_EQ(UnplayedMatchesFilter("", ""), "DiorgNo = null");
}

TEST_F(AgvnesForm1Test, ShowsTheUnplayedMatchesUpToTheCurrentMatchdayIncludingPutOffOnes)
{
    ChooseInSummary();

    form_->show();

    EXPECT_EQ(form_->windowTitle(), "Ενημέρωση Αποτελεσμάτων");
    EXPECT_EQ(ShownGames(), unplayed_);
    EXPECT_EQ(form_->DBGrid1->CellText(0, 0), "2");
    EXPECT_EQ(form_->DBGrid1->CellText(0, 4), "Ομάδα 3");
    EXPECT_EQ(form_->DBGrid1->CellText(0, 5), "Ομάδα 4");
    EXPECT_EQ(form_->DBGrid1->CellText(1, 0), "5");
    EXPECT_EQ(Dm().Diorganvseis.RecordCount(), 1);
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), dNo_);
    EXPECT_EQ(Dm().POmades.Filter(), "");
    const QStringList captions = {"Αγωνιστική",    "Όμιλος",  "Ημερομηνία", "Ώρα", "Γηπεδούχος",
                                  "Φιλοξενούμενη", "ΤΓ (Ημ)", "ΤΦ (Ημ)",    "ΤΓ",  "ΤΦ"};
    ASSERT_EQ(form_->DBGrid1->Columns().Count(), captions.size());
    for (int i = 0; i < captions.size(); ++i)
        EXPECT_EQ(form_->DBGrid1->Columns()[i].Caption(), captions.at(i));
    EXPECT_EQ(form_->DBNavigator1->VisibleButtons(),
              TButtonSet({nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbEdit, nbPost, nbCancel, nbRefresh}));
}

TEST_F(AgvnesForm1Test, AResultTypedInTheGridIsStoredAndTheMatchLeavesTheList)
{
    ChooseInSummary();
    form_->show();
    ASSERT_TRUE(Dm().Agvnes.Locate("GameNo", {unplayed_.at(1)}));

    const QList<std::pair<int, QString>> typed = {{3, "18:30"}, {6, "1"}, {7, "1"}, {8, "2"}, {9, "1"}};
    for (const auto &[column, text] : typed)
        form_->DBGrid1->Model().SetCellText(column, text);
    form_->DBNavigator1->Button(nbPost)->click();

    EXPECT_EQ(messages_.Count(), 0);
    const QList<QVariantList> stored = Rows(
        R"(SELECT "Time", "HmGGoals", "HmFGoals", "TelGGoals", "TelFGoals" FROM "Agvnes" WHERE "GameNo" = ?1)",
        {unplayed_.at(1)});
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.at(0), QVariantList({"18:30:00", 1, 1, 2, 1}));
    EXPECT_EQ(ShownGames(), QList<int>({unplayed_.at(0)}));
}

TEST_F(AgvnesForm1Test, AMatchWithoutDateIsNotStored)
{
    ChooseInSummary();
    form_->show();
    ASSERT_TRUE(Dm().Agvnes.Locate("GameNo", {unplayed_.at(0)}));

    form_->DBGrid1->Model().SetCellText(8, "3");
    form_->DBGrid1->Model().SetCellText(2, "");
    form_->DBNavigator1->Button(nbPost)->click();

    ASSERT_EQ(messages_.Count(), 1);
    EXPECT_EQ(messages_.Last().text, "Η Ημερομηνία είναι υποχρεωτικό πεδίο για την αποθήκευση!");
    EXPECT_TRUE(Rows(R"(SELECT "TelGGoals" FROM "Agvnes" WHERE "GameNo" = ?1)", {unplayed_.at(0)})
                    .value(0)
                    .value(0)
                    .isNull());
}

TEST_F(AgvnesForm1Test, AWronglyEnteredTeamIsCorrectedInItsCell)
{
    ChooseInSummary();
    form_->show();
    ASSERT_TRUE(Dm().Agvnes.Locate("GameNo", {unplayed_.at(0)}));

    for (int column : {4, 5}) {
        form_->DBGrid1->SetSelectedIndex(column);
        QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
        QApplication::sendEvent(form_->DBGrid1, &f2);
        ASSERT_TRUE(form_->DBGrid1->EditorMode()) << "the team cell opens for typing: column " << column;
        auto *list = form_->DBGrid1->viewport()->findChild<QComboBox *>();
        ASSERT_NE(list, nullptr) << "a team is chosen from a list";
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(list, &escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The match was entered the wrong way round.
    form_->DBGrid1->Model().SetCellText(4, "Ομάδα 4");
    form_->DBGrid1->Model().SetCellText(5, "Ομάδα 3");
    form_->DBNavigator1->Button(nbPost)->click();

    EXPECT_EQ(messages_.Count(), 0) << messages_.Texts().join('\n').toStdString();
    const QList<QVariantList> stored = Rows(
        R"(SELECT "Ghpedoyxos", "Filojenoymenh", "GTeamNo", "FTeamNo" FROM "Agvnes" WHERE "GameNo" = ?1)",
        {unplayed_.at(0)});
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored.at(0).at(0).toInt(), teams_.at(3));
    EXPECT_EQ(stored.at(0).at(1).toInt(), teams_.at(2));
    EXPECT_EQ(stored.at(0).at(2).toInt(), Count(R"(SELECT "TeamNo" FROM "Omades" WHERE "Name" = 'Ομάδα 4')"));
    EXPECT_EQ(stored.at(0).at(3).toInt(), Count(R"(SELECT "TeamNo" FROM "Omades" WHERE "Name" = 'Ομάδα 3')"));
    EXPECT_EQ(form_->DBGrid1->CellText(form_->DBGrid1->Row(), 4), "Ομάδα 4");
}

TEST_F(AgvnesForm1Test, ClosingLeavesTheMatchesAndCompetitionsUnfiltered)
{
    ChooseInSummary();
    form_->show();
    ASSERT_TRUE(Dm().Agvnes.Locate("GameNo", {unplayed_.at(0)}));
    form_->DBGrid1->Model().SetCellText(8, "3"); // left pending: stored on the way out

    form_->close();

    for (TDataSet *dataSet :
         {static_cast<TDataSet *>(&Dm().Agvnes), static_cast<TDataSet *>(&Dm().Diorganvseis)}) {
        EXPECT_EQ(dataSet->Filter(), "");
        EXPECT_FALSE(dataSet->Filtered());
        EXPECT_EQ(dataSet->State(), TDataSetState::dsBrowse);
    }
    EXPECT_EQ(Dm().Agvnes.RecordCount(), 19);
    EXPECT_EQ(Rows(R"(SELECT "TelGGoals" FROM "Agvnes" WHERE "GameNo" = ?1)", {unplayed_.at(0)})
                  .value(0)
                  .value(0)
                  .toInt(),
              3);
}

TEST_F(AgvnesForm1Test, WithoutACompetitionRowTheListIsEmpty)
{
    Dm().DShowQuery.Close();

    form_->show();

    EXPECT_EQ(form_->DBGrid1->Model().rowCount(), 0);
}

} // namespace
