#include "analysis/history_engine.h"
#include "analysis/proistoria_fixture.h"
#include "support/qstring_printer.h"

#include <QMap>

#include <gtest/gtest.h>

#include <utility>

using namespace tav::analysis;

namespace {

// A matchday of eight league matches on 6 March 2005 and the earlier meetings of their clubs in
// three league seasons, a cup, the matchday's own date and later.
class HistoryEngineTest : public ProistoriaTest
{
protected:
    void SetUp() override
    {
        ProistoriaTest::SetUp();
        const int greece = AddCountry("Ελλάδα");
        const int league01 = AddCompetition(greece, "Α 01", "2001-02", 0);
        const int league02 = AddCompetition(greece, "Α 02", "2002-03", 0);
        const int league03 = AddCompetition(greece, "Α 03", "2003-04", 0);
        const int cup00 = AddCompetition(greece, "Κύπελλο", "2000-01", 1);
        league04_ = AddCompetition(greece, "Α 04", "2004-05", 0);
        for (int i = 1; i <= 16; ++i)
            clubs_.append(AddClub(greece, QString("Κ%1").arg(i, 2, 10, QChar('0'))));
        const QDate day(2005, 3, 6);
        for (int k = 0; k < 8; ++k)
            Meet(league04_, 10, 2 * k, 2 * k + 1, day, k == 0 ? QVariant(1) : QVariant(),
                 k == 0 ? QVariant(0) : QVariant());
        // Pair 1: the forward meetings found newest first, so the seasons come out of order.
        Meet(league01, 3, 0, 1, {2001, 10, 7}, 2, 1);
        Meet(league02, 4, 1, 0, {2002, 10, 13}, 0, 0);
        Meet(league03, 5, 0, 1, {2003, 11, 2}, 1, 3);
        // Pair 2: a cup meeting.
        Meet(cup00, 1, 2, 3, {2001, 1, 10}, 4, 0);
        // Pair 3: the reverse meeting on the match date and one before it.
        Meet(league04_, 11, 5, 4, day, 2, 2);
        Meet(league02, 6, 5, 4, {2002, 11, 3}, 2, 1);
        // Pair 4: two meetings of one season.
        Meet(league02, 3, 6, 7, {2002, 9, 10}, 1, 0);
        Meet(league02, 20, 6, 7, {2003, 2, 10}, 3, 3);
        // Pair 5: a meeting, but the match has lost its date.
        Meet(league01, 7, 8, 9, {2001, 12, 2}, 2, 0);
        undated_ = gameNos_.at(4);
        // Pair 6: a meeting without a result.
        Meet(league03, 8, 10, 11, {2003, 12, 7});
        // Pair 8: one meeting before the match and one after it.
        Meet(league03, 9, 14, 15, {2004, 1, 11}, 0, 2);
        Meet(league04_, 15, 14, 15, {2005, 4, 20}, 3, 0);
        Rows("UPDATE Agvnes SET Date = NULL WHERE GameNo = ?1", {undated_});
        Dm().Agvnes.Refresh();
        Dm().Agvnes.SetFilter(QString("DiorgNo = %1 and Agvnistikh = 10").arg(league04_));
        Dm().Agvnes.SetFiltered(true);
    }

    // A match between clubs a and b (indexes) entered into the competition as they are needed.
    void Meet(int dNo, int day, int a, int b, const QDate &date, const QVariant &home = {},
              const QVariant &away = {})
    {
        gameNos_.append(AddMatch(dNo, day, Team(dNo, a), Team(dNo, b), date, home, away));
    }

    int Team(int dNo, int club)
    {
        const auto key = std::make_pair(dNo, club);
        if (!teams_.contains(key))
            teams_[key] = Enter(dNo, clubs_.at(club));
        return teams_[key];
    }

