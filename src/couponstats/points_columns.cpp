#include "couponstats/points_columns.h"

namespace tav::couponstats {

namespace {

coupons::TRowSortRule PointsSortRule()
{
    coupons::TRowSortRule rule;
    rule.numericColumns = {7, 8, 9};
    for (int col = 11; col <= 27; ++col)
        rule.numericColumns.append(col);
    for (int col = 29; col <= 41; ++col)
        rule.numericColumns.append(col);
    rule.absoluteValues = true;
    return rule;
}

} // namespace

const TPageColumnSet &PointsPageColumns()
{
    static const TPageColumnSet set = [] {
        // Columns 19, 21, 23, 24 and 26 are titled with the Latin H and N, and ΔB with a Latin B.
        const std::pair<const char *, int> columns[PtColumnCount] = {{"", 20},
                                                                     {"ΚΩΔ", 25},
                                                                     {"ΔΙΟΡ", 30},
                                                                     {"ΗΜ/ΝΙΑ", 65},
                                                                     {"ΩΡΑ", 35},
                                                                     {"ΓΗΠΕΔΟΥΧΟΣ", 125},
                                                                     {"ΦΙΛΟΞΕΝΟΥΜΕΝΗ", 125},
                                                                     {"ΑΠ1", 30},
                                                                     {"ΑΠΧ", 30},
                                                                     {"ΑΠ2", 30},
                                                                     {"Σ", 20},
                                                                     {"A/A", 25},
                                                                     {"ΑΓ.", 20},
                                                                     {"Β-Γ", 25},
                                                                     {"Ν", 25},
                                                                     {"Ι", 25},
                                                                     {"Η", 25},
                                                                     {"Ν%", 25},
                                                                     {"Ι%", 25},
                                                                     {"H%", 25},
                                                                     {"Β-Φ", 25},
                                                                     {"H", 25},
                                                                     {"Ι", 25},
                                                                     {"N", 25},
                                                                     {"H%", 25},
                                                                     {"Ι%", 25},
                                                                     {"N%", 25},
                                                                     {"ΔB", 25},
                                                                     {"ΠΡ", 20},
                                                                     {"ΤΑ-1", 25},
                                                                     {"ΤΑ-Χ", 25},
                                                                     {"ΤΑ-2", 25},
                                                                     {"Πρ0", 25},
                                                                     {"S1", 25},
                                                                     {"SX", 25},
                                                                     {"S2", 25},
                                                                     {"d1", 25},
                                                                     {"dX", 25},
                                                                     {"d2", 25},
                                                                     {"s1x", 25},
                                                                     {"sx2", 25},
                                                                     {"tim", 25},
                                                                     {"ggip", 30},
                                                                     {"gfil", 30}};
        TPageColumnSet s;
        for (const auto &[title, width] : columns)
            s.columns.append({QString::fromUtf8(title), width});
        s.sortRule = PointsSortRule();
        s.homeColumn = PtHomePoints;
        s.awayColumn = PtAwayPoints;
        s.differenceColumn = PtDifference;
        s.proposalColumn = PtProposal;
        for (int col = 0; col < PtColumnCount; ++col)
            s.carriedColumns.append(col);
        s.editableColumns = {PtProposal, PtFree};
        s.saveFields = {PtHomePoints, PtAwayPoints, PtDifference};
        s.printFactor = 0.1;
        s.firstPrintedColumn = kCodeColumn;
        return s;
    }();
    return set;
}

} // namespace tav::couponstats
