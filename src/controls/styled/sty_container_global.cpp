#include "controls/styled/sty_container_global.h"

#include "controls/styled/sty_container_file.h"
#include "controls/styled/sty_container_items.h"
#include "controls/styled/sty_image_lists.h"

TStyContainer::TStyContainer(QObject *owner)
    : TStyBaseContainer(owner), bitmapList_(new TStyBitmapList(this)), imageList_(new TStyImageList(this)),
      stringList_(new TStyStringList(this)), waveList_(new TStyWaveList(this))
{
    for (TStyCustomContainer *list :
         std::initializer_list<TStyCustomContainer *>{bitmapList_, imageList_, stringList_, waveList_})
        list->OnChange = [this](TStyCustomComponent *sender) { ChildChanged(sender); };
}

namespace tav::styled {

TStyContainer &GlobalContainer()
{
    static TStyContainer container;
    return container;
}

bool IsGlobalList(const TStyCustomImageList *list)
{
    return list && (list == GlobalContainer().BitmapList() || list == GlobalContainer().ImageList());
}

QVariant WriteGlobalListRef(const TStyCustomImageList *list)
{
    if (!IsGlobalList(list))
        return {};
    return ContainerFileSignature(list->FileKind());
}

TStyCustomImageList *ReadGlobalListRef(const QVariant &value)
{
    const QString name = value.toString();
    if (name == ContainerFileSignature(GlobalContainer().BitmapList()->FileKind()))
        return GlobalContainer().BitmapList();
    if (name == ContainerFileSignature(GlobalContainer().ImageList()->FileKind()))
        return GlobalContainer().ImageList();
    return nullptr;
}

} // namespace tav::styled
