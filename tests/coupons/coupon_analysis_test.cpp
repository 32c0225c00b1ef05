#include "coupons/analysis_grid.h"
#include "coupons/analysis_math.h"
#include "coupons/coupon_analysis.h"
#include "coupons/neighbour_estimate.h"
#include "platform/db/sqlite_statement.h"
#include "support/data_module_test_base.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace tav::coupons;

namespace {

QStringList Cells(const QStringList &row, int first, int count = 3)
{
    return row.mid(first, count);
}

TEST(CouponAnalysisMath, HelpersKeepZeroFromDividingOrVanishing)
{
    EXPECT_EQ(NonZeroOrOneInt(0), 1);
    EXPECT_EQ(NonZeroOrOneInt(-4), -4);
    EXPECT_EQ(SignOrOne(0), 1);
    EXPECT_EQ(SignOrOne(-3), -1);
    EXPECT_EQ(SignOrOne(2), 1);
    EXPECT_EQ(NonZeroOrOne(0), 1);
    EXPECT_EQ(NonZeroOrOne(2.5F), 2.5F);
    for (const float Y : {-2.0F, 0.0F, 3.5F})
        EXPECT_EQ(PowerXY(0, Y), 1);
    EXPECT_FLOAT_EQ(PowerXY(4, 0.5F), 2);
    EXPECT_FLOAT_EQ(PowerXY(0.25F, -1), 4);
    EXPECT_EQ(MaxByte(7, 7), 7);
    EXPECT_EQ(MaxByte(3, 200), 200);
    EXPECT_EQ(MaxByte(255, 0), 255);
}

TEST(CouponAnalysisMath, FormEstimateRaisesTheDrawsToAFloor)
{
    const struct
    {
        TFormCounts home;
        TFormCounts away;
        QList<int> percent;
    } cases[] = {
        // Nine home wins, and nine away defeats (the home side won): R = 19, the draws rise to 8.
        {{9, 0, 0}, {9, 0, 0}, {68, 28, 4}},
        {{}, {}, {33, 34, 33}},
        // Level wins: R = 1, the draws rise to half of the wins.
        {{2, 2, 0}, {1, 1, 0}, {33, 34, 33}},
        {{0, 9, 0}, {0, 9, 0}, {4, 28, 68}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormEstimate(c.home, c.away), c.percent);
}

TEST(CouponAnalysisMath, MeetingEstimateNeedsThreeMeetings)
{
    const struct
    {
        int H1, HX, H2;
        QStringList cells;
    } cases[] = {
        {3, 0, 0, {"90", "5", "10"}}, {0, 4, 0, {"25", "50", "30"}}, {1, 1, 1, {"33", "33", "33"}},
        {2, 0, 0, {"", "", ""}},      {0, 0, 0, {"", "", ""}},       {2, 1, 1, {"50", "25", "25"}},
        {0, 0, 3, {"5", "10", "90"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MeetingEstimate(c.H1, c.HX, c.H2), c.cells) << c.H1 << c.HX << c.H2;
}

TEST(CouponAnalysisMath, OddsImplyPercentagesThatSumTo100)
{
    EXPECT_EQ(OddsImpliedPercent(2.0, 3.2, 3.6), QList<int>({46, 29, 25}));
    EXPECT_EQ(OddsImpliedPercent(0, 0, 0), QList<int>({0, 100, 0}));
}

QStringList EmptyRow(bool extended = true)
{
    return QStringList(AnalysisColumnCount(extended), QString());
}

QStringList RowWith(const QStringList &form, const QStringList &meetings, const QStringList &neighbours)
{
    QStringList row = EmptyRow();
    for (int i = 0; i < 3; ++i) {
        row[AnForm1 + i] = form[i];
        row[AnMeet1 + i] = meetings.value(i);
        row[AnNear1 + i] = neighbours.value(i);
    }
    return row;
}

TEST(CouponAnalysisMath, AveragesTakeTheFilledEstimatesOnly)
{
    QStringList row = RowWith({"50", "30", "20"}, {"90", "5", "10"}, {});
    AverageEstimates(row);
    EXPECT_EQ(Cells(row, AnAvg1), QStringList({"70", "18", "15"}));

    row = RowWith({"33", "34", "33"}, {}, {});
    AverageEstimates(row);
    EXPECT_EQ(Cells(row, AnAvg1), QStringList({"33", "34", "33"}));

    const TEstimateCells cells = ReadEstimateCells(" ", "7,5", "");
    EXPECT_EQ(cells.count, 1);
    EXPECT_EQ(cells.values[1], 7.5);
}

TEST(CouponAnalysisMath, SignsFavourTheLargestWithTiesToTheEarlier)
{
    const struct
    {
        int p, q, r;
        QString sign;
    } cases[] = {{34, 33, 33, "1"}, {33, 33, 34, "2"}, {40, 40, 20, "1"},
                 {30, 40, 30, "X"}, {33, 33, 33, ""},  {20, 40, 40, "X"}};
    for (const auto &c : cases)
        EXPECT_EQ(TripleSign(c.p, c.q, c.r), c.sign) << c.p << "/" << c.q << "/" << c.r;
}

TEST(CouponAnalysisMath, AgreementNeedsAllThreeEstimatesOnOneSign)
{
    const struct
    {
        QStringList form, meetings, neighbours;
        int column;
    } cases[] = {
        {{"40", "35", "25"}, {"50", "30", "20"}, {"60", "20", "20"}, AnAvg1},
        {{"30", "40", "30"}, {"25", "50", "25"}, {"20", "60", "20"}, AnAvg1 + 1},
        {{"20", "30", "50"}, {"5", "5", "90"}, {"25", "25", "50"}, AnAvg1 + 2},
        {{"40", "35", "25"}, {"33", "33", "33"}, {"60", "20", "20"}, 0},
        {{"40", "35", "25"}, {}, {"60", "20", "20"}, 0},
        {{"40", "35", "25"}, {"50", "30", "20"}, {}, 0},
        {{"40", "35", "25"}, {"50", "30", "20"}, {"20", "60", "20"}, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PickSignByMax(RowWith(c.form, c.meetings, c.neighbours)), c.column);
}

// Six entries level on their adjustment, so that before the first matchday the tables keep the
// entries' order 1..6; the meetings counted around entry 1 at home and entry 2 away.
class NeighbourEstimateTest : public testing::Test
{
protected:
    static tav::analysis::TStandingsMatch Match(int day, int home, int away, std::optional<int> homeGoals,
                                                std::optional<int> awayGoals)
    {
        tav::analysis::TStandingsMatch match;
        match.DiorgNo = 5;
        match.Agvnistikh = day;
        match.Ghpedoyxos = home;
        match.Filojenoymenh = away;
        match.TelGGoals = homeGoals;
        match.TelFGoals = awayGoals;
        return match;
    }

    tav::analysis::TStandingsInputs Inputs(std::vector<tav::analysis::TStandingsMatch> matches)
    {
        tav::analysis::TStandingsInputs inputs;
        inputs.Competition.DNo = 5;
        for (int recNo = 1; recNo <= 6; ++recNo)
            inputs.Teams.push_back({recNo, 100 + recNo, {}, {}, 0, 0});
        inputs.Matches = std::move(matches);
        return inputs;
    }

    QStringList Estimate(std::vector<tav::analysis::TStandingsMatch> matches, int limit = 0)
    {
        TNeighbourCompetition competition(Inputs(std::move(matches)));
        QStringList row = EmptyRow();
        NeighbourEstimate(competition, limit, 1, 2, row);
        return Cells(row, AnNear1);
    }
};

TEST_F(NeighbourEstimateTest, FourResultsMakeAnEstimateThreeDoNot)
{
    // Below entry 1 at home: 3 and 4 against the away side; below entry 2 away: 1 hosting 3, 4.
    const std::vector<tav::analysis::TStandingsMatch> four = {Match(3, 3, 2, 2, 0), Match(4, 4, 2, 1, 1),
                                                              Match(5, 1, 3, 0, 1), Match(6, 1, 4, 3, 1)};
    EXPECT_EQ(Estimate(four), QStringList({"50", "25", "25"}));
    EXPECT_EQ(Estimate({four.begin(), four.begin() + 3}), QStringList({"", "", ""}));
    // An unplayed pairing counts nothing; the search goes on to the next neighbour.
    std::vector<tav::analysis::TStandingsMatch> withGap = {Match(3, 3, 2, {}, {}), Match(4, 4, 2, 1, 1),
                                                           Match(5, 5, 2, 2, 0), Match(6, 6, 2, 2, 1),
                                                           Match(7, 1, 3, 0, 1)};
    EXPECT_EQ(Estimate(withGap), QStringList({"50", "25", "25"}));
}

TEST_F(NeighbourEstimateTest, AMatchOfAnUnknownEntryIsNotCreditedToAnyone)
{
    std::vector<tav::analysis::TStandingsMatch> matches = {Match(3, 3, 2, 2, 0), Match(4, 4, 2, 1, 1),
                                                           Match(5, 1, 3, 0, 1), Match(6, 1, 4, 3, 1)};
    const QStringList plain = Estimate(matches, 1);
    // Entry 99 is no entry of the competition: its defeat must not sink entry 1 in the home table.
    matches.push_back(Match(1, 99, 2, 0, 3));
    EXPECT_EQ(Estimate(matches, 1), plain);
    EXPECT_EQ(plain, QStringList({"50", "25", "25"}));
}

TEST_F(NeighbourEstimateTest, TheStandingsBeforeTheMatchdayChooseTheNeighbours)
{
    // After matchday 1 entry 6 leads the home table with a home win; entry 1 follows it, so the
    // meetings of the away side with 6 (above) and with 3, 4, 5 (below, 2 being itself) count.
    const std::vector<tav::analysis::TStandingsMatch> matches = {Match(1, 6, 5, 1, 0), Match(2, 6, 2, 0, 2),
                                                                 Match(3, 3, 2, 1, 1), Match(4, 4, 2, 1, 0),
                                                                 Match(5, 5, 2, 1, 0)};
    EXPECT_EQ(Estimate(matches, 1), QStringList({"50", "25", "25"}));
}

// A league of a dozen clubs in 2023-24 and an older one of the same clubs in 2022-23; the clubs'
// history lies in the older league.
class CouponAnalysisTest : public ProgramDataModuleTest
{
protected:
    void SetUp() override
    {
        ProgramDataModuleTest::SetUp();
        country = AddCountry(QStringLiteral("Ελλάδα"));
        const int category = AddCategory(QStringLiteral("Α Εθνική"), country);
        const int second = AddCategory(QStringLiteral("Β Εθνική"), country);
        Exec("UPDATE Kathgories SET OPAP = 'GR1' WHERE KatNo = ?1", {category});
        Exec("UPDATE Kathgories SET OPAP = 'GR2' WHERE KatNo = ?1", {second});
        older = AddCompetition(category, QStringLiteral("2022-23"), 12);
        league = AddCompetition(category, QStringLiteral("2023-24"), 12);
        other = AddCompetition(second, QStringLiteral("2023-24"), 2);
        for (int i = 1; i <= 12; ++i) {
            const int teamNo =
                AddTeam(country, QStringLiteral("Ομάδα %1").arg(i), QStringLiteral("Team %1").arg(i));
            clubs.append(teamNo);
            oldEntries.append(AddCompetitionTeam(older, teamNo));
            entries.append(AddCompetitionTeam(league, teamNo));
        }
        otherEntries = {AddCompetitionTeam(other, clubs[0]), AddCompetitionTeam(other, clubs[1])};
    }

    void Exec(const QString &sql, const QVariantList &values = {})
    {
        SqliteStatement statement(Dm().TavrolinDb.Handle(), sql);
        statement.BindAll(values);
        statement.Execute();
    }

    // A match between competition entries; GTeamNo and FTeamNo from the entries' clubs.
    void Game(int dNo, int day, int home, int away, const QDate &date, const QVariant &homeGoals,
              const QVariant &awayGoals, const QVariant &code = {}, double odd1 = 2.0, double oddX = 3.2,
              double odd2 = 3.6)
    {
        Exec(
            "INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, TelGGoals, "
            "TelFGoals,"
            " \"Date\", \"Time\", GTeamNo, FTeamNo, OPAPAr, AP1, APX, AP2) VALUES (?1, ?2, ?3, ?4, 0, ?5, ?6,"
            " ?7, '20:30:00', (SELECT TeamNo FROM PerOmades WHERE RecNo = ?3),"
            " (SELECT TeamNo FROM PerOmades WHERE RecNo = ?4), ?8, ?9, ?10, ?11)",
            {dNo, day, home, away, homeGoals, awayGoals, date.toString(Qt::ISODate), code, odd1, oddX, odd2});
    }

    // Club i (from 0) hosting club j in the older league on day n of the season.
    void History(int i, int j, int n, int homeGoals, int awayGoals)
    {
        Game(older, n, oldEntries[i], oldEntries[j], kFirstHistoryDay.addDays(7 * n), homeGoals, awayGoals);
    }

    TCouponAnalysisInput Input(bool extra = false) const
    {
        TCouponAnalysisInput input;
        input.DateFrom = kDay;
        input.DateTo = kDay.addDays(3);
        input.ChkExtra = extra;
        return input;
    }

    static const QStringList *RowOfCode(const TCouponAnalysisResult &result, int code)
    {
        for (const QStringList &row : result.rows)
            if (row.value(AnOpapCode) == QString::number(code))
                return &row;
        return nullptr;
    }

    const QDate kFirstHistoryDay{2022, 9, 1};
    const QDate kDay{2024, 3, 1};
    int country = 0;
    int older = 0;
    int league = 0;
    int other = 0;
    QList<int> clubs;
    QList<int> oldEntries;
    QList<int> entries;
    QList<int> otherEntries;
};

TEST_F(CouponAnalysisTest, RowsCarryTheMatchFormMeetingsAndOdds)
{
    // Club 0 won its last nine home matches; club 1 lost its last nine away; club 0 beat club 1 at
    // home three times (among those nine). A tenth, older home defeat of club 0 is not counted.
    History(0, 11, 1, 0, 4);
    for (int n = 2; n <= 10; ++n)
        History(0, n <= 4 ? 1 : n, n, 2, 0);
    for (int n = 11; n <= 16; ++n)
        History(n - 9, 1, n, 3, 1);
    Game(league, 20, entries[0], entries[1], kDay, {}, {}, 101);
    Game(league, 20, entries[8], entries[2], kDay, 1, 1, 102, 1.5, 4.0, 6.0);

    const TCouponAnalysisResult result = RunCouponAnalysis(Dm(), Input());
    ASSERT_EQ(result.status, TCouponAnalysisStatus::Done) << result.message.toStdString();
    ASSERT_EQ(result.rows.size(), 3);
    EXPECT_EQ(result.rows[0], AnalysisTitles(false));
    const QStringList &first = result.rows[1];
    ASSERT_EQ(first.size(), 28);
    EXPECT_EQ(Cells(first, AnDate, 6),
              QStringList({"01/03/2024", "20:30", "GR1", "Ομάδα 1-Ομάδα 2", "", ""}));
    EXPECT_EQ(Cells(first, AnForm1), QStringList({"68", "28", "4"}));
    EXPECT_EQ(Cells(first, AnMeet1), QStringList({"90", "5", "10"}));
    EXPECT_EQ(Cells(first, AnNear1), QStringList({"", "", ""}));
    // 16.5 rounds to the even 16.
    EXPECT_EQ(Cells(first, AnAvg1), QStringList({"79", "16", "7"}));
    EXPECT_EQ(first[AnSign], "?");
    EXPECT_EQ(first[AnOpapCode], "101");
    EXPECT_EQ(Cells(first, AnOddsPct1, 7), QStringList({"46", "29", "25", "2", "3,2", "3,6", "1"}));
    EXPECT_EQ(first[AnProposal], "");

    const QStringList &second = result.rows[2];
    EXPECT_EQ(Cells(second, AnHomeGoals, 2), QStringList({"1", "1"}));
    EXPECT_EQ(second[AnSign], "X");
    // Club 8 has played only away and club 2 only at home: neither side has history of its own
    // kind, whatever the other kind holds.
    EXPECT_EQ(Cells(second, AnForm1), QStringList({"33", "34", "33"}));
    EXPECT_EQ(Cells(second, AnMeet1), QStringList({"", "", ""}));
    EXPECT_EQ(Cells(second, AnAvg1), QStringList({"33", "34", "33"}));
    EXPECT_EQ(second[AnRowNo], "2");
}

TEST_F(CouponAnalysisTest, AClubInTwoSelectedMatchesCountsRightInBoth)
{
    for (int n = 1; n <= 9; ++n) {
        History(0, n + 1, n, 2, 0);      // club 0 wins at home
        History(n + 1, 0, n + 10, 1, 1); // club 0 draws away
    }
    Game(league, 20, entries[0], entries[11], kDay, {}, {}, 201);
    Game(league, 21, entries[11], entries[0], kDay.addDays(1), {}, {}, 202);
    const TCouponAnalysisResult both = RunCouponAnalysis(Dm(), Input());
    ASSERT_EQ(both.rows.size(), 3);

    // Each row as if its match had been analysed alone.
    TCouponAnalysisInput first = Input();
    first.EdtKvdEos = QStringLiteral("201");
    TCouponAnalysisInput second = Input();
    second.EdtKvdApo = QStringLiteral("202");
    const TCouponAnalysisResult alone1 = RunCouponAnalysis(Dm(), first);
    const TCouponAnalysisResult alone2 = RunCouponAnalysis(Dm(), second);
    ASSERT_EQ(alone1.rows.size(), 2);
    ASSERT_EQ(alone2.rows.size(), 2);
    EXPECT_EQ(Cells(both.rows[1], AnForm1), Cells(alone1.rows[1], AnForm1));
    EXPECT_EQ(Cells(both.rows[2], AnForm1), Cells(alone2.rows[1], AnForm1));
    // Nine home wins beside nothing: 10/1/1, R 10, draws 4: 67, 26, 7. Nine away draws: 1/10/1.
    EXPECT_EQ(Cells(both.rows[1], AnForm1), QStringList({"67", "26", "7"}));
    EXPECT_EQ(Cells(both.rows[2], AnForm1), QStringList({"8", "84", "8"}));
}

TEST_F(CouponAnalysisTest, SelectionFollowsTheFilterInDateAndCodeOrder)
{
    Game(league, 20, entries[0], entries[1], kDay.addDays(1), 2, 0, 30, 1.8, 3.3, 4.5);
    Game(league, 20, entries[2], entries[3], kDay, {}, {}, 40, 2.5, 3.0, 2.8);
    Game(league, 20, entries[4], entries[5], kDay, 0, 1, 10, 3.0, 3.1, 2.2);
    Game(league, 20, entries[6], entries[7], kDay.addDays(4), {}, {}, 11);
    Game(other, 1, otherEntries[0], otherEntries[1], kDay, {}, {}, 12);
    Exec("INSERT INTO Agvnes (DiorgNo, Agvnistikh, Ghpedoyxos, Filojenoymenh, Omilos, \"Date\", OPAPAr)"
         " VALUES (?1, 21, ?2, ?3, 0, ?4, 13)",
         {league, entries[8], entries[9], kDay.toString(Qt::ISODate)});
    const auto codes = [&](const TCouponAnalysisInput &input) {
        QStringList result;
        const TCouponAnalysisResult run = RunCouponAnalysis(Dm(), input);
        for (const QStringList &row : run.rows.mid(1))
            result.append(row[AnOpapCode]);
        return result;
    };
    const struct
    {
        std::function<void(TCouponAnalysisInput &)> set;
        QStringList codes;
    } cases[] = {
        {[](TCouponAnalysisInput &) {}, {"10", "12", "40", "30"}},
        {[](TCouponAnalysisInput &i) { i.Chkskor = false; }, {"12", "40"}},
        {[](TCouponAnalysisInput &i) { i.ChkxSkor = false; }, {"10", "30"}},
        {[&](TCouponAnalysisInput &i) { i.Competitions = {league}; }, {"10", "40", "30"}},
        {[&](TCouponAnalysisInput &i) {
             i.Competitions = {other, league};
         },
         {"10", "12", "40", "30"}},
        {[](TCouponAnalysisInput &i) {
             i.EdtKvdApo = "12";
             i.EdtKvdEos = "35";
         },
         {"12", "30"}},
        {[](TCouponAnalysisInput &i) { i.EdtAp1From = "1,8"; }, {"10", "12", "40"}},
        {[](TCouponAnalysisInput &i) { i.EdtAp1To = "2,5"; }, {"12", "40", "30"}},
        {[](TCouponAnalysisInput &i) {
             i.EdtApXFrom = "3";
             i.EdtApXTo = "3,2";
         },
         {"10", "12"}},
        {[](TCouponAnalysisInput &i) {
             i.EdtAp2From = "2,8";
             i.EdtAp2To = "4";
         },
         {"12"}},
        {[](TCouponAnalysisInput &i) { i.DateTo = i.DateFrom; }, {"10", "12", "40"}},
    };
    for (const auto &c : cases) {
        TCouponAnalysisInput input = Input();
        c.set(input);
        EXPECT_EQ(codes(input), c.codes) << c.codes.join(',').toStdString();
    }
}

TEST_F(CouponAnalysisTest, BadEditsAndEmptyChoicesFillNothing)
{
    Game(league, 20, entries[0], entries[1], kDay, {}, {}, 1);
    const struct
    {
        std::function<void(TCouponAnalysisInput &)> set;
        TCouponAnalysisStatus status;
        QString message;
    } cases[] = {
        {[](TCouponAnalysisInput &i) { i.EdtKvdApo = "1 OR 1=1"; }, TCouponAnalysisStatus::Failed,
         "'1 OR 1=1' δεν είναι έγκυρος ακέραιος"},
        {[](TCouponAnalysisInput &i) { i.EdtKvdEos = "9'); DROP TABLE Agvnes; --"; },
         TCouponAnalysisStatus::Failed, "'9'); DROP TABLE Agvnes; --' δεν είναι έγκυρος ακέραιος"},
        {[](TCouponAnalysisInput &i) { i.EdtApXTo = "α"; }, TCouponAnalysisStatus::Failed,
         "'α' δεν είναι έγκυρος αριθμός"},
        {[](TCouponAnalysisInput &i) { i.Chkskor = i.ChkxSkor = false; }, TCouponAnalysisStatus::NoResultKind,
         QString::fromUtf8(NoResultKindMessage)},
    };
    for (const auto &c : cases) {
        TCouponAnalysisInput input = Input(true);
        c.set(input);
        const TCouponAnalysisResult result = RunCouponAnalysis(Dm(), input);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.message, c.message);
        EXPECT_TRUE(result.rows.isEmpty());
    }
    EXPECT_EQ(Count("SELECT count(*) FROM Agvnes"), 1);

    TCouponAnalysisInput none = Input();
    none.Competitions = {other};
    const TCouponAnalysisResult empty = RunCouponAnalysis(Dm(), none);
    EXPECT_EQ(empty.status, TCouponAnalysisStatus::NoMatch);
    EXPECT_EQ(empty.message, QString::fromUtf8(NoMatchMessage));
    EXPECT_EQ(empty.rows, QList<QStringList>({AnalysisTitles(false)}));
}

TEST_F(CouponAnalysisTest, TheExtendedLayoutAddsNeighboursAndAgreement)
{
    // Before matchday 5 clubs 0..11 stand level (nothing played in the league yet); club 1's
    // meetings as the visitor of clubs 2, 3, 4 and club 0 hosting 2, 3, 4 were all home wins.
    for (int k = 2; k <= 4; ++k) {
        Game(league, 5 + k, entries[k], entries[1], kDay.addDays(7 * k), 2, 0);
        Game(league, 10 + k, entries[0], entries[k], kDay.addDays(7 * k + 70), 3, 1);
    }
    // Three home wins of club 0 over club 1 in the older league, and its home form.
    for (int n = 1; n <= 3; ++n)
        History(0, 1, n, 1, 0);
    Game(league, 5, entries[0], entries[1], kDay, {}, {}, 7, 1.6, 3.6, 5.5);

    int steps = 0;
    int lastMaximum = 0;
    const TCouponAnalysisResult result = RunCouponAnalysis(Dm(), Input(true), [&](int position, int maximum) {
        ++steps;
        EXPECT_LE(position, maximum);
        lastMaximum = maximum;
    });
    ASSERT_EQ(result.status, TCouponAnalysisStatus::Done) << result.message.toStdString();
    EXPECT_GT(steps, 0);
    EXPECT_EQ(lastMaximum, 2);
    ASSERT_EQ(result.rows.size(), 2);
    EXPECT_EQ(result.rows[0], AnalysisTitles(true));
    const QStringList &row = result.rows[1];
    ASSERT_EQ(row.size(), 31);
    EXPECT_EQ(Cells(row, AnNear1), QStringList({"100", "0", "0"}));
    EXPECT_EQ(Cells(row, AnMeet1), QStringList({"90", "5", "10"}));
    EXPECT_EQ(PickSignByMax(row), AnAvg1);
    EXPECT_EQ(Cells(row, AnAgree1), QStringList({row[AnAvg1], "", ""}));
    EXPECT_FALSE(row[AnAvg1].isEmpty());
    EXPECT_EQ(row[AnExtProposal], "");
    EXPECT_EQ(result.lastCompetition, league);
    EXPECT_EQ(Dm().Diorganvseis.FieldByName("DNo").AsInteger(), league);
}

} // namespace
