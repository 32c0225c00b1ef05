#include "controls/styled/sty_alpha.h"

#include "controls/styled/sty_bmp.h"
#include "controls/styled/sty_container_global.h"
#include "platform/ui/canvas.h"

#include <QPainter>

#include <cmath>

using namespace tav::styled;

TStyAlphaObject::TStyAlphaObject(QObject *parent) : TStyObject(parent), fillObject_(new TStyFillObject(this))
{
    fillObject_->OnChange = [this](TStyObject *sender) { ChildChanged(sender); };
    imageLink_.OnChange = [this](TStyBaseContainer *) { RefreshPicture(); };
}

void TStyAlphaObject::SetImageList(TStyCustomImageList *value)
{
    if (value == imageList_)
        return;
    if (imageList_)
        imageList_->UnRegisterChanges(imageLink_);
    imageList_ = value;
    if (value)
        value->RegisterChanges(imageLink_);
    RefreshPicture();
}

void TStyAlphaObject::SetIndex(int index, int value)
{
    if (value == indexes_[index])
        return;
    indexes_[index] = value;
    RefreshPicture();
}

void TStyAlphaObject::SetStrength(float value)
{
    if (value == strength_)
        return;
    strength_ = value;
    Change();
}

void TStyAlphaObject::SetFillObject(TStyFillObject *value)
{
    fillObject_->Assign(*value);
}

void TStyAlphaObject::RefreshPicture()
{
    if (imageList_ && imageList_->IsValidIndex(ListIndex(), ImageIndex()))
        fillObject_->SetListBitmap(imageList_->GetBitmap(ListIndex(), ImageIndex()));
    else
        fillObject_->SetListBitmap(QImage());
    Change();
}

void TStyAlphaObject::Paint(QImage &bitmap) const
{
    if (fillObject_->Style() == sfNone)
        return;
    QImage fill(bitmap.size(), QImage::Format_BGR888);
    fill.fill(clWhite);
    {
        QPainter painter(&fill);
        fillObject_->FillRect(painter, fill.rect(), clWhite);
    }
    bitmap.convertTo(QImage::Format_BGR888);
    BlendRect(bitmap, fill, bitmap.rect(), strength_, bitmap, QPoint(0, 0));
}

void TStyAlphaObject::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *alpha = qobject_cast<const TStyAlphaObject *>(&source);
    if (!alpha)
        AssignError(source);
    BeginUpdate();
    SetImageList(alpha->imageList_);
    indexes_[0] = alpha->indexes_[0];
    indexes_[1] = alpha->indexes_[1];
    strength_ = alpha->strength_;
    fillObject_->Assign(*alpha->fillObject_);
    RefreshPicture();
    EndUpdate(true);
}

void TStyAlphaObject::DefineProperties(TStyFiler &filer)
{
    filer.DefineProperty(
        QStringLiteral("Strength"), [this](const QVariant &value) { SetStrength(value.toFloat()); },
        [this] { return QVariant(strength_); }, std::lround(double(strength_) * 1000000) != 600000);
    filer.DefineProperty(
        QStringLiteral("Internal"), [this](const QVariant &value) { SetImageList(ReadGlobalListRef(value)); },
        [this] { return WriteGlobalListRef(imageList_); }, IsGlobalList(imageList_));
}

QString TStyAlphaObject::SummaryText() const
{
    static const char *const kinds[] = {"", "", "brush", "bmp", "bmp", "grad"};
    const TStyFillStyle style = fillObject_->Style();
    if (style == sfNone)
        return QStringLiteral("{Disabled}");
    return QStringLiteral("{Enabled (%1), strength: %2}")
        .arg(QString::fromLatin1(kinds[style]), QString::number(strength_, 'f', 3));
}
