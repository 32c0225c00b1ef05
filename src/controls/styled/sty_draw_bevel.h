#pragma once

#include <QColor>
#include <QObject>
#include <QRect>

class QPainter;

namespace tav::styled::bevel {
Q_NAMESPACE

// The custom bevels of a panel's border.
enum TStyBevelStyle
{
    bvNone,
    bvLowered,
    bvRaised,
    bvFrameLowered,
    bvFrameRaised,
    bvNormal,
    bvShadow
};
Q_ENUM_NS(TStyBevelStyle)

// How a border is drawn: custom bevels around a coloured frame, a standard border style, an
// edge on chosen sides, or the window's own frame.
enum TStyBevelMode
{
    bmCustom,
    bmStandard,
    bmEdge,
    bmWindows
};
Q_ENUM_NS(TStyBevelMode)

enum TStyEdgeStyle
{
    etRaisedInner,
    etRaisedOuter,
    etSunkenInner,
    etSunkenOuter,
    etBump,
    etEtched,
    etRaised,
    etSunken
};
Q_ENUM_NS(TStyEdgeStyle)

enum TStyFrameSide
{
    fsBottom = 0x1,
    fsLeft = 0x2,
    fsRight = 0x4,
    fsTop = 0x8
};
Q_DECLARE_FLAGS(TStyFrameSides, TStyFrameSide)
Q_FLAG_NS(TStyFrameSides)

} // namespace tav::styled::bevel

Q_DECLARE_OPERATORS_FOR_FLAGS(tav::styled::bevel::TStyFrameSides)

// The pixel work of a custom bevel. Like the other drawing routines, each moves rect inward by
// what it drew.
namespace tav::styled {
using namespace bevel;

// A bevel of the style, width lines thick: raised is light at the top and left and shadow at the
// bottom and right, lowered the other way round; the frame styles are two offset frames of the
// width (one pixel wider in all); bvNormal is a plain frame in the shadow colour.
void DrawBevelEdge(QPainter &painter, QRect &rect, TStyBevelStyle style, int width, const QColor &light,
                   const QColor &shadow);
// The shadowed border: a strip of shadowWidth in shadowColor along the right and bottom, set off
// by shadowWidth from the top and left corners (the corners it leaves are filled with fillColor
// unless suppressFill), then frameWidth one-pixel frames in frameColor around the rest.
void DrawBevelBorder(QPainter &painter, QRect &rect, const QColor &frameColor, int frameWidth,
                     const QColor &shadowColor, int shadowWidth, const QColor &fillColor, bool suppressFill);
// width one-pixel frames in color, the rectangle moving in by one each time; with suppressFill
// only the rectangle moves.
void DrawFrames(QPainter &painter, QRect &rect, const QColor &color, int width, bool suppressFill);

} // namespace tav::styled
