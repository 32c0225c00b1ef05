#include "coupons/opap_update.h"

#include "coupons/kup_file.h"
#include "kup_test_files.h"
#include "platform/core/paths.h"
#include "support/data_module_test_base.h"

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

class OpapUpdateTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        const int country = AddCountry("Αγγλία");
        Post(Dm().Kathgories, {{"GrName", "Πρέμιερ"}, {"Kratos", country}, {"OPAP", "ΑΓΓ"}, {"Typos", 0}});
        const int katNo = Dm().Kathgories.FieldByName("KatNo").AsInteger();
        older_ = AddCompetition(katNo, "2003-2004", 4);
        newer_ = AddCompetition(katNo, "2004-2005", 4, 4);
        const int arsenal = Team(country, "Άρσεναλ", "ARSENAL");
        const int chelsea = Team(country, "Τσέλσι", "CHELSEA");
        Team(country, "Λίβερπουλ", "");
        for (int dNo : {older_, newer_}) {
            home_[dNo] = AddCompetitionTeam(dNo, arsenal);
            away_[dNo] = AddCompetitionTeam(dNo, chelsea);
        }
    }

    int Team(int country, const QString &name, const QString &opapName)
    {
        const int teamNo = AddTeam(country, name, name);
        EXPECT_TRUE(Dm().Omades.Edit());
        Dm().Omades.FieldByName("OPAPName").SetAsString(opapName);
        EXPECT_TRUE(Dm().Omades.Post());
        return teamNo;
    }

    int Match(int dNo, int day, const QDate &date, const QVariant &home = {}, const QVariant &away = {})
    {
        return AddMatch(dNo, day, home_[dNo], away_[dNo], date, home, away);
    }

    static QStringList Row(const QString &code, const QString &diorg, const QString &date,
                           const QString &home, const QString &away, const QString &score = {})
    {
        return {code, diorg, date, "17:30", home, away, "1,85", "3,20", "4.10", score};
    }

    // The stored coupon number, date, odds and score of a match.
    QVariantList Stored(int gameNo)
    {
        const QList<QVariantList> rows = Rows(
            "select OPAPAr, \"Date\", AP1, AP2, TelGGoals, TelFGoals, \"Time\" from Agvnes where GameNo = ?1",
            {gameNo});
        return rows.value(0);
    }

    TOpapResult Run(QList<QStringList> &rows, const QStringList &seasons, const QDate &from)
    {
        TOpapCallbacks callbacks;
        callbacks.started = [this](int maximum, const QString &) { maximum_ = maximum; };
        callbacks.groupStarted = [this](const QString &code) { groups_.append(code); };
        callbacks.stepped = [] { return false; };
        callbacks.cancelled = [] { return false; };
        callbacks.chooseMatch = [this](TQuery &candidates, const QString &caption) {
            captions_.append(caption);
            candidatesSeen_ = candidates.RecordCount();
            if (pick_ < 0)
                return false;
            candidates.SetRecNo(pick_ + 1);
            return true;
        };
        callbacks.chooseScore = [this](const TOpapScoreQuestion &question) {
            questions_.append(question);
            return answer_;
        };
        TOpapUpdate update(Dm(), callbacks);
        return update.Run(rows, seasons, QDateTime(from, QTime(0, 0)));
    }

    int older_ = 0;
    int newer_ = 0;
    QMap<int, int> home_;
    QMap<int, int> away_;
    int maximum_ = 0;
    QStringList groups_;
    QStringList captions_;
    int candidatesSeen_ = 0;
    int pick_ = 0;
    TOpapScoreAnswer answer_ = TOpapScoreAnswer::Stored;
    QList<TOpapScoreQuestion> questions_;
};

TEST(OpapRows, GroupsOddsAndScores)
{
    const QList<QStringList> rows = {{"1", "A"}, {"2", " A "}, {"3", "B"}};
    const QList<TOpapGroup> groups = OpapGroups(rows);
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups[0].first, 0);
    EXPECT_EQ(groups[0].last, 1);
    EXPECT_EQ(groups[1].code, "B");
    EXPECT_EQ(OpapOddsText("1.85"), "1,85");
    EXPECT_EQ(OpapOddsText("  "), "1");
    EXPECT_FALSE(ParseOpapScore(" "));
    EXPECT_FALSE(ParseOpapScore("2-"));
    ASSERT_TRUE(ParseOpapScore("2 - 1"));
    EXPECT_EQ(ParseOpapScore(" 2 - 1 ")->home, 2);
    EXPECT_EQ(ParseOpapScore("2-1")->away, 1);
    EXPECT_THROW(ParseOpapScore("x-1"), EConvertError);
}

