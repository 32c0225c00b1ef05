#pragma once

#include "controls/styled/sty_bevel.h"
#include "controls/styled/sty_bitmap_effect.h"
#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_custom_panel_fill.h"
#include "controls/styled/sty_fill.h"
#include "controls/styled/sty_image_lists.h"

// The filled panel as designs name it.
class TStyPanelFill : public TStyCustomPanelFill
{
    Q_OBJECT
    Q_PROPERTY(QString About READ About WRITE SetAbout STORED false)
    Q_PROPERTY(tav::styled::layout::TStyAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(TStyBitmapEffectObject *BackFX READ BackFX WRITE SetBackFXObject)
    Q_PROPERTY(bool BackFXPass READ BackFXPass WRITE SetBackFXPass)
    Q_PROPERTY(TStyBevel *Bevel READ Bevel WRITE SetBevel)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TStyFillObject *FillObject READ FillObject WRITE SetFillObject)
    Q_PROPERTY(TStyFxCaption *FontFX READ FontFX WRITE SetFontFX)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE SetListIndex)
    Q_PROPERTY(bool Locked READ Locked WRITE SetLocked)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool TransparentBorder READ TransparentBorder WRITE SetTransparentBorder)

public:
    explicit TStyPanelFill(QWidget *parent = nullptr) : TStyCustomPanelFill(parent) {}

    void SetBackFXObject(TStyBitmapEffectObject *value) { SetBackFX(*value); }
};