    int league04_ = 0;
    int undated_ = 0;
    QList<int> clubs_;
    QList<int> gameNos_;
    QMap<std::pair<int, int>, int> teams_;
};

TEST_F(HistoryEngineTest, TheGridHoldsTwoRowsPerMatchAndOneColumnPerSeason)
{
    const THistoryRows rows = THistoryEngine(Dm()).ComputeHistory(ReadHistoryMatches(Dm().Agvnes));
    const QStringList seasons = HistorySeasons(rows);
    EXPECT_EQ(seasons, QStringList({"2001-02", "2002-03", "2003-04"}));
    const std::vector<QStringList> grid = HistoryGrid(rows, seasons);
    const std::vector<QStringList> expected = {
        {"", "2001-02", "2002-03", "2003-04", "N", "I", "H", "ΓΥ", "ΓΚ", "Σκόρ"},
        // The match without date, listed first, has no meetings.
        {"Κ09 - Κ10", "-", "-", "-", "0", "0", "0", "0", "0", "? - ?"},
        {"Κ10-Κ09", "-", "-", "-", "0", "0", "0", "0", "0", ""},
        {"Κ01 - Κ02", " 2- 1", "-", " 1- 3", "1", "0", "1", "3", "4", " 1- 0"},
        {"Κ02-Κ01", "-", " 0- 0", "-", "0", "1", "0", "0", "0", ""},
        // The cup meeting does not count for a league match.
        {"Κ03 - Κ04", "-", "-", "-", "0", "0", "0", "0", "0", "? - ?"},
        {"Κ04-Κ03", "-", "-", "-", "0", "0", "0", "0", "0", ""},
        // The reverse meeting on the match date does not count.
        {"Κ05 - Κ06", "-", "-", "-", "0", "0", "0", "0", "0", "? - ?"},
        {"Κ06-Κ05", "-", " 2- 1", "-", "1", "0", "0", "2", "1", ""},
        // Both meetings of 2002-03 count; the cell shows the older, found last.
        {"Κ07 - Κ08", "-", " 1- 0", "-", "1", "1", "0", "4", "3", "? - ?"},
        {"Κ08-Κ07", "-", "-", "-", "0", "0", "0", "0", "0", ""},
        // The meeting without a result is no draw: it is left out.
        {"Κ11 - Κ12", "-", "-", "-", "0", "0", "0", "0", "0", "? - ?"},
        {"Κ12-Κ11", "-", "-", "-", "0", "0", "0", "0", "0", ""},
        {"Κ13 - Κ14", "-", "-", "-", "0", "0", "0", "0", "0", "? - ?"},
        {"Κ14-Κ13", "-", "-", "-", "0", "0", "0", "0", "0", ""},
        // The meeting after the match date is never reached.
        {"Κ15 - Κ16", "-", "-", " 0- 2", "0", "0", "1", "0", "2", "? - ?"},
        {"Κ16-Κ15", "-", "-", "-", "0", "0", "0", "0", "0", ""},
    };
    ASSERT_EQ(grid.size(), 17u);
    for (std::size_t r = 0; r < expected.size(); ++r) {
        EXPECT_EQ(grid[r].size(), 10) << "row " << r;
        EXPECT_EQ(grid[r], expected[r]) << "row " << r;
    }
}

THistoryEntry Entry(const THistoryRows &rows, const QString &title)
{
    for (const THistoryEntry &entry : rows)
        if (entry.Title == title)
            return entry;
    ADD_FAILURE() << "no entry " << title.toStdString();
    return {};
}

TEST_F(HistoryEngineTest, ForwardMeetingsComeNewestFirstAndReverseOnesOldestFirst)
{
    Rows("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, TelGGoals, TelFGoals, "
         "Date, GTeamNo, FTeamNo) SELECT DiorgNo, 30, Filojenoymenh, Ghpedoyxos, 0, 4, 4, '2003-04-01', "
         "FTeamNo, GTeamNo FROM Agvnes WHERE GTeamNo = ?1 AND FTeamNo = ?2 AND Date = '2002-10-13'",
         {clubs_.at(1), clubs_.at(0)});
    // Entered after the meeting of the same date: the newer of the two.
    Rows("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, TelGGoals, TelFGoals, "
         "Date, GTeamNo, FTeamNo) SELECT DiorgNo, 31, Ghpedoyxos, Filojenoymenh, 0, 5, 5, Date, GTeamNo, "
         "FTeamNo FROM Agvnes WHERE GTeamNo = ?1 AND FTeamNo = ?2 AND Date = '2003-11-02'",
         {clubs_.at(0), clubs_.at(1)});
    const THistoryRows rows = THistoryEngine(Dm()).ComputeHistory(ReadHistoryMatches(Dm().Agvnes));
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(Entry(rows, "Κ01 - Κ02").Meetings,
              std::vector<THistoryMeeting>(
                  {{" 5- 5", "2003-04"}, {" 1- 3", "2003-04"}, {" 4- 4", "2002-03"}, {" 2- 1", "2001-02"}}));
    EXPECT_EQ(Entry(rows, "Κ02-Κ01").Meetings, std::vector<THistoryMeeting>({{" 0- 0", "2002-03"}}));
    EXPECT_EQ(Entry(rows, "Κ07 - Κ08").Meetings,
              std::vector<THistoryMeeting>({{" 3- 3", "2002-03"}, {" 1- 0", "2002-03"}}));
}

TEST_F(HistoryEngineTest, AnEmptyListGivesNoRowsAndTheHeadingsOnly)
{
    const THistoryRows rows = THistoryEngine(Dm()).ComputeHistory({});
    EXPECT_TRUE(rows.empty());
    EXPECT_TRUE(HistorySeasons(rows).isEmpty());
    EXPECT_EQ(HistoryGrid(rows, {}), std::vector<QStringList>({{"", "N", "I", "H", "ΓΥ", "ΓΚ", "Σκόρ"}}));
}

} // namespace

namespace {

TEST(RetitleHistoryTest, TitlesFollowTheListedNamesAndNeverGoPastTheEntries)
{
    THistoryRows rows(4);
    rows[0].Title = "Α - Β";
    rows[1].Title = "Β-Α";
    rows[2].Title = "Γ - Δ";
    rows[3].Title = "Δ-Γ";
    THistoryListedMatch first;
    first.Teams = "Olympiakos Piraeus - Panathinaikos";
    first.HomeName = "Olympiakos Piraeus";
    first.AwayName = "Panathinaikos";
    THistoryListedMatch second = first;
    second.Teams = "AEK - PAOK";
    second.HomeName = "AEK";
    second.AwayName = "PAOK";
    RetitleHistory(rows, {first, second, first});
    EXPECT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].Title, QString("Olympiakos Piraeus - Panathinaikos").left(HistoryTitleLength));
    EXPECT_EQ(rows[1].Title, QString("Panathinaikos - Olympiakos Piraeus").left(HistoryTitleLength));
    EXPECT_EQ(rows[2].Title, "AEK - PAOK");
    EXPECT_EQ(rows[3].Title, "PAOK - AEK");
    // Fewer listed matches than entries: the rest keep their titles.
    RetitleHistory(rows, {second});
    EXPECT_EQ(rows[2].Title, "AEK - PAOK");
    EXPECT_EQ(rows[0].Title, "AEK - PAOK");
}

} // namespace