TEST(OpapRows, SortLeavesBlankCodesInPlace)
{
    QList<QStringList> rows = {{"1", "Β"}, {"2", "Α"}, {"3", "Γ"}, {"4", "Α"}};
    SortGridRows(rows, OpapDiorg);
    QStringList order;
    for (const QStringList &row : rows)
        order.append(row[0]);
    EXPECT_EQ(order, QStringList({"2", "4", "1", "3"}));
}

TEST_F(OpapUpdateTest, LoadsTheCouponAndStoresCodeDateTimeAndOdds)
{
    const int game = Match(older_, 1, QDate(2004, 3, 6));
    TKupRow row = KupRow("101", QDate(2004, 3, 6), "17:30", "ΑΓΓ", "ARSENAL", "CHELSEA");
    row.Odd1 = "1.85";
    row.OddX = "3,20";
    row.Odd2 = "";
    const QString path = JoinPath(ProgramFolder(), "5_20040306_20040308.kup");
    WriteBytes(path, KupBytes(row, 38052.0, 38054.0, 5) +
                         KupBytes(KupRow("102", QDate(2004, 3, 6), "", "", "LIVERPOOL", "X")));
    TOpapLoad load = LoadKupGrid(path);
    ASSERT_FALSE(load.failed);
    ASSERT_EQ(load.rows.size(), 2);
    EXPECT_EQ(load.rows[0][OpapOdd1], "1,85");
    EXPECT_EQ(load.rows[0][OpapOdd2], "1");
    EXPECT_EQ(load.rows[1][OpapDiorg], "ΑΓΓ");
    EXPECT_EQ(load.rows[1][OpapTime], "17:30");

    const TOpapResult result = Run(load.rows, {"2003-2004"}, load.dateFrom.date());

    EXPECT_EQ(result.outcome, TOpapOutcome::Done) << result.error.toStdString();
    EXPECT_EQ(maximum_, 2);
    const QVariantList stored = Stored(game);
    EXPECT_EQ(stored[0].toInt(), 101);
    EXPECT_DOUBLE_EQ(stored[2].toDouble(), 1.85);
    EXPECT_DOUBLE_EQ(stored[3].toDouble(), 1.0);
    EXPECT_TRUE(stored[6].toString().startsWith("17:30")) << stored[6].toString().toStdString();
}

TEST_F(OpapUpdateTest, TwoCodesMakeTwoGroupsAndAnUnknownTeamIsPassedOver)
{
    const int game = Match(older_, 1, QDate(2004, 3, 6));
    QList<QStringList> rows = {Row("1", "ΑΓΓ", "06/03/2004", "LIVERPOOL", "CHELSEA"),
                               Row("2", "ΑΓΓ", "06/03/2004", "ARSENAL", "CHELSEA"),
                               Row("3", "ΙΤΑ", "06/03/2004", "ARSENAL", "CHELSEA")};
    EXPECT_EQ(Run(rows, {"2003-2004"}, QDate(2004, 3, 6)).outcome, TOpapOutcome::Done);
    EXPECT_EQ(maximum_, 3);
    EXPECT_EQ(groups_, QStringList({"ΑΓΓ", "ΙΤΑ"}));
    EXPECT_EQ(Stored(game)[0].toInt(), 2);
    EXPECT_EQ(rows[0][OpapOdd2], "4.10");
    EXPECT_EQ(rows[1][OpapOdd2], "4,10");
}

struct ScoreCase
{
    const char *coupon;
    QVariant storedHome;
    QVariant storedAway;
    TOpapScoreAnswer answer;
    int questions;
    QVariant home;
    QVariant away;
    bool written;
};

TEST_F(OpapUpdateTest, TheScoreDecision)
{
    const ScoreCase cases[] = {
        {"", 2, 1, TOpapScoreAnswer::Coupon, 0, 2, 1, true},
        {"2-1", 2, 1, TOpapScoreAnswer::Coupon, 0, 2, 1, true},
        {"2 - 1", 2, 1, TOpapScoreAnswer::Coupon, 0, 2, 1, true},
        {"2-1", {}, {}, TOpapScoreAnswer::Stored, 0, 2, 1, true},
        {"2-1", 1, 1, TOpapScoreAnswer::Stored, 1, 1, 1, true},
        {"2-1", 1, 1, TOpapScoreAnswer::Coupon, 1, 2, 1, true},
        {"2-1", 1, 1, TOpapScoreAnswer::Cancel, 1, 1, 1, false},
    };
    int day = 1;
    for (const ScoreCase &one : cases) {
        SCOPED_TRACE(one.coupon);
        const int game = Match(older_, day++, QDate(2004, 3, 6), one.storedHome, one.storedAway);
        QList<QStringList> rows = {Row("7", "ΑΓΓ", "06/03/2004", "ARSENAL", "CHELSEA", one.coupon)};
        questions_.clear();
        answer_ = one.answer;
        EXPECT_EQ(Run(rows, {"2003-2004"}, QDate(2004, 3, 6)).outcome, TOpapOutcome::Done);
        EXPECT_EQ(questions_.size(), one.questions);
        const QVariantList stored = Stored(game);
        EXPECT_EQ(stored[4], one.home);
        EXPECT_EQ(stored[5], one.away);
        EXPECT_EQ(stored[0].isNull(), !one.written);
        if (one.questions > 0) {
            EXPECT_EQ(questions_[0].coupon, "ΣΚΟΡ ΟΠΑΠ -> 2-1");
            EXPECT_EQ(questions_[0].stored, "ΣΚΟΡ TAVROLIN -> 1-1");
            EXPECT_EQ(questions_[0].match, "ΑΓΓ->ARSENAL-CHELSEA");
        }
        ASSERT_TRUE(Dm().Agvnes.Locate("GameNo", {game}));
        ASSERT_TRUE(Dm().Agvnes.Delete());
    }
}

