#pragma once

#include "controls/styled/sty_change_link.h"

#include <QVariant>

class TStyBitmapList;
class TStyCustomImageList;
class TStyImageList;
class TStyStringList;
class TStyWaveList;

// One list of each kind under one component; a change of any list is the component's change.
// The program has one of its own (GlobalContainer) for the pictures, texts and sounds that
// every form shares.
class TStyContainer : public TStyBaseContainer
{
    Q_OBJECT

public:
    explicit TStyContainer(QObject *owner = nullptr);

    TStyBitmapList *BitmapList() const { return bitmapList_; }
    TStyImageList *ImageList() const { return imageList_; }
    TStyStringList *StringList() const { return stringList_; }
    TStyWaveList *WaveList() const { return waveList_; }

private:
    TStyBitmapList *bitmapList_;
    TStyImageList *imageList_;
    TStyStringList *stringList_;
    TStyWaveList *waveList_;
};

namespace tav::styled {

// The program's shared container; it lives until the program ends.
TStyContainer &GlobalContainer();

// Whether a list is the shared container's bitmap list or image list.
bool IsGlobalList(const TStyCustomImageList *list);
// A design property that refers to one of those two lists is stored by name ("StyBML30",
// "StyIML30"); write it only when IsGlobalList. Reading gives the list back, or nullptr for any
// other value.
QVariant WriteGlobalListRef(const TStyCustomImageList *list);
TStyCustomImageList *ReadGlobalListRef(const QVariant &value);

} // namespace tav::styled
