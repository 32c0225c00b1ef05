#include "coupons/coupon_analysis.h"

#include "analysis/standings_store.h"
#include "coupons/analysis_grid.h"
#include "coupons/analysis_math.h"
#include "coupons/neighbour_estimate.h"
#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/rounding.h"
#include "platform/db/sqlite_statement.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTime>

#include <map>
#include <memory>

namespace tav::coupons {

namespace {

// The selected matches with their competition's coupon code and the names of their clubs in the
// competition's country. A bound value left null drops its condition; the lowest odds default to
// above 1, so that matches without odds are never selected.
const char kSelectionSql[] =
    "SELECT a.DiorgNo, a.Agvnistikh, a.Ghpedoyxos, a.Filojenoymenh, a.\"Date\", a.\"Time\", a.GTeamNo,"
    " a.FTeamNo, a.OPAPAr, a.AP1, a.APX, a.AP2, a.TelGGoals, a.TelFGoals,"
    " (SELECT k.OPAP FROM Diorganvseis d JOIN Kathgories k ON k.KatNo = d.KatNo WHERE d.DNo = a.DiorgNo"
    "  LIMIT 1),"
    " (SELECT o.Name FROM Diorganvseis d JOIN PerOmades p ON p.DiorNo = d.DNo"
    "  JOIN Omades o ON o.TeamNo = p.TeamNo AND o.KratosNo = d.KratosNo"
    "  WHERE d.DNo = a.DiorgNo AND p.RecNo = a.Ghpedoyxos LIMIT 1),"
    " (SELECT o.Name FROM Diorganvseis d JOIN PerOmades p ON p.DiorNo = d.DNo"
    "  JOIN Omades o ON o.TeamNo = p.TeamNo AND o.KratosNo = d.KratosNo"
    "  WHERE d.DNo = a.DiorgNo AND p.RecNo = a.Filojenoymenh LIMIT 1)"
    " FROM Agvnes a"
    " WHERE a.\"Date\" >= ?1 AND a.\"Date\" < ?2"
    " AND (?3 IS NULL OR a.OPAPAr >= ?3) AND (?4 IS NULL OR a.OPAPAr <= ?4)"
    " AND a.AP1 > ?5 AND (?6 IS NULL OR a.AP1 <= ?6)"
    " AND a.APX > ?7 AND (?8 IS NULL OR a.APX <= ?8)"
    " AND a.AP2 > ?9 AND (?10 IS NULL OR a.AP2 <= ?10)"
    " AND (?11 IS NULL OR a.DiorgNo IN (SELECT value FROM json_each(?11)))"
    " AND (?12 OR a.TelGGoals IS NULL) AND (?13 OR a.TelGGoals >= 0)"
    " ORDER BY a.\"Date\", a.OPAPAr, a.GameNo";

enum TSelectionColumn
{
    scDiorgNo,
    scAgvnistikh,
    scGhpedoyxos,
    scFilojenoymenh,
    scDate,
    scTime,
    scGTeamNo,
    scFTeamNo,
    scOpapAr,
    scAP1,
    scAPX,
    scAP2,
    scTelGGoals,
    scTelFGoals,
    scOpap,
    scHomeName,
    scAwayName,
};

// Earlier meetings of the same home and away club, in any competition.
const char kMeetingsSql[] = "SELECT TelGGoals, TelFGoals FROM Agvnes"
                            " WHERE GTeamNo = ?1 AND FTeamNo = ?2 AND \"Date\" < ?3 AND TelGGoals >= 0";
// The nine latest home results of a club, and its nine latest away results.
const char kHomeFormSql[] = "SELECT TelGGoals, TelFGoals FROM Agvnes"
                            " WHERE GTeamNo = ?1 AND \"Date\" < ?2 AND TelGGoals >= 0"
                            " ORDER BY \"Date\" DESC, GameNo DESC LIMIT 9";
const char kAwayFormSql[] = "SELECT TelGGoals, TelFGoals FROM Agvnes"
                            " WHERE FTeamNo = ?1 AND \"Date\" < ?2 AND TelFGoals >= 0"
                            " ORDER BY \"Date\" DESC, GameNo DESC LIMIT 9";
const char kCompetitionSql[] = "SELECT 1 FROM Diorganvseis WHERE DNo = ?1";

// An edit's number, or null when the edit is blank; EConvertError when it holds no number.
QVariant CodeBound(const QString &text)
{
    return text.trimmed().isEmpty() ? QVariant() : QVariant(StrToInt(text));
}

QVariant OddsBound(const QString &text)
{
    return text.trimmed().isEmpty() ? QVariant() : QVariant(StrToFloat(text));
}

QVariant LowestOdds(const QString &text)
{
    const QVariant bound = OddsBound(text);
    return bound.isNull() ? QVariant(1.0) : bound;
}

QVariant CompetitionList(const QList<int> &competitions)
{
    if (competitions.isEmpty())
        return {};
    QJsonArray list;
    for (const int DNo : competitions)
        list.append(DNo);
    return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

// Every bound value of the selection, read before anything runs.
QVariantList SelectionValues(const TCouponAnalysisInput &input)
{
    return {input.DateFrom.toString(Qt::ISODate),
            // The last day counts whole, whatever time a stored date may carry.
            input.DateTo.addDays(1).toString(Qt::ISODate), CodeBound(input.EdtKvdApo),
            CodeBound(input.EdtKvdEos), LowestOdds(input.EdtAp1From), OddsBound(input.EdtAp1To),
            LowestOdds(input.EdtApXFrom), OddsBound(input.EdtApXTo), LowestOdds(input.EdtAp2From),
            OddsBound(input.EdtAp2To), CompetitionList(input.Competitions), input.Chkskor, input.ChkxSkor};
}

int IntOr(const SqliteStatement &s, int column, int otherwise = 0)
{
    return s.IsNull(column) ? otherwise : int(s.Int64(column));
}

// A selected match as read, its cells of the match's own data already made.
struct TSelectedMatch
{
    int DiorgNo = 0;
    int Agvnistikh = 0;
    int Ghpedoyxos = 0;
    int Filojenoymenh = 0;
    int GTeamNo = 0;
    int FTeamNo = 0;
    bool played = false;
    int homeGoals = 0;
    int awayGoals = 0;
    QStringList cells;
};

QString SignText(int homeGoals, int awayGoals)
{
    return homeGoals > awayGoals    ? QStringLiteral("1")
           : homeGoals == awayGoals ? QStringLiteral("X")
                                    : QStringLiteral("2");
}

QString TimeCell(const SqliteStatement &s)
{
    const QTime time = QTime::fromString(s.Text(scTime).left(8), QStringLiteral("HH:mm:ss"));
    if (s.IsNull(scTime) || !time.isValid())
        return QString();
    return FormatDateTime(QStringLiteral("hh:mm"), QDateTime(QDate(1899, 12, 30), time));
}

QString OddsCell(const SqliteStatement &s, int column)
{
    return s.IsNull(column) ? QString() : FloatToStr(s.Double(column));
}

TSelectedMatch ReadSelected(const SqliteStatement &s, int columns)
{
    TSelectedMatch match;
    match.DiorgNo = IntOr(s, scDiorgNo);
    match.Agvnistikh = IntOr(s, scAgvnistikh);
    match.Ghpedoyxos = IntOr(s, scGhpedoyxos);
    match.Filojenoymenh = IntOr(s, scFilojenoymenh);
    match.GTeamNo = IntOr(s, scGTeamNo);
    match.FTeamNo = IntOr(s, scFTeamNo);
    match.played = !s.IsNull(scTelGGoals);
    match.homeGoals = IntOr(s, scTelGGoals);
    match.awayGoals = IntOr(s, scTelFGoals);

    QStringList &cells = match.cells;
    for (int column = 0; column < columns; ++column)
        cells.append(QString());
    cells[AnDate] = DateToStr(QDate::fromString(s.Text(scDate).left(10), Qt::ISODate));
    cells[AnTime] = TimeCell(s);
    cells[AnDiorg] = s.Text(scOpap);
    // A club not found leaves its part of the pair out.
    cells[AnTeams] = s.Text(scHomeName);
    if (!s.IsNull(scAwayName))
        cells[AnTeams] += QLatin1Char('-') + s.Text(scAwayName);
    cells[AnHomeGoals] = s.IsNull(scTelGGoals) ? QString() : QString::number(match.homeGoals);
    cells[AnAwayGoals] = s.IsNull(scTelFGoals) ? QString() : QString::number(match.awayGoals);
    cells[AnSign] = match.played ? SignText(match.homeGoals, match.awayGoals) : QStringLiteral("?");
    cells[AnOpapCode] = s.IsNull(scOpapAr) ? QString() : QString::number(s.Int64(scOpapAr));
    cells[AnOdd1] = OddsCell(s, scAP1);
    cells[AnOdd1 + 1] = OddsCell(s, scAPX);
    cells[AnOdd1 + 2] = OddsCell(s, scAP2);
    return match;
}

// The signs of the results of a history statement, counted from the home side's view.
template <class Add> void CountResults(SqliteStatement &s, Add add)
{
    while (s.Step()) {
        const int home = IntOr(s, 0);
        const int away = IntOr(s, 1);
        add(home > away ? 1 : home < away ? 2 : 0);
    }
}

// The form record of a club on one side; each club and side is read once per run and its record is
// never changed by the matches that use it, so a club in two selected matches counts alike in both.
class TFormReader
{
public:
    TFormReader(DbConnection &connection, const char *sql, const QString &before)
        : connection_(connection), sql_(QString::fromUtf8(sql)), before_(before)
    {
    }

    TFormCounts Of(int teamNo)
    {
        const auto found = counts_.constFind(teamNo);
        if (found != counts_.cend())
            return *found;
        TFormCounts counts;
        DbConnection::Lease s = connection_.Statement(sql_);
        s->BindAll({teamNo, before_});
        CountResults(*s, [&](int sign) { ++(sign == 1 ? counts.N1 : sign == 2 ? counts.N2 : counts.NX); });
        counts_.insert(teamNo, counts);
        return counts;
    }

private:
    DbConnection &connection_;
    QString sql_;
    QString before_;
    QHash<int, TFormCounts> counts_;
};

void SetPercentCells(QStringList &cells, int first, const QList<int> &values)
{
    for (int i = 0; i < 3; ++i)
        cells[first + i] = QString::number(values[i]);
}

} // namespace

void AverageEstimates(QStringList &cells)
{
    for (int sign = 0; sign < 3; ++sign) {
        const TEstimateCells estimate =
            ReadEstimateCells(cells[AnForm1 + sign], cells[AnMeet1 + sign], cells[AnNear1 + sign]);
        if (estimate.count > 0)
            cells[AnAvg1 + sign] = QString::number(
                Round((estimate.values[0] + estimate.values[1] + estimate.values[2]) / estimate.count));
    }
}

namespace {

// The competitions of the neighbour estimate, each read once per run; none for a competition that
// is not stored.
class TNeighbourCompetitions
{
public:
    explicit TNeighbourCompetitions(TTavrolinDM &dm) : dm_(dm) {}

