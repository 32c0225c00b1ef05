#include "controls/styled/sty_object.h"

#include "platform/core/errors.h"

TStyObject::TStyObject(QObject *parent) : QObject(parent) {}

void TStyObject::BeginUpdate()
{
    updating_ = true;
}

void TStyObject::EndUpdate(bool doChange)
{
    updating_ = false;
    if (doChange)
        Change();
}

void TStyObject::Change()
{
    if (!updating_ && OnChange)
        OnChange(this);
}

void TStyObject::ChildChanged(TStyObject *)
{
    Change();
}

QString TStyObject::SummaryText() const
{
    return {};
}

void TStyObject::Assign(const TStyObject &source)
{
    if (&source != this)
        AssignError(source);
}

void TStyObject::AssignError(const TStyObject &source) const
{
    throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2")
                            .arg(QString::fromLatin1(source.metaObject()->className()),
                                 QString::fromLatin1(metaObject()->className())));
}
