#include "coupons/analysis_grid.h"

namespace tav::coupons {

// The "Χ" of the titles is the Greek capital chi; "AN", "AΠ", "A/A" begin with the Latin A and
// "ΚΩΔ OΠΑΠ" holds a Latin O.
QStringList AnalysisTitles(bool extended)
{
    QStringList titles = {QStringLiteral("ΗΜ/ΝΙΑ"), QStringLiteral("ΩΡΑ"),      QStringLiteral("ΔΙΟΡ"),
                          QStringLiteral("ΟΜΑΔΕΣ"), QStringLiteral("Τελ. Φ."),  QStringLiteral("Τελ. Γ."),
                          QStringLiteral("AN 1"),   QStringLiteral("AN Χ"),     QStringLiteral("AN 2"),
                          QStringLiteral("ΠΡ 1"),   QStringLiteral("ΠΡ Χ"),     QStringLiteral("ΠΡ 2"),
                          QStringLiteral("ΠΛ 1"),   QStringLiteral("ΠΛ Χ"),     QStringLiteral("ΠΛ 2"),
                          QStringLiteral("1"),      QStringLiteral("Χ"),        QStringLiteral("2"),
                          QStringLiteral("ΣΗΜ"),    QStringLiteral("ΚΩΔ OΠΑΠ"), QStringLiteral("Π1"),
                          QStringLiteral("ΠΧ"),     QStringLiteral("Π2"),       QStringLiteral("AΠ 1"),
                          QStringLiteral("AΠ Χ"),   QStringLiteral("AΠ 2"),     QStringLiteral("A/A")};
    if (extended)
        titles << QStringLiteral("T-1") << QStringLiteral("T-Χ") << QStringLiteral("T-2");
    titles << QStringLiteral("ΠΡ");
    return titles;
}

QList<int> AnalysisWidths(bool extended)
{
    QList<int> widths = {62, 30, 32, 100, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30,
                         30, 30, 30, 30,  20, 30, 30, 30, 30, 35, 35, 35, 30};
    if (extended)
        widths << 30 << 30 << 30;
    widths << 30;
    return widths;
}

} // namespace tav::coupons
