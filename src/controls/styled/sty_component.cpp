#include "controls/styled/sty_component.h"

TStyCustomComponent::TStyCustomComponent(QObject *owner) : QObject(owner) {}

void TStyCustomComponent::BeginUpdate()
{
    updating_ = true;
}

void TStyCustomComponent::EndUpdate(bool doChange)
{
    updating_ = false;
    if (doChange)
        Change();
}

void TStyCustomComponent::Change()
{
    if (!updating_ && OnChange)
        OnChange(this);
}

void TStyCustomComponent::ChildChanged(QObject *)
{
    Change();
}
