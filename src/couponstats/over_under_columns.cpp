#include "couponstats/over_under_columns.h"

namespace tav::couponstats {

namespace {

// Titles of equal width in a row.
void Append(QList<TPageColumn> &columns, std::initializer_list<const char16_t *> titles, int width)
{
    for (const char16_t *title : titles)
        columns.append({QString::fromUtf16(title), width});
}

// Some titles hold Latin letters that look Greek: "A/A", the H and N of "H%", "H", "N", "N%"
// (columns 19, 21, 23, 24, 26) and the B of "ΔB"; the users know the columns by these very texts.
QList<TPageColumn> PageColumns()
{
    QList<TPageColumn> columns{{QString(), 20},
                               {QStringLiteral("ΚΩΔ"), 25},
                               {QStringLiteral("ΔΙΟΡ"), 30},
                               {QStringLiteral("ΗΜ/ΝΙΑ"), 65},
                               {QStringLiteral("ΩΡΑ"), 35},
                               {QStringLiteral("ΓΗΠΕΔΟΥΧΟΣ"), 125},
                               {QStringLiteral("ΦΙΛΟΞΕΝΟΥΜΕΝΗ"), 125}};
    Append(columns, {u"ΑΠ1", u"ΑΠΧ", u"ΑΠ2"}, 30);
    Append(columns, {u"Σ"}, 20);
    Append(columns, {u"A/A"}, 25);
    Append(columns, {u"ΑΓ."}, 20);
    Append(
        columns,
        {u"Β-Γ", u"Ν", u"Ι", u"Η", u"Ν%", u"Ι%", u"H%", u"Β-Φ", u"H", u"Ι", u"N", u"H%", u"Ι%", u"N%", u"ΔB"},
        25);
    Append(columns, {u"ΠΡ"}, 20);
    Append(columns, {u"ΤΑ-1", u"ΤΑ-Χ", u"ΤΑ-2", u"Πρ0"}, 25);
    for (int col = 33; col <= 41; ++col)
        columns.append({QString(), 10});
    Append(
        columns,
        {u"ggip", u"gfil", u"Ahm", u"GGY", u"GGK", u"GFY", u"GFK", u"ΑΓ.Φ", u"OvG", u"UnG", u"OvF", u"Unf"},
        30);
    Append(columns,
           {u"Un/OV", u"G0", u"G1", u"G2", u"G3", u"G4",  u"G5",  u"G6",  u"G7",  u"F0",  u"F1", u"F2",
            u"F3",    u"F4", u"F5", u"F6", u"F7", u"GNG", u"GGG", u"FNG", u"FGG", u"TNG", u"TGG"},
           35);
    for (const char16_t *side : {u"gdt", u"fdt", u"DT"})
        for (const char16_t *margin : {u"0", u"1", u"2", u"3", u"4", u"_1", u"_2", u"_3", u"_4"})
            columns.append({QString::fromUtf16(side) + QString::fromUtf16(margin), 35});
    Append(columns, {u"GNGA", u"GGGA", u"FNGA", u"FGGA"}, 35);
    return columns;
}

QList<int> Range(int from, int to)
{
    QList<int> columns;
    for (int col = from; col <= to; ++col)
        columns.append(col);
    return columns;
}

} // namespace

const TPageColumnSet &OverUnderPageColumns()
{
    static const TPageColumnSet set = [] {
        TPageColumnSet s;
        s.columns = PageColumns();
        // The odds, the row number and the statistics order by size whatever their sign.
        s.sortRule.numericColumns = Range(7, 9) + Range(11, 27) + Range(29, 41);
        s.sortRule.absoluteValues = true;
        s.homeColumn = OuHomePoints;
        s.awayColumn = OuAwayPoints;
        s.differenceColumn = OuDifference;
        s.proposalColumn = OuProposal;
        s.carriedColumns = Range(0, kOverUnderColumns - 1);
        s.editableColumns = {OuProposal, OuProposal0};
        s.saveFields = {OuHomePoints, OuAwayPoints, OuDifference};
        s.printFactor = 0.1;
        s.firstPrintedColumn = 1;
        return s;
    }();
    return set;
}

const TPageColumnSet &OverUnderFirstPageColumns()
{
    static const TPageColumnSet set = [] {
        // The points analysis's first page and a column for the goals at half time.
        TPageColumnSet s = PointsFirstPageColumns();
        s.columns.append({QStringLiteral("Ahm"), 30});
        s.editableColumns = {16};
        return s;
    }();
    return set;
}

} // namespace tav::couponstats
