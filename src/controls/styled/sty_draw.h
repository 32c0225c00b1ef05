#pragma once

#include <QColor>
#include <QObject>
#include <QRect>

class QPainter;
class QWidget;

namespace tav::styled::look {
Q_NAMESPACE

// The frames a control can draw around itself.
enum TStyBorderStyle
{
    lsNone,
    lsSingle,
    lsLowered,
    lsRaised,
    lsRaisedspb,
    lsLoweredspb,
    lsRaisedExt,
    lsLoweredExt,
    lsFrameInset,
    lsFrameOffset,
    lsWindowBorder,
    lsSingleRaised,
    lsSingleLowered,
    lsDoubleRaised,
    lsDoubleLowered
};
Q_ENUM_NS(TStyBorderStyle)

// The looks of a push button.
enum TStyUserButtonStyle
{
    ubsAutoDetect,
    ubsWin31,
    ubsWin40,
    ubsDelphi,
    ubsDelphiFlat,
    ubsFlat,
    ubsFlatUnColored,
    ubsNavigator,
    ubsExplorer,
    ubsExplorerColored,
    ubsIntegrated,
    ubsWinXP,
    ubsWinXPCombo,
    ubsWinXPTool
};
Q_ENUM_NS(TStyUserButtonStyle)

} // namespace tav::styled::look

// Edges, borders and button faces drawn with the palette's light, midlight, dark and shadow
// colours. Rectangles are taken and given back as drawn areas; a routine that draws a frame moves
// the rectangle inward by the frame's width.
namespace tav::styled {
using namespace look;

// Edge kinds: one outer and one inner line, raised or sunken.
inline constexpr unsigned BDR_RAISEDOUTER = 0x1;
inline constexpr unsigned BDR_SUNKENOUTER = 0x2;
inline constexpr unsigned BDR_RAISEDINNER = 0x4;
inline constexpr unsigned BDR_SUNKENINNER = 0x8;
inline constexpr unsigned EDGE_RAISED = 0x5;
inline constexpr unsigned EDGE_SUNKEN = 0xA;
inline constexpr unsigned EDGE_ETCHED = 0x6;
// Sides and options of an edge.
inline constexpr unsigned BF_LEFT = 0x1;
inline constexpr unsigned BF_TOP = 0x2;
inline constexpr unsigned BF_RIGHT = 0x4;
inline constexpr unsigned BF_BOTTOM = 0x8;
inline constexpr unsigned BF_RECT = 0xF;
inline constexpr unsigned BF_MIDDLE = 0x800;
inline constexpr unsigned BF_SOFT = 0x1000;
inline constexpr unsigned BF_ADJUST = 0x2000;

// Button frame flags.
inline constexpr unsigned bfNormalFrame = 0x1;
inline constexpr unsigned bfActive = 0x2;
inline constexpr unsigned bfSpeedButton = 0x4;
inline constexpr unsigned bfSunkenDown = 0x8;
inline constexpr unsigned bfFilledFrame = 0x10;
inline constexpr unsigned bfFocused = 0x20;
inline constexpr unsigned bfMouseOver = 0x40;
inline constexpr unsigned bfSplit = 0x80;
inline constexpr unsigned bfSplitDropDown = 0x100;

// Button draw states.
inline constexpr int dsNormal = 0;
inline constexpr int dsDisabled = 1;
inline constexpr int dsHot = 2;
inline constexpr int dsLatched = 3;
inline constexpr int dsPressed = 4;

// One edge on the chosen sides; with BF_ADJUST the rectangle moves in by the lines drawn.
void DrawEdge(QPainter &painter, QRect &rect, unsigned edge, unsigned flags);
// Draws a border style; flags are added to the first edge drawn. Always true.
bool DrawStandardBorder(QPainter &painter, QRect &rect, TStyBorderStyle style, unsigned flags = 0);
int StandardBorderWidth(TStyBorderStyle style);

bool IsFlatButtonStyle(TStyUserButtonStyle style);
// The look a button draws: the themed looks become their classic counterparts while themes are
// off, and the automatic look becomes the themed push button while they are on.
TStyUserButtonStyle ResolveButtonStyle(TStyUserButtonStyle style);
// A button's face in the resolved look; rect becomes the area left for the content.
void DrawButtonFace(const QWidget *control, QPainter &painter, bool hot, const QColor &color, unsigned flags,
                    int drawState, TStyUserButtonStyle extStyle, QRect &rect);
void DrawClassicButton(QPainter &painter, const QColor &color, unsigned flags, int drawState,
                       TStyUserButtonStyle look, QRect &rect);
// A dotted frame around the area that has the keyboard focus.
void DrawFocusRect(QPainter &painter, const QRect &rect);

} // namespace tav::styled
