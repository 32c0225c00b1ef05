#pragma once

#include "platform/ui/canvas.h"

#include <QImage>
#include <QString>

namespace tav::coupons {

// The check column of the coupon grids: column 0 holds "1" or "0" and is drawn with the pictures
// "CHECKBMP" (a ticked box) and "UNCHECKBMP" (an empty box), which the program draws itself.
QImage CheckBitmap();
QImage UncheckBitmap();

// Draws the picture of the cell's text at the cell's top left ("1" ticked, "0" empty); other texts
// draw nothing. The caller has filled the cell.
void DrawCheckCell(TCanvas &canvas, const TRect &rect, const QString &text);

// The cell text of a check flag, and the flag of a cell.
inline QString CheckText(bool checked)
{
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}
inline bool IsChecked(const QString &text)
{
    return text.trimmed() == QStringLiteral("1");
}

} // namespace tav::coupons
