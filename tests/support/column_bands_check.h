#pragma once

#include "platform/ui/column_bands.h"

#include <QStringList>
#include <QTableView>

// The bands that do not lie over their grid columns, each as "caption: band left+width, columns
// left+width", both measured in the pixels of the window from the grid's own column positions.
inline QStringList BandsOffTheirColumns(const TColumnBands &bands, const QTableView &grid)
{
    QStringList off;
    const QWidget *window = grid.window();
    for (int band = 0; band < bands.Bands().size(); ++band) {
        const TColumnBands::TBand &span = bands.Bands().at(band);
        const int first = grid.columnViewportPosition(span.FirstColumn);
        const int right = grid.columnViewportPosition(span.LastColumn) + grid.columnWidth(span.LastColumn);
        const int columnsLeft = grid.viewport()->mapTo(window, QPoint(first, 0)).x();
        const QRect rect = bands.BandRect(band);
        const int bandLeft = bands.mapTo(window, rect.topLeft()).x();
        if (bandLeft != columnsLeft || rect.width() != right - first)
            off.append(QString("%1: band %2+%3, columns %4+%5")
                           .arg(span.Caption)
                           .arg(bandLeft)
                           .arg(rect.width())
                           .arg(columnsLeft)
                           .arg(right - first));
    }
    return off;
}
