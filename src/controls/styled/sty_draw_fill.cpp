#include "controls/styled/sty_draw_fill.h"

#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_gradient.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <cmath>

namespace tav::styled {
namespace {

int Part(int index, int length, int count)
{
    return static_cast<int>(std::lround(static_cast<double>(index) * length / count));
}

// Nested rectangles shrinking towards the corner (or, for the square style, the centre) that the
// style names; the outermost takes the first colour.
void FillNested(QPainter &painter, const QRect &rect, const QList<QColor> &colors, TStyGradientStyle style)
{
    const int n = static_cast<int>(colors.size());
    for (int i = 0; i < n; ++i) {
        const int w = rect.width() - Part(i, rect.width(), n), h = rect.height() - Part(i, rect.height(), n);
        QRect band(rect.topLeft(), QSize(w, h));
        switch (style) {
        case gstSquare:
            band.moveCenter(rect.center());
            break;
        case gstTopRight:
            band.moveTopRight(rect.topRight());
            break;
        case gstBottomLeft:
            band.moveBottomLeft(rect.bottomLeft());
            break;
        case gstBottomRight:
            band.moveBottomRight(rect.bottomRight());
            break;
        default:
            break;
        }
        painter.fillRect(band, colors[i]);
    }
}

} // namespace

void DrawMaskedImage(QPainter &painter, const QRect &target, const QImage &image, const QImage &mask,
                     const QRect &source)
{
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(target, mask.convertToFormat(QImage::Format_RGB32), source);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(target, image.convertToFormat(QImage::Format_RGB32), source);
    painter.setCompositionMode(mode);
}

void DrawTransparentBitmap(QPainter &painter, const QRect &target, const QImage &image,
                           const QColor &transparent)
{
    QImage shown = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.rgb() & RGB_MASK;
    for (int y = 0; y < shown.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
    }
    painter.drawImage(target.topLeft(), shown);
}

void DrawBitmapMode(QPainter &painter, const QRect &rect, const QImage &image, TStyBitmapMode mode,
                    const QRegion *clip)
{
    if (image.isNull())
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    if (clip)
        painter.setClipRegion(*clip, Qt::IntersectClip);
    switch (mode) {
    case bmTile:
        painter.drawTiledPixmap(rect, QPixmap::fromImage(image));
        break;
    case bmStretch:
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect, image);
        break;
    case bmCenter: {
        QRect centred(QPoint(0, 0), image.size());
        centred.moveCenter(rect.center());
        painter.drawImage(centred.topLeft(), image);
        break;
    }
    case bmTransparent:
        DrawTransparentBitmap(painter, rect, image, image.pixelColor(0, image.height() - 1));
        break;
    }
    painter.restore();
}

QImage MakeDisabledBitmap(const QImage &glyph, const QColor &transparent)
{
    const QImage source = glyph.convertToFormat(QImage::Format_RGB32);
    QImage result(source.size(), QImage::Format_RGB32);
    result.fill(transparent);
    const QRgb key = transparent.rgb() & RGB_MASK;
    const auto dark = [&](int x, int y) {
        const QRgb pixel = source.pixel(x, y) & RGB_MASK;
        return pixel != key && qGray(pixel) < 192;
    };
    const QRgb highlight = SysBtnHighlight().rgb(), shadow = SysBtnShadow().rgb();
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (dark(x, y) && x + 1 < source.width() && y + 1 < source.height())
                result.setPixel(x + 1, y + 1, highlight);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (dark(x, y))
                result.setPixel(x, y, shadow);
    return result;
}

QImage MakeShadedBitmap(const QImage &glyph, const QColor &transparent)
{
    QImage result = glyph.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparent.rgb() & RGB_MASK;
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & RGB_MASK) != key) {
                const int grey = qGray(line[x]);
                line[x] = qRgb(grey, grey, grey);
            }
    }
    return result;
}

void FillBitmapRect(QImage &bitmap, const QRect &rect, const QColor &color)
{
    bitmap = QImage(rect.size(), QImage::Format_RGB32);
    bitmap.fill(color);
}

void FillGradient(QPainter &painter, const QRect &rect, const TStyGradient &gradient)
{
    const QList<QColor> &colors = gradient.Colors();
    const int n = static_cast<int>(colors.size());
    if (n == 0 || rect.isEmpty())
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    const int w = rect.width(), h = rect.height();
    switch (gradient.Style()) {
    case gstHorizontal:
        for (int i = 0; i < n; ++i)
            painter.fillRect(
                QRect(rect.left() + Part(i, w, n), rect.top(), Part(i + 1, w, n) - Part(i, w, n), h),
                colors[i]);
        break;
    case gstVertical:
        for (int i = 0; i < n; ++i)
            painter.fillRect(
                QRect(rect.left(), rect.top() + Part(i, h, n), w, Part(i + 1, h, n) - Part(i, h, n)),
                colors[i]);
        break;
    case gstElliptic: {
        // The first ellipse reaches the corners; each next one is smaller about the centre.
        const double rx = w / std::sqrt(2.0), ry = h / std::sqrt(2.0);
        for (int i = 0; i < n; ++i) {
            painter.setBrush(colors[i]);
            const double scale = double(n - i) / n;
            painter.drawEllipse(QPointF(rect.left() + w / 2.0, rect.top() + h / 2.0), rx * scale, ry * scale);
        }
        break;
    }
    case gstTopLeftDiagonal:
    case gstTopRightDiagonal: {
        const bool fromLeft = gradient.Style() == gstTopLeftDiagonal;
        const int span = w + h;
        for (int i = 0; i < n; ++i) {
            const int from = Part(i, span, n), to = Part(i + 1, span, n);
            QPolygon band;
            if (fromLeft)
                band << QPoint(rect.left() + from, rect.top()) << QPoint(rect.left() + to, rect.top())
                     << QPoint(rect.left(), rect.top() + to) << QPoint(rect.left(), rect.top() + from);
            else
                band << QPoint(rect.left() + w - from, rect.top()) << QPoint(rect.left() + w - to, rect.top())
                     << QPoint(rect.left() + w, rect.top() + to)
                     << QPoint(rect.left() + w, rect.top() + from);
            painter.setBrush(colors[i]);
            painter.drawPolygon(band);
        }
        break;
    }
    default:
        FillNested(painter, rect, colors, gradient.Style());
        break;
    }
    painter.restore();
}

} // namespace tav::styled
