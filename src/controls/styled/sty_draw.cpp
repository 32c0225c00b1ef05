#include "controls/styled/sty_draw.h"

#include "controls/styled/sty_theme.h"
#include "platform/ui/canvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace tav::styled {
namespace {

QColor Role(QPalette::ColorRole role)
{
    return QGuiApplication::palette().color(QPalette::Active, role);
}

// One-pixel lines along the sides of r: top and left in light, then bottom and right in dark.
void DrawLines(QPainter &painter, const TRect &r, unsigned sides, const QColor &light, const QColor &dark)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    if (sides & BF_TOP)
        painter.fillRect(QRect(r.Left, r.Top, r.Width(), 1), light);
    if (sides & BF_LEFT)
        painter.fillRect(QRect(r.Left, r.Top, 1, r.Height()), light);
    if (sides & BF_BOTTOM)
        painter.fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), dark);
    if (sides & BF_RIGHT)
        painter.fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), dark);
}

void Inset(TRect &r, unsigned sides, int by)
{
    if (sides & BF_LEFT)
        r.Left += by;
    if (sides & BF_TOP)
        r.Top += by;
    if (sides & BF_RIGHT)
        r.Right -= by;
    if (sides & BF_BOTTOM)
        r.Bottom -= by;
}

// An outlined rectangle whose right and bottom edges lie outside, like the original's.
void Frame(QPainter &painter, const QRect &rect, const QColor &color)
{
    TRect r = TRect::FromQRect(rect);
    DrawLines(painter, r, BF_RECT, color, color);
}

void Shrink(QRect &rect, int by)
{
    rect.adjust(by, by, -by, -by);
}

} // namespace

void DrawEdge(QPainter &painter, QRect &rect, unsigned edge, unsigned flags)
{
    const bool soft = flags & BF_SOFT;
    const QColor light = Role(QPalette::Light), midlight = Role(QPalette::Midlight);
    const QColor dark = Role(QPalette::Dark), shadow = Role(QPalette::Shadow);
    TRect r = TRect::FromQRect(rect);
    const unsigned sides = flags & BF_RECT;
    int drawn = 0;
    if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) {
        if (edge & BDR_RAISEDOUTER)
            DrawLines(painter, r, sides, soft ? light : midlight, shadow);
        else
            DrawLines(painter, r, sides, soft ? shadow : dark, light);
        Inset(r, sides, 1);
        ++drawn;
    }
    if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) {
        if (edge & BDR_RAISEDINNER)
            DrawLines(painter, r, sides, soft ? midlight : light, dark);
        else
            DrawLines(painter, r, sides, soft ? dark : shadow, midlight);
        Inset(r, sides, 1);
        ++drawn;
    }
    if ((flags & BF_MIDDLE) && r.Width() > 0 && r.Height() > 0)
        painter.fillRect(r.ToQRect(), Role(QPalette::Button));
    if (flags & BF_ADJUST) {
        TRect adjusted = TRect::FromQRect(rect);
        Inset(adjusted, sides, drawn);
        rect = adjusted.ToQRect();
    }
}

bool DrawStandardBorder(QPainter &painter, QRect &rect, TStyBorderStyle style, unsigned flags)
{
    switch (style) {
    case lsNone:
        break;
    case lsSingle:
        DrawEdge(painter, rect, BDR_SUNKENOUTER, 0x3003 | flags);
        DrawEdge(painter, rect, BDR_RAISEDOUTER, 0x0C);
        break;
    case lsLowered:
        DrawEdge(painter, rect, EDGE_SUNKEN, 0x300F | flags);
        break;
    case lsRaised:
        DrawEdge(painter, rect, EDGE_RAISED, 0x300F | flags);
        break;
    case lsRaisedspb:
    case lsRaisedExt:
        DrawEdge(painter, rect, BDR_RAISEDOUTER, 0x300F | flags);
        DrawEdge(painter, rect, BDR_RAISEDINNER, 0x200C);
        if (style == lsRaisedExt)
            rect.adjust(1, 1, 0, 0);
        break;
    case lsLoweredspb:
    case lsLoweredExt:
        DrawEdge(painter, rect, BDR_SUNKENOUTER, 0x200F | flags);
        DrawEdge(painter, rect, BDR_SUNKENINNER, 0x2003);
        if (style == lsLoweredExt)
            rect.adjust(0, 0, -1, -1);
        break;
    case lsFrameInset:
        DrawEdge(painter, rect, EDGE_ETCHED, 0x200F | flags);
        break;
    case lsFrameOffset:
        DrawEdge(painter, rect, BDR_RAISEDINNER, 0x200F | flags);
        DrawEdge(painter, rect, BDR_SUNKENOUTER, 0x200F);
        break;
    case lsWindowBorder:
        DrawEdge(painter, rect, BDR_RAISEDOUTER, 0x200C | flags);
        rect.adjust(1, 1, 0, 0);
        DrawEdge(painter, rect, BDR_RAISEDINNER, 0x200F);
        break;
    case lsSingleRaised:
        DrawEdge(painter, rect, BDR_RAISEDINNER, 0x200F | flags);
        break;
    case lsSingleLowered:
        DrawEdge(painter, rect, BDR_SUNKENOUTER, 0x200F | flags);
        break;
    case lsDoubleRaised:
        DrawEdge(painter, rect, BDR_RAISEDINNER, 0x200F | flags);
        DrawEdge(painter, rect, BDR_RAISEDINNER, 0x200F);
        break;
    case lsDoubleLowered:
        DrawEdge(painter, rect, BDR_SUNKENOUTER, 0x200F | flags);
        DrawEdge(painter, rect, BDR_SUNKENOUTER, 0x200F);
        break;
    }
    return true;
}