TEST_F(OpapUpdateTest, RepeatedPairsTakeTheMatchNearTheCouponDate)
{
    const int near = Match(newer_, 20, QDate(2005, 3, 11));
    const int far = Match(newer_, 3, QDate(2004, 8, 18));
    QList<QStringList> rows = {Row("9", "ΑΓΓ", "06/03/2005", "ARSENAL", "CHELSEA")};
    EXPECT_EQ(Run(rows, {"2004-2005"}, QDate(2005, 3, 6)).outcome, TOpapOutcome::Done);
    EXPECT_TRUE(captions_.isEmpty());
    EXPECT_EQ(Stored(near)[0].toInt(), 9);
    EXPECT_TRUE(Stored(far)[0].isNull());

    // None within seven days: every meeting of the pair is offered.
    rows = {Row("10", "ΑΓΓ", "06/01/2005", "ARSENAL", "CHELSEA", "0-0")};
    pick_ = 1;
    EXPECT_EQ(Run(rows, {"2004-2005"}, QDate(2005, 1, 6)).outcome, TOpapOutcome::Done);
    ASSERT_EQ(captions_.size(), 1);
    EXPECT_EQ(candidatesSeen_, 2);
    EXPECT_EQ(captions_[0], "ΑΓΓ-->ARSENAL-CHELSEA -  ΣΚΟΡ ΟΠΑΠ -> 0-0");
    EXPECT_EQ(Stored(near)[0].toInt() + Stored(far)[0].toInt(), 19);

    // Cancelling the choice writes nothing.
    rows = {Row("11", "ΑΓΓ", "06/06/2005", "ARSENAL", "CHELSEA")};
    pick_ = -1;
    EXPECT_EQ(Run(rows, {"2004-2005"}, QDate(2005, 6, 6)).outcome, TOpapOutcome::Done);
    EXPECT_EQ(captions_.size(), 2);
    EXPECT_NE(Stored(near)[0].toInt(), 11);
    EXPECT_NE(Stored(far)[0].toInt(), 11);
}

TEST_F(OpapUpdateTest, TheSeasonsDecideTheCompetition)
{
    const int old = Match(older_, 1, QDate(2004, 3, 6));
    const int recent = Match(newer_, 20, QDate(2005, 3, 6));
    QList<QStringList> rows = {Row("4", "ΑΓΓ", "06/03/2005", "ARSENAL", "CHELSEA")};
    EXPECT_EQ(Run(rows, {"2003-2004"}, QDate(2005, 3, 6)).outcome, TOpapOutcome::OtherSeason);
    EXPECT_EQ(Run(rows, {}, QDate(2005, 3, 6)).outcome, TOpapOutcome::NoSeason);
    EXPECT_TRUE(Stored(old)[0].isNull());
    EXPECT_TRUE(Stored(recent)[0].isNull());

    EXPECT_EQ(Run(rows, {"2004-2005", "2003-2004"}, QDate(2005, 3, 6)).outcome, TOpapOutcome::Done);
    EXPECT_TRUE(Stored(old)[0].isNull());
    EXPECT_EQ(Stored(recent)[0].toInt(), 4);
}

TEST_F(OpapUpdateTest, AnErrorStopsTheUpdateAndCancelsTheMatchInHand)
{
    const int game = Match(older_, 1, QDate(2004, 3, 6));
    QList<QStringList> rows = {Row("5", "ΑΓΓ", "06/03/2004", "ARSENAL", "CHELSEA"),
                               Row("6", "ΑΓΓ", "06/03/2004", "ARSENAL", "CHELSEA", "x-1")};
    const TOpapResult result = Run(rows, {"2003-2004"}, QDate(2004, 3, 6));
    EXPECT_EQ(result.outcome, TOpapOutcome::Failed);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(Dm().Agvnes.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Stored(game)[0].toInt(), 5);
}

} // namespace
