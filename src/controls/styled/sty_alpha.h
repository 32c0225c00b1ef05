#pragma once

#include "controls/styled/sty_change_link.h"
#include "controls/styled/sty_fill.h"
#include "controls/styled/sty_image_lists.h"

#include <QPointer>

// A fill laid semi-transparently over a picture: the fill shows through by 1 - Strength. The
// fill's sfBitmapList picture is the image list's entry ImageIndex of list ListIndex.
class TStyAlphaObject : public TStyObject
{
    Q_OBJECT
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE SetListIndex)
    // Stored through DefineProperties, only when it is not the usual 0.6.
    Q_PROPERTY(float Strength READ Strength WRITE SetStrength STORED false)
    Q_PROPERTY(TStyFillObject *FillObject READ FillObject WRITE SetFillObject)

public:
    explicit TStyAlphaObject(QObject *parent = nullptr);

    // The list is not owned; the object follows its changes and forgets it when it goes. A design
    // names only the process-wide lists (under "Internal"); other lists are attached in code.
    TStyCustomImageList *ImageList() const { return imageList_; }
    void SetImageList(TStyCustomImageList *value);
    int ImageIndex() const { return indexes_[0]; }
    void SetImageIndex(int value) { SetIndex(0, value); }
    int ListIndex() const { return indexes_[1]; }
    void SetListIndex(int value) { SetIndex(1, value); }
    float Strength() const { return strength_; }
    void SetStrength(float value);
    TStyFillObject *FillObject() const { return fillObject_; }
    void SetFillObject(TStyFillObject *value);

    // Blends the fill over the picture by Strength; the picture becomes 24-bit. Nothing happens
    // while the fill's style is sfNone.
    void Paint(QImage &bitmap) const;

    void Assign(const TStyObject &source) override;
    void DefineProperties(TStyFiler &filer) override;
    QString SummaryText() const override;

private:
    void SetIndex(int index, int value);
    // Takes the list's picture into the fill (or empties it when the list has no such entry), then
    // announces the change.
    void RefreshPicture();

    QPointer<TStyCustomImageList> imageList_;
    TStyChangeLink imageLink_;
    int indexes_[2] = {0, 0};
    float strength_ = 0.6f;
    TStyFillObject *fillObject_;
};
