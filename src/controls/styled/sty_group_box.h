#pragma once

#include "controls/styled/sty_bevel.h"
#include "controls/styled/sty_bitmap_effect.h"
#include "controls/styled/sty_captions.h"
#include "controls/styled/sty_custom_group_box.h"
#include "controls/styled/sty_image_lists.h"

// The group box the program's windows place, with the properties their designs set.
class TStyGroupBox : public TStyCustomGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QString About READ About WRITE SetAbout STORED false)
    Q_PROPERTY(tav::styled::group::TStyGroupCaptionAlign Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(TStyBitmapEffectObject *BackFX READ BackFX WRITE SetBackFXObject)
    Q_PROPERTY(TStyBevel *Bevel READ Bevel WRITE SetBevel)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QFont CaptionFont READ CaptionFont WRITE SetCaptionFont)
    Q_PROPERTY(TSty3DCaption *CaptionFont3D READ CaptionFont3D WRITE SetCaptionFont3D)
    Q_PROPERTY(int CaptionOffset READ CaptionOffset WRITE SetCaptionOffset)
    Q_PROPERTY(bool CaptionParentFont READ CaptionParentFont WRITE SetCaptionParentFont)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE SetListIndex)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    explicit TStyGroupBox(QWidget *parent = nullptr) : TStyCustomGroupBox(parent) {}

    void SetBackFXObject(TStyBitmapEffectObject *value) { SetBackFX(*value); }
};
