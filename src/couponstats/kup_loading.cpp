#include "couponstats/kup_loading.h"

#include "coupons/kup_file.h"
#include "couponstats/score_columns.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"

#include <tuple>

namespace tav::couponstats {

namespace {

constexpr int kProposalColumn = 12;
constexpr int kProposalCopyColumn = 16;
constexpr int kScoreColumn = 17;
constexpr int kHomeGoalsColumn = 42;
constexpr int kAwayGoalsColumn = 43;
constexpr int kHalfTimeColumn = 44;
constexpr int kOddWidth = 8;

// The odd written with the decimal comma, at most as long as its field.
QString CommaOdd(const QString &odd)
{
    QString text = odd;
    text.replace(QChar('.'), QChar(','));
    return text.left(kOddWidth);
}

double OddValue(const QString &odd)
{
    return odd.trimmed().isEmpty() ? 1.0 : StrToFloat(odd.trimmed());
}

bool Withdrawn(const coupons::TKupRow &row, TFirstPageKind kind)
{
    const QString none = QStringLiteral("1,00");
    const bool anyNone = kind == TFirstPageKind::OverUnder || kind == TFirstPageKind::Score;
    const QString odd1 = anyNone ? none : QStringLiteral("1,01");
    return row.Odd1.trimmed() == odd1 || row.OddX.trimmed() == none || row.Odd2.trimmed() == none;
}

bool Taken(const coupons::TKupRow &row, const TKupLoadFilter &filter)
{
    const auto within = [](double value, double from, double to) { return from <= value && value <= to; };
    const int code = StrToInt(row.Code.trimmed());
    return row.MatchDate >= filter.dateFrom && row.MatchDate <= filter.dateTo && code >= filter.codeFrom &&
           code <= filter.codeTo && within(OddValue(row.Odd1), filter.odd1From, filter.odd1To) &&
           within(OddValue(row.Odd2), filter.odd2From, filter.odd2To) &&
           within(OddValue(row.OddX), filter.oddXFrom, filter.oddXTo) &&
           (!filter.competitionTaken || filter.competitionTaken(row.Diorg.trimmed()));
}

QString OddCell(const QString &odd)
{
    return odd.trimmed().isEmpty() ? QStringLiteral("1") : odd;
}

// The part of a score before its first "-" and after it, when the score is long enough to hold both.
std::pair<QString, QString> ScoreParts(const QString &score)
{
    if (score.size() < 3)
        return {};
    const qsizetype dash = score.indexOf(QChar('-'));
    if (dash < 0)
        return {score, QString()};
    return {score.left(dash), score.mid(dash + 1)};
}

QStringList ScoreGridRow(const coupons::TKupRow &row, int number)
{
    QStringList cells(kScoreFirstPageColumns);
    cells[kCheckColumn] = QStringLiteral("1");
    cells[ScNumber] = QString::number(number);
    cells[ScCode] = row.Code;
    cells[ScDiorg] = row.Diorg;
    cells[ScDate] = FormatDateTime(QStringLiteral("dd/mm/yyyy"), row.MatchDate);
    cells[ScHomeTeam] = row.Home;
    cells[ScAwayTeam] = row.Away;
    cells[kOdd1Column] = OddCell(row.Odd1);
    cells[kOddXColumn] = OddCell(row.OddX);
    cells[kOdd2Column] = OddCell(row.Odd2);
    cells[ScSign] = row.Sign;
    cells[ScScore] = row.Score;
    return cells;
}

QStringList GridRow(const coupons::TKupRow &row, int number, TFirstPageKind kind)
{
    if (kind == TFirstPageKind::Score)
        return ScoreGridRow(row, number);
    const bool points = kind != TFirstPageKind::Special;
    QStringList cells(points ? kHalfTimeColumn + 1 : FirstPageColumns().columns.size());
    cells[kCheckColumn] = QStringLiteral("1");
    cells[kCodeColumn] = row.Code;
    cells[kDiorgColumn] = row.Diorg;
    cells[3] = FormatDateTime(QStringLiteral("dd/mm/yyyy"), row.MatchDate);
    cells[4] = row.TimeText;
    cells[5] = row.Home;
    cells[6] = row.Away;
    cells[kOdd1Column] = OddCell(row.Odd1);
    cells[kOddXColumn] = OddCell(row.OddX);
    cells[kOdd2Column] = OddCell(row.Odd2);
    cells[kSignColumn] = row.Sign;
    cells[kNumberColumn] = QString::number(number);
    if (!points) {
        cells[kScoreColumn] = row.Score;
        return cells;
    }
    std::tie(cells[kHomeGoalsColumn], cells[kAwayGoalsColumn]) = ScoreParts(row.Score);
    cells[kHalfTimeColumn] = ScoreParts(row.HT).first;
    return cells;
}

} // namespace

TKupLoadResult LoadKupRows(const QString &path, const TKupLoadFilter *filter, TFirstPageKind kind)
{
    coupons::TKupReadResult read = coupons::ReadKupRecords(path);
    QList<coupons::TKupRow> records;
    for (const coupons::TKupRecord &record : read.records)
        records.append(record.Row);
    coupons::FillDownKupRows(records);

    TKupLoadResult result;
    result.failed = read.failed;
    for (coupons::TKupRow &row : records) {
        row.Odd1 = CommaOdd(row.Odd1);
        row.OddX = CommaOdd(row.OddX);
        row.Odd2 = CommaOdd(row.Odd2);
        try {
            if (Withdrawn(row, kind) || (filter && !Taken(row, *filter)))
                continue;
        } catch (const EConvertError &) {
            // A code or an odd that is no number: the file is not a coupon to its end.
            result.failed = true;
            break;
        }
        result.rows.append(GridRow(row, int(result.rows.size()) + 1, kind));
    }
    return result;
}

void LoadProposalRows(TPageRows &rows, const coupons::TProposalFile &proposal)
{
    for (const coupons::TProposalLine &line : proposal.lines) {
        for (QStringList &row : rows) {
            if (row[kCodeColumn].trimmed() != line.code.trimmed())
                continue;
            row[kProposalColumn] = line.sign;
            row[kProposalCopyColumn] = line.sign;
            if (line.extra.isEmpty())
                continue;
            row[13] = line.extra.value(0);
            row[14] = line.extra.value(1);
            row[15] = line.extra.mid(2).join(QChar(','));
        }
    }
}

void CheckProposalRows(TPageRows &rows, bool checked)
{
    for (QStringList &row : rows) {
        const bool hasProposal = !row[kProposalCopyColumn].trimmed().isEmpty();
        row[kCheckColumn] = hasProposal == checked ? QStringLiteral("1") : QStringLiteral("0");
    }
}

} // namespace tav::couponstats
