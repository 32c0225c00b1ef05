#include "coupons/user_kup.h"

#include "couponstats/operations/match_odds.h"
#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/db/sqlite_statement.h"

#include <QTime>

namespace tav::coupons {

namespace {

const char kNoCompetition[] = "(DiorgNo = 0)";
const char kFillBlanks[] = "Παρακαλώ συμπληρώστε όλους τους κωδικούς ,ωρα και τις διοργανώσεις";
const char kBadCode[] = "Ο κωδικός \"%1\" δεν είναι ακέραιος αριθμός.";
const char kBadDate[] = "Ο αγώνας με κωδικό %1 δεν έχει έγκυρη ημερομηνία.";
const char kBadOdds[] = "Οι αποδόσεις του αγώνα με κωδικό %1 πρέπει να είναι αριθμοί.";

// The team names come from the competition's country and the entries' team numbers.
const char kMatchesSql[] =
    "SELECT a.GameNo, a.OPAPAr, a.\"Date\", a.\"Time\", k.OPAP,"
    " (SELECT o.Name FROM PerOmades p JOIN Omades o ON o.TeamNo = p.TeamNo AND o.KratosNo = d.KratosNo"
    "  WHERE p.DiorNo = a.DiorgNo AND p.RecNo = a.Ghpedoyxos),"
    " (SELECT o.Name FROM PerOmades p JOIN Omades o ON o.TeamNo = p.TeamNo AND o.KratosNo = d.KratosNo"
    "  WHERE p.DiorNo = a.DiorgNo AND p.RecNo = a.Filojenoymenh),"
    " a.TelGGoals, a.TelFGoals, a.AP1, a.APX, a.AP2, a.Ghpedoyxos, a.Filojenoymenh"
    " FROM (Agvnes a INNER JOIN Diorganvseis d ON a.DiorgNo = d.DNo)"
    " INNER JOIN Kathgories k ON d.KatNo = k.KatNo"
    " WHERE (a.\"Date\" >= ?1) AND (a.\"Date\" <= ?2) AND %1 ORDER BY a.\"Date\", a.GameNo";
const char kUpdateSql[] = "UPDATE Agvnes SET OPAPAr = ?1, AP1 = ?2, APX = ?3, AP2 = ?4 WHERE GameNo = ?5";

enum TMatchColumn
{
    mcGameNo,
    mcCode,
    mcDate,
    mcTime,
    mcOpap,
    mcHome,
    mcAway,
    mcHomeGoals,
    mcAwayGoals,
    mcOdd1,
    mcOddX,
    mcOdd2,
    mcHomeEntry,
    mcAwayEntry
};

QString StoredOdd(const SqliteStatement &s, int column)
{
    return s.IsNull(column) ? QString() : FloatToStr(s.Double(column));
}

QString TimeText(const SqliteStatement &s)
{
    const QTime stored = QTime::fromString(s.Text(mcTime), QStringLiteral("HH:mm:ss"));
    if (!s.IsNull(mcTime) && stored.isValid())
        return FormatDateTime(QStringLiteral("hh:mm"), QDateTime(QDate(1899, 12, 30), stored));
    // A match without a kick-off time is taken as an evening one.
    return TimeToStr(QTime(17, 0));
}

bool IsChecked(const TUserKupRow &row)
{
    return row.cells.value(ukCheck).trimmed() == QStringLiteral("1");
}

bool IsNumber(const QString &text)
{
    try {
        StrToFloat(text);
        return true;
    } catch (const EConvertError &) {
        return false;
    }
}

bool IsDate(const QString &text)
{
    try {
        return StrToDate(text).isValid();
    } catch (const EConvertError &) {
        return false;
    }
}

} // namespace

QString BuildDiorgFilter(TTavrolinDM &dm, const QStringList &categories, const QStringList &seasons)
{
    if (!dm.Diorganvseis.Active())
        dm.Diorganvseis.Open();
    if (!dm.Kathgories.Active())
        dm.Kathgories.Open();
    QString filter;
    for (const QString &category : categories) {
        if (!dm.Kathgories.Locate(QStringLiteral("GrName"), {category}))
            continue;
        const int katNo = dm.Kathgories.FieldByName(QStringLiteral("KatNo")).AsInteger();
        for (const QString &season : seasons) {
            if (dm.Diorganvseis.Locate(QStringLiteral("Periodos;KatNo"), {season, katNo}))
                filter += QStringLiteral("(DiorgNo = %1) or")
                              .arg(dm.Diorganvseis.FieldByName(QStringLiteral("DNo")).AsInteger());
        }
    }
    if (filter.isEmpty())
        return QString::fromUtf8(kNoCompetition);
    filter.chop(3);
    return QLatin1Char('(') + filter + QLatin1Char(')');
}

QList<TUserKupRow> FillUserKupGrid(TTavrolinDM &dm, const QDate &first, const QDate &last,
                                   const QString &diorgFilter)
{
    DbConnection::Lease s =
        dm.TavrolinDb.Connection().Statement(QString::fromUtf8(kMatchesSql).arg(diorgFilter));
    s->BindAll({first.toString(Qt::ISODate), last.toString(Qt::ISODate)});
    QList<TUserKupRow> rows;
    while (s->Step()) {
        TUserKupRow row;
        row.gameNo = int(s->Int64(mcGameNo));
        const QDate date = QDate::fromString(s->Text(mcDate).left(10), Qt::ISODate);
        QString score;
        QString sign;
        if (!s->IsNull(mcHomeGoals)) {
            const auto home = s->Int64(mcHomeGoals);
            const auto away = s->Int64(mcAwayGoals);
            score = Format(QStringLiteral("%2d-%2d"), {home, away});
            sign = home > away    ? QStringLiteral("1")
                   : home == away ? QStringLiteral("X")
                                  : QStringLiteral("2");
        }
        QStringList odds{StoredOdd(*s, mcOdd1), StoredOdd(*s, mcOddX), StoredOdd(*s, mcOdd2)};
        if (s->IsNull(mcOdd1)) {
            const auto estimate = operations::EstimateMatchOdds(dm, int(s->Int64(mcHomeEntry)),
                                                                int(s->Int64(mcAwayEntry)), date);
            odds = {estimate.Odd1Text, estimate.OddXText, estimate.Odd2Text};
        }
        row.cells = QStringList{QStringLiteral("1"),
                                s->IsNull(mcCode) ? QString() : IntToStr(s->Int64(mcCode)),
                                DateToStr(date),
                                TimeText(*s),
                                s->Text(mcOpap),
                                s->Text(mcHome),
                                s->Text(mcAway),
                                score,
                                sign} +
                    odds;
        rows.append(row);
    }
    return rows;
}

QString CheckUserKupRows(const QList<TUserKupRow> &rows)
{
    for (const TUserKupRow &row : rows) {
        if (IsChecked(row) &&
            (row.cells.value(ukCode).trimmed().isEmpty() || row.cells.value(ukTime).trimmed().isEmpty() ||
             row.cells.value(ukDiorg).trimmed().isEmpty()))
            return QString::fromUtf8(kFillBlanks);
    }
    for (const TUserKupRow &row : rows) {
        if (!IsChecked(row))
            continue;
        const QString code = row.cells.value(ukCode).trimmed();
        int number = 0;
        if (!TryStrToInt(code, number))
            return QString::fromUtf8(kBadCode).arg(code);
        if (!IsDate(row.cells.value(ukDate)))
            return QString::fromUtf8(kBadDate).arg(code);
        for (int column : {ukOdd1, ukOddX, ukOdd2}) {
            if (!IsNumber(row.cells.value(column)))
                return QString::fromUtf8(kBadOdds).arg(code);
        }
    }
    return {};
}

QList<TKupRow> UserKupFileRows(const QList<TUserKupRow> &rows)
{
    QList<TKupRow> file;
    for (const TUserKupRow &row : rows) {
        if (!IsChecked(row))
            continue;
        TKupRow r;
        r.Code = row.cells.value(ukCode);
        r.MatchDate = StrToDate(row.cells.value(ukDate));
        r.TimeText = row.cells.value(ukTime);
        r.Diorg = row.cells.value(ukDiorg);
        r.Home = row.cells.value(ukHome);
        r.Away = row.cells.value(ukAway);
        r.Score = row.cells.value(ukScore);
        r.Sign = row.cells.value(ukSign);
        r.Odd1 = row.cells.value(ukOdd1);
        r.OddX = row.cells.value(ukOddX);
        r.Odd2 = row.cells.value(ukOdd2);
        file.append(r);
    }
    return file;
}

void UpdateMatchesFromUserKup(TTavrolinDM &dm, const QList<TUserKupRow> &rows)
{
    for (const TUserKupRow &row : rows) {
        if (!IsChecked(row))
            continue;
        try {
            DbConnection::Lease s = dm.TavrolinDb.Connection().Statement(QString::fromUtf8(kUpdateSql));
            s->BindAll({StrToInt(row.cells.value(ukCode)), StrToFloat(row.cells.value(ukOdd1)),
                        StrToFloat(row.cells.value(ukOddX)), StrToFloat(row.cells.value(ukOdd2)),
                        row.gameNo});
            s->Execute();
        } catch (const Exception &) {
            // A match that cannot take the coupon's values keeps its own; the others go on.
        }
    }
    if (dm.Agvnes.Active())
        dm.Agvnes.Refresh();
}

TRowSortRule UserKupSortRule()
{
    TRowSortRule rule;
    rule.method = TRowSortMethod::RandomPivot;
    rule.numericColumns = {ukCheck, ukCode, ukOdd1, ukOddX, ukOdd2};
    rule.absoluteValues = true;
    return rule;
}

void SortUserKupGrid(QList<TUserKupRow> &rows, int column, const TPivotPicker &picker)
{
    // The match number rides along as a last cell, so every row keeps its match.
    QList<QStringList> cells;
    for (const TUserKupRow &row : rows)
        cells.append(row.cells + QStringList{QString::number(row.gameNo)});
    SortRows(cells, column, UserKupSortRule(), picker);
    for (int i = 0; i < rows.size(); ++i) {
        rows[i].gameNo = cells[i].takeLast().toInt();
        rows[i].cells = cells[i];
    }
}

} // namespace tav::coupons
