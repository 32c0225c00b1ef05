#include "platform/ui/canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

QColor ColorFromNumber(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QFont TFont::ToQFont() const
{
    QFont font(Name);
    font.setPointSize(Size);
    font.setBold(Style.Contains(fsBold));
    font.setItalic(Style.Contains(fsItalic));
    font.setUnderline(Style.Contains(fsUnderline));
    font.setStrikeOut(Style.Contains(fsStrikeOut));
    return font;
}

TFont TFont::FromQFont(const QFont &font, const QColor &color, int dotsPerInch)
{
    TFont result;
    result.Name = font.family();
    result.Size =
        font.pointSize() > 0 ? font.pointSize() : int(std::lround(font.pixelSize() * 72.0 / dotsPerInch));
    if (font.bold())
        result.Style.Include(fsBold);
    if (font.italic())
        result.Style.Include(fsItalic);
    if (font.underline())
        result.Style.Include(fsUnderline);
    if (font.strikeOut())
        result.Style.Include(fsStrikeOut);
    result.Color = color;
    return result;
}

TCanvas::TCanvas(QPainter *painter, const QPaintDevice *device) : painter_(painter), device_(device) {}

QFontMetrics TCanvas::Metrics() const
{
    return Metrics(Font.ToQFont());
}

QFontMetrics TCanvas::Metrics(const QFont &font) const
{
    // Point sizes become pixels at the resolution of the device the text goes to.
    const QPaintDevice *device = device_ ? device_ : (painter_ ? painter_->device() : nullptr);
    return device ? QFontMetrics(font, device) : QFontMetrics(font);
}

void TCanvas::FillRect(const TRect &rect)
{
    if (painter_ && Brush.Style == bsSolid)
        painter_->fillRect(rect.ToQRect(), Brush.Color);
}

void TCanvas::DrawText(int x, int y, const QString &text)
{
    DrawText(x, y, text, Font.ToQFont());
}

void TCanvas::DrawText(int x, int y, const QString &text, const QFont &font)
{
    painter_->setFont(font);
    painter_->setPen(Font.Color);
    painter_->drawText(x, y + Metrics(font).ascent(), text);
}

void TCanvas::TextOut(int x, int y, const QString &text)
{
    if (!painter_)
        return;
    if (Font.Escapement != 0) {
        painter_->save();
        painter_->translate(x, y);
        painter_->rotate(-Font.Escapement / 10.0);
        FillRect({0, 0, TextWidth(text), TextHeight(text)});
        DrawText(0, 0, text);
        painter_->restore();
        return;
    }
    FillRect({x, y, x + TextWidth(text), y + TextHeight(text)});
    DrawText(x, y, text);
    penPos_ = QPoint(x + TextWidth(text), y);
}

void TCanvas::TextRect(const TRect &rect, int x, int y, const QString &text)
{
    if (!painter_)
        return;
    FillRect(rect);
    painter_->save();
    painter_->setClipRect(rect.ToQRect(), Qt::IntersectClip);
    DrawText(x, y, text);
    painter_->restore();
}

void TCanvas::Draw(int x, int y, const QImage &image)
{
    if (painter_)
        painter_->drawImage(x, y, image);
}

int TCanvas::TextWidth(const QString &text) const
{
    return Metrics().horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString &) const
{
    return Metrics().height();
}

QStringList TCanvas::WrapText(const QString &text, int width) const
{
    const QFontMetrics metrics = Metrics();
    QStringList lines;
    QString line;
    // Words keep the spaces before them, so a line that fits keeps its spacing as written.
    static const QRegularExpression word(QStringLiteral("\\s*\\S+"));
    for (QRegularExpressionMatchIterator words = word.globalMatch(text); words.hasNext();) {
        const QString next = words.next().captured();
        if (line.isEmpty() || metrics.horizontalAdvance(line + next) <= width) {
            line += line.isEmpty() && !lines.isEmpty() ? next.trimmed() : next;
            continue;
        }
        lines.append(line);
        line = next.trimmed();
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines.append(line);
    return lines;
}

QFont TCanvas::FontFitting(const QString &text, int width, qreal smallestSize) const
{
    QFont font = Font.ToQFont();
    const int textWidth = Metrics(font).horizontalAdvance(text);
    if (textWidth <= width || width <= 0 || font.pointSizeF() <= smallestSize)
        return font;
    // Widths follow the type size closely but not exactly: step down until the text fits.
    qreal size = std::max(smallestSize, font.pointSizeF() * width / textWidth);
    font.setPointSizeF(size);
    while (size > smallestSize && Metrics(font).horizontalAdvance(text) > width) {
        size = std::max(smallestSize, size * 0.95);
        font.setPointSizeF(size);
    }
    return font;
}

int TCanvas::TextOutWithin(int x, int y, int width, int lineHeight, const QString &text, bool centred)
{
    for (const QString &line : WrapText(text, width)) {
        const QFont font = FontFitting(line, width, 1);
        const int lineWidth = Metrics(font).horizontalAdvance(line);
        const int left = centred ? x + (width - lineWidth) / 2 : x;
        if (painter_) {
            FillRect({left, y, left + lineWidth, y + Metrics(font).height()});
            DrawText(left, y, line, font);
        }
        penPos_ = QPoint(left + lineWidth, y);
        y += lineHeight;
    }
    return y;
}

void TCanvas::TextOutFitted(int x, int y, int width, const QString &text, qreal smallestSize,
                            TAlignment alignment)
{
    const QFont font = FontFitting(text, width, smallestSize);
    const QFontMetrics metrics = Metrics(font);
    QString shown = text;
    if (metrics.horizontalAdvance(shown) > width) {
        // As much of the beginning as fits together with the mark; the mark alone at the least.
        const QString mark(QChar(0x2026));
        qsizetype kept = text.size();
        while (kept > 0 && metrics.horizontalAdvance(text.left(kept).trimmed() + mark) > width)
            --kept;
        shown = text.left(kept).trimmed() + mark;
    }
    const int shownWidth = metrics.horizontalAdvance(shown);
    int left = x;
    if (alignment == taRightJustify)
        left = x + width - shownWidth;
    else if (alignment == taCenter)
        left = x + (width - shownWidth) / 2;
    if (painter_) {
        FillRect({left, y, left + shownWidth, y + metrics.height()});
        DrawText(left, y, shown, font);
    }
    penPos_ = QPoint(left + shownWidth, y);
}

void TCanvas::MoveTo(int x, int y)
{
    penPos_ = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y)
{
    if (painter_) {
        painter_->setPen(QPen(Pen.Color, Pen.Width));
        painter_->drawLine(penPos_, QPoint(x, y));
    }
    penPos_ = QPoint(x, y);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (!painter_)
        return;
    painter_->setPen(QPen(Pen.Color, Pen.Width));
    painter_->setBrush(Brush.Style == bsSolid ? QBrush(Brush.Color) : QBrush(Qt::NoBrush));
    painter_->drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}
