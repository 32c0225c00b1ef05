#include "couponstats/score_columns.h"

namespace tav::couponstats {

namespace {

void Append(QList<TPageColumn> &columns, std::initializer_list<const char16_t *> titles, int width)
{
    for (const char16_t *title : titles)
        columns.append({QString::fromUtf16(title), width});
}

QList<int> Range(int from, int to)
{
    QList<int> columns;
    for (int col = from; col <= to; ++col)
        columns.append(col);
    return columns;
}

// "A/A", "HGpts", "AGpts" and the G of "ΓG", "ΦG", "ΔG" are Latin letters: the users know the
// columns by these very texts.
QList<TPageColumn> PageColumns()
{
    QList<TPageColumn> columns{{QString(), 20},
                               {QStringLiteral("A/A"), 30},
                               {QStringLiteral("ΚΩΔ"), 30},
                               {QStringLiteral("ΔΙΟΡ"), 30},
                               {QStringLiteral("ΗΜ/ΝΙΑ"), 65},
                               {QStringLiteral("ΓΗΠΕΔΟΥΧΟΣ"), 125},
                               {QStringLiteral("ΦΙΛΟΞΕΝΟΥΜΕΝΗ"), 125}};
    Append(columns, {u"ΑΠ1", u"ΑΠΧ", u"ΑΠ2"}, 35);
    Append(columns, {u"Σ"}, 20);
    Append(columns, {u"ΣΚΟΡ"}, 30);
    Append(columns, {u"ΑΓ."}, 20);
    Append(columns, {u"ΓΥ", u"ΓΚ"}, 25);
    Append(columns, {u"ΔΤ-Γ"}, 30);
    Append(columns, {u"ΦΥ", u"ΦΚ"}, 25);
    Append(columns, {u"ΔΤ-Φ"}, 30);
    Append(columns, {u"ΔΒ"}, 25);
    Append(columns, {u"ΓG", u"ΦG", u"ΔG"}, 30);
    Append(columns, {u"HGpts", u"AGpts"}, 25);
    Append(columns, {u"0-0", u"1-1", u"2-2", u"3-3", u"4-4", u"1-0", u"2-0", u"2-1", u"3-1", u"3-2", u"4-1",
                     u"4-2", u"4-3", u"0-1", u"0-2", u"1-2", u"1-3", u"2-3", u"1-4", u"2-4", u"3-4"},
           25);
    Append(columns, {u"ΠΡ"}, 25);
    return columns;
}

QList<TPageColumn> FirstColumns()
{
    QList<TPageColumn> columns{{QString(), 20},
                               {QStringLiteral("A/A"), 30},
                               {QStringLiteral("ΚΩΔ"), 35},
                               {QStringLiteral("ΔΙΟΡ"), 35},
                               {QStringLiteral("ΗΜ/ΝΙΑ"), 75},
                               {QStringLiteral("ΓΗΠΕΔΟΥΧΟΣ"), 150},
                               {QStringLiteral("ΦΙΛΟΞΕΝΟΥΜΕΝΗ"), 150}};
    Append(columns, {u"ΑΠ1", u"ΑΠΧ", u"ΑΠ2"}, 35);
    Append(columns, {u"ΣΗΜ", u"ΣΚΟΡ", u"ΠΡΟΤ"}, 30);
    return columns;
}

} // namespace

const TPageColumnSet &ScorePageColumns()
{
    static const TPageColumnSet set = [] {
        TPageColumnSet s;
        s.columns = PageColumns();
        // The row number, the odds and the goal statistics order by size whatever their sign.
        s.sortRule.numericColumns =
            QList<int>{ScNumber} + Range(7, 9) + Range(ScHomeMatches, ScGoalsDifference);
        s.sortRule.absoluteValues = true;
        s.homeColumn = ScHomeDifference;
        s.awayColumn = ScAwayDifference;
        s.differenceColumn = ScDifference;
        s.proposalColumn = ScProposal;
        s.carriedColumns = Range(0, kScoreColumns - 1);
        s.editableColumns = {ScProposal};
        s.saveFields = {ScHomeScored, ScHomeGoals};
        s.firstPrintedColumn = ScNumber;
        return s;
    }();
    return set;
}

const TPageColumnSet &ScoreFirstPageColumns()
{
    static const TPageColumnSet set = [] {
        TPageColumnSet s;
        s.columns = FirstColumns();
        s.sortRule.numericColumns = {ScNumber, 7, 8, 9};
        s.sortRule.absoluteValues = true;
        s.proposalColumn = kScoreFirstPageProposal;
        s.carriedColumns = Range(0, kScoreFirstPageColumns - 1);
        s.numberColumn = ScNumber;
        s.codeColumn = ScCode;
        s.diorgColumn = ScDiorg;
        return s;
    }();
    return set;
}

} // namespace tav::couponstats
