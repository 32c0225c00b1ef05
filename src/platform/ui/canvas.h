#pragma once

#include "platform/core/enum_set.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QImage;
class QPainter;
class QPaintDevice;

// The drawing surface that owner-drawn grid cells and the printer share: a brush, a pen and a font
// set as properties, then text and shapes in device pixels. Rectangles keep the right and bottom
// edges outside the rectangle, so Right - Left is the width.

struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
    static TRect FromQRect(const QRect &rect)
    {
        return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    }
    bool operator==(const TRect &other) const = default;
};

// The sixteen named colours.
inline const QColor clBlack{0, 0, 0};
inline const QColor clMaroon{128, 0, 0};
inline const QColor clGreen{0, 128, 0};
inline const QColor clOlive{128, 128, 0};
inline const QColor clNavy{0, 0, 128};
inline const QColor clPurple{128, 0, 128};
inline const QColor clTeal{0, 128, 128};
inline const QColor clGray{128, 128, 128};
inline const QColor clSilver{192, 192, 192};
inline const QColor clRed{255, 0, 0};
inline const QColor clLime{0, 255, 0};
inline const QColor clYellow{255, 255, 0};
inline const QColor clBlue{0, 0, 255};
inline const QColor clFuchsia{255, 0, 255};
inline const QColor clAqua{0, 255, 255};
inline const QColor clWhite{255, 255, 255};

// A colour stored as the number of the original's colour properties: blue in the high byte, red in
// the low one (16644814 is RGB(206, 250, 253)).
QColor ColorFromNumber(quint32 bgr);

enum TFontStyle
{
    fsBold,
    fsItalic,
    fsUnderline,
    fsStrikeOut
};
using TFontStyles = EnumSet<TFontStyle>;

struct TFont
{
    QString Name = QStringLiteral("Arial");
    int Size = 10; // points
    TFontStyles Style;
    QColor Color = clBlack;
    // The angle of the text's baseline in tenths of a degree, counter-clockwise: 900 reads upwards.
    int Escapement = 0;

    QFont ToQFont() const;
    // The font of a widget; a size given in pixels is turned into points at the given resolution.
    static TFont FromQFont(const QFont &font, const QColor &color, int dotsPerInch);
};

enum TBrushStyle
{
    bsSolid,
    bsClear
};

// Where a line of text sits within the width it is given.
enum TAlignment
{
    taLeftJustify,
    taRightJustify,
    taCenter
};

struct TBrush
{
    QColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

struct TPen
{
    QColor Color = clBlack;
    int Width = 1;
};

class TCanvas
{
public:
    // painter: where drawing goes (none: drawing does nothing); device: whose resolution measures
    // the text (none: the painter's device, else the screen).
    explicit TCanvas(QPainter *painter = nullptr, const QPaintDevice *device = nullptr);

    void SetPainter(QPainter *painter) { painter_ = painter; }

    TFont Font;
    TBrush Brush;
    TPen Pen;

    // Fills with the brush (a clear brush fills nothing).
    void FillRect(const TRect &rect);
    // Text whose top-left corner is (x, y), on the brush's colour unless the brush is clear; with
    // an escapement the text is turned about that corner.
    void TextOut(int x, int y, const QString &text);
    // Fills rect with the brush and writes the text at (x, y), cut at the rectangle's edges.
    void TextRect(const TRect &rect, int x, int y, const QString &text);
    int TextWidth(const QString &text) const;
    int TextHeight(const QString &text) const;

    // The lines a text takes within width: broken at its spaces, each line as long as fits. A word
    // wider than width on its own stays a line of its own.
    QStringList WrapText(const QString &text, int width) const;
    // Writes text within [x, x + width), a line every lineHeight from y down: wrapped at its
    // spaces, and a line that still does not fit in a type small enough that it does, so nothing
    // is ever cut at the edge. Each line is centred within the width when asked. Returns the y
    // below the last line.
    int TextOutWithin(int x, int y, int width, int lineHeight, const QString &text, bool centred = false);
    // Writes one line of text within [x, x + width) at y, placed as aligned: in the canvas's font
    // when it fits, else in a type just small enough, but not below smallestSize points; text that
    // does not fit even then ends in "…", so that nothing is cut at the edge unseen.
    void TextOutFitted(int x, int y, int width, const QString &text, qreal smallestSize,
                       TAlignment alignment = taLeftJustify);

    // A picture whose top-left corner is (x, y), in its own pixels.
    void Draw(int x, int y, const QImage &image);

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint PenPos() const { return penPos_; }
    // Outlined with the pen, filled with the brush; the right and bottom edges lie outside.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect &rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }

private:
    QFontMetrics Metrics() const;
    QFontMetrics Metrics(const QFont &font) const;
    void DrawText(int x, int y, const QString &text);
    void DrawText(int x, int y, const QString &text, const QFont &font);
    // The canvas's font, made smaller where needed for text to fit within width, but not below
    // smallestSize points.
    QFont FontFitting(const QString &text, int width, qreal smallestSize) const;

    QPainter *painter_;
    const QPaintDevice *device_;
    QPoint penPos_;
};