int StandardBorderWidth(TStyBorderStyle style)
{
    switch (style) {
    case lsNone:
        return 0;
    case lsSingle:
    case lsSingleRaised:
    case lsSingleLowered:
        return 1;
    default:
        return 2;
    }
}

bool IsFlatButtonStyle(TStyUserButtonStyle style)
{
    switch (style) {
    case ubsDelphiFlat:
    case ubsFlat:
    case ubsFlatUnColored:
    case ubsNavigator:
    case ubsExplorer:
    case ubsExplorerColored:
        return true;
    default:
        return false;
    }
}

TStyUserButtonStyle ResolveButtonStyle(TStyUserButtonStyle style)
{
    if (GetUseThemes())
        return style == ubsAutoDetect ? ubsWinXP : style;
    switch (style) {
    case ubsWinXP:
        return ubsWin40;
    case ubsWinXPCombo:
        return ubsIntegrated;
    case ubsWinXPTool:
        return ubsExplorerColored;
    default:
        return style;
    }
}

void DrawFocusRect(QPainter &painter, const QRect &rect)
{
    painter.save();
    QPen pen(clBlack, 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void DrawButtonFace(const QWidget *control, QPainter &painter, bool hot, const QColor &color, unsigned flags,
                    int drawState, TStyUserButtonStyle extStyle, QRect &rect)
{
    const TStyUserButtonStyle look = ResolveButtonStyle(extStyle);
    const QString themeClass = look == ubsWinXP        ? QStringLiteral("BUTTON")
                               : look == ubsWinXPCombo ? QStringLiteral("COMBOBOX")
                               : look == ubsWinXPTool  ? QStringLiteral("TOOLBAR")
                                                       : QString();
    std::optional<TStyTheme> theme;
    if (!themeClass.isEmpty())
        theme = OpenThemeData(control, themeClass);
    if (!theme) {
        DrawClassicButton(painter, color, flags, drawState, look, rect);
        return;
    }
    int part = BP_PUSHBUTTON;
    if (look == ubsWinXPTool && (flags & bfSplit))
        part = (flags & bfSplitDropDown) ? TP_SPLITBUTTONDROPDOWN : TP_SPLITBUTTON;
    int state = TS_NORMAL;
    if (hot)
        state = TS_HOT;
    if (drawState == dsPressed || drawState == dsLatched || drawState == 6)
        state = TS_PRESSED;
    if (drawState == dsDisabled || drawState == 7)
        state = TS_DISABLED;
    DrawThemeBackground(*theme, painter, part, state, rect);
    if (flags & bfActive) {
        Shrink(rect, 3);
        DrawFocusRect(painter, rect);
    }
    CloseThemeData(*theme);
}

void DrawClassicButton(QPainter &painter, const QColor &color, unsigned flags, int drawState,
                       TStyUserButtonStyle look, QRect &rect)
{
    if (look == ubsAutoDetect)
        look = ubsWin40;
    const bool down = drawState == dsLatched || drawState == dsPressed || drawState == 6 || drawState == 7;
    const bool hot = drawState == dsHot || (flags & bfMouseOver);
    const bool flat = IsFlatButtonStyle(look);
    if (look != ubsExplorer && look != ubsExplorerColored)
        painter.fillRect(rect, color);
    // A latched button shows a checked face, unless a flat one under the mouse.
    if (drawState == dsLatched && !(flat && hot))
        painter.fillRect(rect, QBrush(Role(QPalette::Light), Qt::Dense4Pattern));

    if (!down && (flags & (bfActive | bfFocused))) {
        QRect outer = rect;
        DrawEdge(painter, outer, BDR_SUNKENOUTER, 0x1003 | ((flags & bfFilledFrame) ? BF_MIDDLE : 0));
        DrawEdge(painter, outer, BDR_RAISEDOUTER, 0x0C);
        if (look == ubsWin31 && (flags & bfNormalFrame)) {
            const QColor face = Role(QPalette::Button);
            for (const QPoint &corner :
                 {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()})
                painter.fillRect(QRect(corner, QSize(1, 1)), face);
            flags &= ~bfNormalFrame;
        }
        Shrink(rect, 1);
    }
    if ((look == ubsDelphiFlat || look == ubsNavigator) && (hot || down)) {
        Frame(painter, rect, clGray);
        Shrink(rect, 1);
    }

    const QRect face = rect;
    QRect edge = rect;
    if (look == ubsWin31) {
        DrawEdge(painter, edge, BDR_SUNKENOUTER, 0x1003);
        DrawEdge(painter, edge, BDR_RAISEDOUTER, 0x0C);
        Shrink(edge, 1);
        if (down) {
            DrawEdge(painter, edge, BDR_SUNKENINNER, 0x03);
        } else {
            DrawEdge(painter, edge, BDR_RAISEDINNER, 0x200F);
            DrawEdge(painter, edge, BDR_RAISEDINNER, 0x200F);
        }
    } else if (look == ubsWin40 && (flags & bfSpeedButton)) {
        if (!down)
            DrawStandardBorder(painter, edge, lsRaisedspb);
        else if (flags & bfSunkenDown)
            DrawEdge(painter, edge, EDGE_SUNKEN, BF_RECT);
        else
            DrawStandardBorder(painter, edge, lsLowered);
    } else if (look == ubsWin40) {
        if (down) {
            Frame(painter, edge, clBlack);
            Frame(painter, edge.adjusted(1, 1, -1, -1), clGray);
        } else if (flags & bfActive) {
            DrawEdge(painter, edge, BDR_RAISEDOUTER, 0x300F);
            DrawEdge(painter, edge, BDR_RAISEDINNER, 0x200C);
        } else {
            DrawStandardBorder(painter, edge, lsRaisedspb);
        }
    } else if (flat) {
        if (down)
            DrawEdge(painter, edge, BDR_SUNKENOUTER, 0x200F);
        else if (hot)
            DrawEdge(painter, edge, BDR_RAISEDINNER, 0x200F);
    } else if (look == ubsDelphi) {
        Frame(painter, edge, clBlack);
        Shrink(edge, 1);
        if (down) {
            painter.fillRect(QRect(edge.left(), edge.top(), edge.width(), 1), clGray);
            painter.fillRect(QRect(edge.left(), edge.top(), 1, edge.height()), clGray);
        } else {
            DrawEdge(painter, edge, BDR_RAISEDINNER, 0x200F);
        }
    } else if (look == ubsIntegrated) {
        if (down) {
            Frame(painter, edge, clGray);
        } else {
            Frame(painter, edge, clBlack);
            painter.fillRect(QRect(edge.left(), edge.top(), edge.width(), 1), Role(QPalette::Button));
            painter.fillRect(QRect(edge.left(), edge.top(), 1, edge.height()), Role(QPalette::Button));
            const QRect inner = edge.adjusted(1, 1, -1, -1);
            Frame(painter, inner, clWhite);
            painter.fillRect(QRect(inner.left() + 1, inner.bottom() - 1, inner.width() - 2, 1), clGray);
            painter.fillRect(QRect(inner.right() - 1, inner.top() + 1, 1, inner.height() - 2), clGray);
        }
    }

    if (flags & bfActive)
        DrawFocusRect(painter, face.adjusted(down ? 4 : 3, down ? 4 : 3, down ? -4 : -3, down ? -4 : -3));
    rect = face.adjusted(3, 3, -3, -3);
    if (down)
        rect.translate(1, 1);
}

} // namespace tav::styled
