#include "coupons/ui/check_column.h"

#include <QPainter>

namespace tav::coupons {

namespace {

constexpr int kSide = 13;

QImage Box(bool ticked)
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, kSide - 1, kSide - 1);
    if (ticked) {
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(3, 6, 5, 9);
        painter.drawLine(5, 9, 10, 3);
    }
    return image;
}

} // namespace

QImage CheckBitmap()
{
    static const QImage image = Box(true);
    return image;
}

QImage UncheckBitmap()
{
    static const QImage image = Box(false);
    return image;
}

void DrawCheckCell(TCanvas &canvas, const TRect &rect, const QString &text)
{
    if (text == QStringLiteral("1"))
        canvas.Draw(rect.Left, rect.Top, CheckBitmap());
    else if (text == QStringLiteral("0"))
        canvas.Draw(rect.Left, rect.Top, UncheckBitmap());
}

} // namespace tav::coupons
