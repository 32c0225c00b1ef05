#include "coupons/betbrain_compare.h"

#include "data/data_module.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/text_file.h"
#include "platform/db/sqlite_statement.h"

#include <algorithm>
#include <cmath>

namespace tav::coupons {

using namespace betbrain;

namespace {

// Text compares exactly, case included (the columns' own collation).
const char kServiceTeamSql[] = "SELECT AUTONUM FROM BETBRAINOMADES WHERE OpapName = ?1 LIMIT 1";
const char kProgramTeamSql[] = "SELECT TeamNo FROM Omades WHERE OPAPName = ?1 LIMIT 1";
const char kMappedTeamSql[] = "SELECT AUTONUM FROM BETBRAINOMADES WHERE TavrolinTeamNo = ?1 LIMIT 1";
const char kAveragesSql[] = "SELECT AVGHOME, AVGDraw, AVGAWAY FROM BETBRAIN WHERE bDate = ?1 AND GNo = ?2 "
                            "AND FNo = ?3 LIMIT 1";

// An odds value of the coupon or of the service; a zero or a text that is no number would make
// the deviations and margins endless, so it stops the comparison as a conversion error.
double OddsValue(double value)
{
    if (!(value > 0.0) || !std::isfinite(value))
        throw EConvertError(QStringLiteral("'%1' δεν είναι έγκυρη απόδοση").arg(FloatToStr(value)));
    return value;
}

double OddsValue(const QString &text)
{
    return OddsValue(StrToFloat(text));
}

TBetBrainAverages CheckedAverages(const TBetBrainAverages &a)
{
    return {OddsValue(a.Home), OddsValue(a.Draw), OddsValue(a.Away)};
}

QString OneDecimal(double value)
{
    return Format(QStringLiteral("%.1f"), {value});
}

QString Cell(const QStringList &row, int column)
{
    return row.value(column);
}

QString Escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

TBetBrainLookup::TBetBrainLookup(TTavrolinDM &dm) : dm_(dm) {}

namespace {

// The first row's first column of the keyed statement as a number, 0 when there is none.
qint64 FirstNumber(DbConnection &db, const char *sql, const QVariant &key)
{
    DbConnection::Lease statement = db.Statement(QString::fromUtf8(sql));
    statement->BindAll({key});
    return statement->Step() && !statement->IsNull(0) ? statement->Int64(0) : 0;
}

} // namespace

int TBetBrainLookup::ServiceTeamNo(const QString &couponName)
{
    DbConnection &db = dm_.TavrolinDb.Connection();
    if (const qint64 own = FirstNumber(db, kServiceTeamSql, couponName))
        return int(own);
    const qint64 teamNo = FirstNumber(db, kProgramTeamSql, couponName);
    return teamNo == 0 ? 0 : int(FirstNumber(db, kMappedTeamSql, teamNo));
}

std::optional<TBetBrainAverages> TBetBrainLookup::Find(const QString &home, const QString &away,
                                                       const QDate &date)
{
    const ReadTransaction reading(dm_.TavrolinDb.Connection());
    const int homeNo = ServiceTeamNo(home);
    const int awayNo = ServiceTeamNo(away);
    if (homeNo <= 0 || awayNo <= 0)
        return std::nullopt;
    for (const int shift : {0, -1, 1}) {
        DbConnection::Lease averages = dm_.TavrolinDb.Connection().Statement(QString::fromUtf8(kAveragesSql));
        averages->BindAll({date.addDays(shift), homeNo, awayNo});
        if (averages->Step())
            return TBetBrainAverages{averages->Double(0), averages->Double(1), averages->Double(2)};
    }
    return std::nullopt;
}

std::optional<TBetBrainAverages> TBetBrainLookup::FindRow(const QStringList &row)
{
    return Find(Cell(row, Home), Cell(row, Away), StrToDate(Cell(row, betbrain::Date)));
}

double OddsMargin(double a, double b, double c)
{
    return 100.0 - 100.0 / (1.0 / a + 1.0 / b + 1.0 / c);
}

TBetBrainAverages CouponOdds(const QStringList &row)
{
    return {OddsValue(Cell(row, Odd1)), OddsValue(Cell(row, OddX)), OddsValue(Cell(row, Odd2))};
}

void CompareRow(QStringList &row, const TBetBrainAverages &averages)
{
    const TBetBrainAverages a = CheckedAverages(averages);
    const TBetBrainAverages coupon = CouponOdds(row);
    while (row.size() < ColumnCount)
        row.append(QString());
    const double dev1 = (coupon.Home - a.Home) * 100.0 / a.Home;
    const double devX = (coupon.Draw - a.Draw) * 100.0 / a.Draw;
    const double dev2 = (coupon.Away - a.Away) * 100.0 / a.Away;
    const double favourite = std::min({a.Home, a.Away, a.Draw});
    QString mark;
    const struct
    {
        double average;
        double deviation;
        const char *sign;
    } tests[] = {{a.Home, dev1, "1"}, {a.Away, dev2, "2"}, {a.Draw, devX, "X"}};
    for (const auto &t : tests)
        if (std::abs(favourite - t.average) < 0.001 && t.deviation > 0.01)
            mark = QString::fromLatin1(t.sign);
    row[Avg1] = FloatToStr(a.Home);
    row[AvgX] = FloatToStr(a.Draw);
    row[Avg2] = FloatToStr(a.Away);
    row[Proposal] = mark;
    row[Dev1] = OneDecimal(dev1);
    row[DevX] = OneDecimal(devX);
    row[Dev2] = OneDecimal(dev2);
    row[CouponMarginCol] = OneDecimal(OddsMargin(coupon.Home, coupon.Draw, coupon.Away));
    row[AverageMarginCol] = OneDecimal(OddsMargin(a.Home, a.Draw, a.Away));
}

QString ProposalScoreText(const QList<QStringList> &rows)
{
    int proposals = 0;
    int hits = 0;
    int decided = 0;
    double yield = 0.0;
    for (const QStringList &row : rows) {
        const QString proposal = Cell(row, Proposal).trimmed();
        if (proposal.isEmpty())
            continue;
        ++proposals;
        const QString sign = Cell(row, Sign).trimmed();
        if (sign == proposal) {
            ++hits;
            const int column = proposal == QLatin1String("1")   ? Odd1
                               : proposal == QLatin1String("2") ? Odd2
                                                                : OddX;
            yield += StrToFloat(Cell(row, column));
        }
        if (!sign.isEmpty())
            ++decided;
    }
    return QStringLiteral("Αγώνες :%1  Επιτυχίες %2 από %3 Αποδοση :%4")
        .arg(proposals)
        .arg(hits)
        .arg(decided)
        .arg(Format(QStringLiteral("%.2f"), {yield}));
}

QStringList ComparisonPageRow(const QStringList &row, const std::optional<TBetBrainAverages> &averages)
{
    const auto td = [](const char *width, const QString &text) {
        return QStringLiteral("<td width=\"%1\">%2</td>").arg(QString::fromLatin1(width), text);
    };
    const auto c = [&row](int column) { return Escaped(Cell(row, column)); };
    QStringList lines;
    lines << QStringLiteral("<tr>")
          << td("6%", QStringLiteral("&nbsp;") + Escaped(Cell(row, Diorg).trimmed()))
          << td("10%", c(betbrain::Date)) << td("6%", c(Time)) << td("6%", c(Code))
          << QStringLiteral("<td width=\"12%\">") + c(Home) + QStringLiteral("&nbsp;").repeated(12)
          << QStringLiteral("</td>") << QStringLiteral("<td width=\"4%\">&nbsp;</td>")
          << QStringLiteral("<td width=\"12%\">") + c(Away) + QStringLiteral("&nbsp;").repeated(13)
          << QStringLiteral("</td>") << td("11%", c(Odd1)) << td("8%", c(OddX)) << td("7%", c(Odd2));
    const TBetBrainAverages coupon = CouponOdds(row);
    lines << td("6%", OneDecimal(OddsMargin(coupon.Home, coupon.Draw, coupon.Away)))
          << QStringLiteral("<td width=\"3%\">&nbsp;</td>");
    const QString wide = QStringLiteral("<td width=\"10%\" nowrap>%1</td>");
    if (averages) {
        const TBetBrainAverages a = CheckedAverages(*averages);
        lines << wide.arg(FloatToStr(a.Home)) << wide.arg(FloatToStr(a.Draw)) << wide.arg(FloatToStr(a.Away))
              << wide.arg(OneDecimal(OddsMargin(a.Home, a.Draw, a.Away)))
              << wide.arg(QStringLiteral("&nbsp;"));
    } else {
        for (int i = 0; i < 5; ++i)
            lines << wide.arg(QStringLiteral("&nbsp;"));
    }
    for (const int column : {Score, Sign}) {
        const QString text = Cell(row, column).trimmed();
        lines << td("5%", text.isEmpty() ? QStringLiteral("&nbsp;") : Escaped(Cell(row, column)));
    }
    lines << QStringLiteral("</tr>");
    return lines;
}

QString KupPrefix(const QString &kupFileName)
{
    const int underscore = kupFileName.indexOf(QLatin1Char('_'));
    return underscore < 0 ? QString() : kupFileName.left(underscore + 1);
}

void WriteBetBrainProposal(const QString &path, const QString &kupFileName, const QList<QStringList> &rows,
                           int from, int to, const QStringList &notes)
{
    QStringList lines{KupPrefix(kupFileName), QStringLiteral("ΠΕΛΒΟΡΑΝΣ"), QStringLiteral("55")};
    for (int r = std::max(from, 1); r <= to && r <= rows.size(); ++r) {
        const QStringList &row = rows.at(r - 1);
        const QString sign = Cell(row, Proposal).trimmed();
        if (!sign.isEmpty() && !Cell(row, Code).trimmed().isEmpty())
            lines << Cell(row, Code) + QLatin1Char(',') + sign;
    }
    for (const QString &note : notes)
        lines << QLatin1Char('#') + note;
    WriteTextLines(path, lines);
}

} // namespace tav::coupons
