#include "couponstats/page_columns.h"

namespace tav::couponstats {

QList<TPageColumn> CouponColumns()
{
    return {{QString(), 20},
            {QStringLiteral("ΚΩΔ"), 35},
            {QStringLiteral("ΔΙΟΡ"), 35},
            {QStringLiteral("ΗΜ/ΝΙΑ"), 75},
            {QStringLiteral("ΩΡΑ"), 35},
            {QStringLiteral("ΓΗΠΕΔΟΥΧΟΣ"), 150},
            {QStringLiteral("ΦΙΛΟΞΕΝΟΥΜΕΝΗ"), 150},
            {QStringLiteral("ΑΠ1"), 35},
            {QStringLiteral("ΑΠΧ"), 35},
            {QStringLiteral("ΑΠ2"), 35},
            {QStringLiteral("ΣΗΜ"), 30},
            {QStringLiteral("A/A"), 30}};
}

namespace {

TPageColumnSet FirstPageSet(QList<TPageColumn> columns)
{
    TPageColumnSet set;
    set.columns = std::move(columns);
    set.sortRule = coupons::FirstPageSortRule();
    set.homeColumn = 13;
    set.awayColumn = 14;
    // A loaded proposal brings its difference along; the bounds of the first fill read them.
    set.differenceColumn = 15;
    set.proposalColumn = 12;
    set.editableColumns = {15, 16};
    return set;
}

} // namespace

const TPageColumnSet &SpecialPageColumns()
{
    static const TPageColumnSet set = [] {
        TPageColumnSet s;
        s.columns =
            CouponColumns() + QList<TPageColumn>{{QStringLiteral("Β-ΓΗΠ"), 35}, {QStringLiteral("Β-ΦΙΛ"), 35},
                                                 {QStringLiteral("ΔΙΑΦ"), 35},  {QStringLiteral("ΠΡΟΤ"), 35},
                                                 {QStringLiteral("Προτ0"), 35}, {QStringLiteral("ΣΚΟΡ"), 35}};
        s.sortRule = coupons::PageSortRule();
        s.homeColumn = 12;
        s.awayColumn = 13;
        s.differenceColumn = 14;
        s.proposalColumn = 15;
        s.carriedColumns = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 17};
        s.editableColumns = {15, 16};
        s.saveFields = {12, 13, 14};
        s.summaryColumn = 14;
        return s;
    }();
    return set;
}

const TPageColumnSet &FirstPageColumns()
{
    static const TPageColumnSet set =
        FirstPageSet(CouponColumns() + QList<TPageColumn>{{QStringLiteral("Προτ0"), 30},
                                                          {QStringLiteral("Β-ΓΗΠ"), 30},
                                                          {QStringLiteral("Β-ΦΙΛ"), 30},
                                                          {QStringLiteral("ΔΙΑΦ"), 30},
                                                          {QStringLiteral("Προτ0"), 30},
                                                          {QStringLiteral("ΣΚΟΡ"), 35}});
    return set;
}

const TPageColumnSet &PointsFirstPageColumns()
{
    static const TPageColumnSet set = [] {
        QList<TPageColumn> columns = CouponColumns() + QList<TPageColumn>{{QStringLiteral("Προτ0"), 30},
                                                                          {QStringLiteral("Β-ΓΗΠ"), 30},
                                                                          {QStringLiteral("Β-ΦΙΛ"), 30},
                                                                          {QStringLiteral("ΔΙΑΦ"), 30},
                                                                          {QStringLiteral("Προτ0"), 30}};
        while (columns.size() < 42)
            columns.append({QString(), 30});
        columns.append({QStringLiteral("Ggip"), 30});
        columns.append({QStringLiteral("Gfil"), 30});
        TPageColumnSet s = FirstPageSet(columns);
        // Only the second proposal column takes the user's own sign.
        s.editableColumns = {16};
        return s;
    }();
    return set;
}

} // namespace tav::couponstats
