#include "sty_design_objects.h"

void TTestSettings::SetDepth(int value)
{
    if (value == depth_)
        return;
    depth_ = value;
    Change();
}

void TTestSettings::SetForm(Shape value)
{
    if (value == form_)
        return;
    form_ = value;
    Change();
}

void TTestSettings::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *other = qobject_cast<const TTestSettings *>(&source);
    if (!other)
        AssignError(source);
    depth_ = other->depth_;
    form_ = other->form_;
    stops_ = other->stops_;
    Change();
}

void TTestSettings::DefineProperties(TStyFiler &filer)
{
    filer.DefineProperty(
        QStringLiteral("StopList"),
        [this](const QVariant &value) {
            for (const QVariant &stop : value.toList())
                stops_.append(stop.toInt());
            Change();
        },
        [this] {
            QVariantList list;
            for (int stop : stops_)
                list.append(stop);
            return QVariant(list);
        },
        !stops_.isEmpty());
}

TTestComponent::TTestComponent() : settings_(new TTestSettings(this))
{
    settings_->OnChange = [this](TStyObject *) { ++(Loading() ? changesWhileLoading : changesAfterLoading); };
}

void TTestComponent::Loaded()
{
    TStyLoadable::Loaded();
    ++loadedCalls;
}
