#include "controls/styled/sty_change_link.h"

#include <algorithm>

TStyChangeLink::~TStyChangeLink()
{
    if (sender_)
        sender_->UnRegisterChanges(*this);
}

void TStyChangeLink::Change()
{
    if (OnChange)
        OnChange(sender_);
}

TStyBaseContainer::TStyBaseContainer(QObject *owner) : TStyCustomComponent(owner) {}

TStyBaseContainer::~TStyBaseContainer()
{
    while (!links_.empty())
        UnRegisterChanges(*links_.back());
}

void TStyBaseContainer::RegisterChanges(TStyChangeLink &link)
{
    if (link.sender_ == this)
        return;
    if (link.sender_)
        link.sender_->UnRegisterChanges(link);
    link.sender_ = this;
    links_.push_back(&link);
}

void TStyBaseContainer::UnRegisterChanges(TStyChangeLink &link)
{
    const auto found = std::find(links_.begin(), links_.end(), &link);
    if (found == links_.end())
        return;
    link.sender_ = nullptr;
    links_.erase(found);
}

void TStyBaseContainer::Change()
{
    if (Updating())
        return;
    // A link's handler may unregister links; walk a copy.
    const std::vector<TStyChangeLink *> links = links_;
    for (TStyChangeLink *link : links)
        if (std::find(links_.begin(), links_.end(), link) != links_.end())
            link->Change();
    TStyCustomComponent::Change();
}
