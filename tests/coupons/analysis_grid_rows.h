#pragma once

#include "coupons/analysis_grid.h"

#include <QList>
#include <QStringList>

// A coupon analysis grid as the screen holds it: the titles of the layout in row 0, then rows of
// that many empty cells.
inline QList<QStringList> AnalysisGrid(bool extended, int rows)
{
    QList<QStringList> grid{tav::coupons::AnalysisTitles(extended)};
    for (int row = 0; row < rows; ++row)
        grid.append(QStringList(grid.first().size()));
    return grid;
}
