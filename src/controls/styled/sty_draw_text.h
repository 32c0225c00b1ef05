#pragma once

#include "controls/styled/sty_layout.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;
class TSty3DCaption;

// Captions: 3-D and turned text, measured and placed in rectangles. Text is drawn in the
// painter's pen colour on no background; the brush colour is the parent colour of the
// parent-coloured styles.
namespace tav::styled {

// Text layout flags of captions.
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;

// How a caption is drawn: enabled, or disabled with a sunken look when the owner wants one.
inline constexpr unsigned tsEnabled = 0x1;
inline constexpr unsigned tsDisabled3D = 0x2;

// The Qt alignment and wrapping of text layout flags; "&" marks the accelerator unless
// DT_NOPREFIX.
int QtTextFlags(unsigned textFlags);
// The text layout flags that put text at an alignment's place in its box.
unsigned AlignmentTextFlags(TStyAlignment alignment);

// Draws text in the caption's 3-D style (a TStyFxCaption with an angle turns it counter-clockwise
// about the top-left of rect). An empty rect only measures: rect becomes the text's extent.
void Draw3DText(QPainter &painter, const QString &text, const TSty3DCaption &caption, const QRect *clip,
                unsigned state, unsigned textFlags, QRect &rect);
// The size the caption takes as drawn: the text (turned, when it is) grown by the 3-D depth.
// width > 0 is the width that word-wrapped text is broken to.
QSize MeasureText(const QString &text, const TSty3DCaption *caption, const QFont &font, unsigned textFlags,
                  int width = 0);
// The box of the inner size at the alignment's place in outer.
QRect PlaceBox(TStyAlignment alignment, const QSize &inner, const QRect &outer);
// The box the caption takes at the alignment's place in rect.
QRect PlaceText(TStyAlignment alignment, const QString &text, const TSty3DCaption *caption, const QFont &font,
                unsigned textFlags, const QRect &rect);
// The height a one-line caption needs: the font's line plus the 3-D depth.
int CaptionHeight(const TSty3DCaption *caption, const QFont &font);
// A scalable font: one that turns and grows without steps.
bool IsTrueTypeFont(const QFont &font);

} // namespace tav::styled