    TNeighbourCompetition *Of(int DNo)
    {
        auto found = competitions_.find(DNo);
        if (found == competitions_.end()) {
            std::unique_ptr<TNeighbourCompetition> competition;
            DbConnection::Lease s = dm_.TavrolinDb.Connection().Statement(QString::fromUtf8(kCompetitionSql));
            s->Bind(1, DNo);
            if (s->Step())
                competition =
                    std::make_unique<TNeighbourCompetition>(analysis::ReadStandingsInputs(dm_, DNo));
            found = competitions_.emplace(DNo, std::move(competition)).first;
        }
        return found->second.get();
    }

private:
    TTavrolinDM &dm_;
    std::map<int, std::unique_ptr<TNeighbourCompetition>> competitions_;
};

void Report(const TCouponAnalysisProgress &progress, int position, int maximum)
{
    if (progress)
        progress(position, maximum);
}

TCouponAnalysisResult Analyse(TTavrolinDM &dm, const TCouponAnalysisInput &input,
                              const TCouponAnalysisProgress &progress)
{
    const bool extended = input.ChkExtra;
    const int columns = AnalysisColumnCount(extended);
    const QVariantList selectionValues = SelectionValues(input);
    DbConnection &connection = dm.TavrolinDb.Connection();

    QList<TSelectedMatch> matches;
    {
        DbConnection::Lease s = connection.Statement(QString::fromUtf8(kSelectionSql));
        s->BindAll(selectionValues);
        while (s->Step())
            matches.append(ReadSelected(*s, columns));
    }
    TCouponAnalysisResult result;
    result.rows.append(AnalysisTitles(extended));
    if (matches.isEmpty()) {
        result.status = TCouponAnalysisStatus::NoMatch;
        result.message = QString::fromUtf8(NoMatchMessage);
        return result;
    }

    // History counts only what was played before the first day analysed.
    const QString before = input.DateFrom.toString(Qt::ISODate);
    const int count = int(matches.size());
    Report(progress, 0, count);
    {
        DbConnection::Lease meetings = connection.Statement(QString::fromUtf8(kMeetingsSql));
        for (int i = 0; i < count; ++i) {
            TSelectedMatch &match = matches[i];
            int H[3] = {0, 0, 0}; // draws, home wins, away wins
            meetings->BindAll({match.GTeamNo, match.FTeamNo, before});
            CountResults(*meetings, [&](int sign) { ++H[sign]; });
            meetings->Reset();
            const QStringList estimate = MeetingEstimate(H[1], H[0], H[2]);
            for (int k = 0; k < 3; ++k)
                match.cells[AnMeet1 + k] = estimate[k];
            Report(progress, i + 1, count);
        }
    }

    TFormReader homeForm(connection, kHomeFormSql, before);
    TFormReader awayForm(connection, kAwayFormSql, before);
    TNeighbourCompetitions competitions(dm);
    Report(progress, 0, count + 1);
    for (int i = 0; i < count; ++i) {
        TSelectedMatch &match = matches[i];
        QStringList &cells = match.cells;
        SetPercentCells(cells, AnForm1, FormEstimate(homeForm.Of(match.GTeamNo), awayForm.Of(match.FTeamNo)));
        if (!cells[AnOdd1].trimmed().isEmpty() && !cells[AnOdd1 + 1].trimmed().isEmpty() &&
            !cells[AnOdd1 + 2].trimmed().isEmpty())
            SetPercentCells(cells, AnOddsPct1,
                            OddsImpliedPercent(StrToFloat(cells[AnOdd1]), StrToFloat(cells[AnOdd1 + 1]),
                                               StrToFloat(cells[AnOdd1 + 2])));
        cells[AnRowNo] = QString::number(i + 1);
        if (extended) {
            if (TNeighbourCompetition *competition = competitions.Of(match.DiorgNo))
                NeighbourEstimate(*competition, match.Agvnistikh - 1, match.Ghpedoyxos, match.Filojenoymenh,
                                  cells);
        }
        AverageEstimates(cells);
        if (extended) {
            const int agreed = PickSignByMax(cells);
            if (agreed > 0)
                cells[agreed + AnAgree1 - AnAvg1] = cells[agreed];
        }
        result.rows.append(cells);
        Report(progress, i + 1, count + 1);
    }
    result.lastCompetition = matches.last().DiorgNo;
    return result;
}

} // namespace

TEstimateCells ReadEstimateCells(const QString &first, const QString &second, const QString &third)
{
    TEstimateCells cells;
    const QString texts[3] = {first, second, third};
    for (int i = 0; i < 3; ++i) {
        if (texts[i].trimmed().isEmpty())
            continue;
        cells.values[i] = StrToFloat(texts[i]);
        ++cells.count;
    }
    return cells;
}

QList<int> FormEstimate(const TFormCounts &home, const TFormCounts &away)
{
    const int N1 = home.N1 + away.N1 + 1;
    const int N2 = home.N2 + away.N2 + 1;
    int NX = home.NX + away.NX + 1;
    // The larger of the two win counts over the smaller.
    const float R = PowerXY(float(N1) / NonZeroOrOne(float(N2)), SignOrOne(float(N1 - N2)));
    const double share = R >= 2.5F ? 0.4 : 0.5;
    NX = MaxByte(std::uint8_t(NX), std::uint8_t(Round(share * (N1 + N2))));
    const int T = N1 + NX + N2;
    const int P1 = int(Round(100.0 * N1 / T));
    const int P2 = int(Round(100.0 * N2 / T));
    return {P1, 100 - P1 - P2, P2};
}

QList<int> OddsImpliedPercent(double a, double x, double b)
{
    const double D = a * x + x * b + a * b;
    const int P1 = D == 0 ? 0 : int(Round(100 * x * b / D));
    const int P2 = D == 0 ? 0 : int(Round(100 * a * x / D));
    return {P1, 100 - P1 - P2, P2};
}

QStringList MeetingEstimate(int H1, int HX, int H2)
{
    const int T = H1 + HX + H2;
    if (T < 3)
        return {QString(), QString(), QString()};
    double A = 100.0 * H1 / NonZeroOrOneInt(T);
    double X = 100.0 * HX / NonZeroOrOneInt(T);
    double B = 100.0 * H2 / NonZeroOrOneInt(T);
    // No share may stay at nothing: the empty one takes 10 from the other two.
    if (A == 0) {
        A = 10;
        X -= 5;
        B -= 5;
    }
    if (X <= 0) {
        X = 10;
        A -= 5;
        B -= 5;
    }
    if (B <= 0) {
        B = 10;
        A -= 5;
        X -= 5;
    }
    // Draws are held at half; the rest goes to the two wins alike.
    if (X > 50) {
        const int half = int(Round(X) - 50) / 2;
        A += half;
        B += half;
        X = 50;
    }
    return {QString::number(Round(A)), QString::number(Round(X)), QString::number(Round(B))};
}

TCouponAnalysisResult RunCouponAnalysis(TTavrolinDM &dm, const TCouponAnalysisInput &input,
                                        const TCouponAnalysisProgress &progress)
{
    if (!input.Chkskor && !input.ChkxSkor)
        return {TCouponAnalysisStatus::NoResultKind, QString::fromUtf8(NoResultKindMessage), {}, 0};
    TCouponAnalysisResult result;
    try {
        result = Analyse(dm, input, progress);
    } catch (const Exception &error) {
        return {TCouponAnalysisStatus::Failed, error.Message(), {}, 0};
    }
    if (result.lastCompetition != 0) {
        data::OpenIfClosed(dm.Diorganvseis);
        dm.Diorganvseis.Locate(QStringLiteral("DNo"), {result.lastCompetition});
    }
    return result;
}

} // namespace tav::coupons
