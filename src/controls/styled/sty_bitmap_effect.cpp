#include "controls/styled/sty_bitmap_effect.h"

#include "controls/styled/sty_bmp.h"
#include "platform/ui/canvas.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>

using namespace tav::styled;

TStyBitmapEffectObject::TStyBitmapEffectObject(QObject *parent)
    : TStyObject(parent), alphaBlend_(new TStyAlphaObject(this))
{
    alphaBlend_->OnChange = [this](TStyObject *) { Change(); };
}

void TStyBitmapEffectObject::SetAlphaBlend(TStyAlphaObject *value)
{
    alphaBlend_->Assign(*value);
}

void TStyBitmapEffectObject::SetFlag(int index, bool value)
{
    if (value == flags_[index])
        return;
    flags_[index] = value;
    if (index == 4) {
        bufferValid_ = false;
        if (value)
            buffer_.emplace();
        else
            buffer_.reset();
    }
    Change();
}

void TStyBitmapEffectObject::SetBrightness(int value)
{
    value = std::clamp(value, -255, 255);
    if (value == brightness_)
        return;
    brightness_ = value;
    Change();
}

void TStyBitmapEffectObject::Change()
{
    TStyObject::Change();
    bufferValid_ = false;
}

bool TStyBitmapEffectObject::DrawBuffer(QImage &bitmap) const
{
    if (!Buffered() || !bufferValid_)
        return false;
    QPainter painter(&bitmap);
    painter.drawImage(QPoint(0, 0), *buffer_);
    return true;
}

void TStyBitmapEffectObject::RunPixelEffects(QImage &bitmap, const QRect &rect) const
{
    if (!FlipVertical() && !FlipHorizontal() && !GrayScale() && !Invert() && brightness_ == 0)
        return;
    // The bitmap is what every effect writes into: it is named the target when refused.
    CheckPixelFormat(bitmap, QStringLiteral("Target"));
    const QPoint at = rect.topLeft();
    if (FlipVertical())
        MirrorLeftRight(bitmap, rect, bitmap, at);
    if (FlipHorizontal())
        MirrorTopBottom(bitmap, rect, bitmap, at);
    if (GrayScale())
        GrayScaleRect(bitmap, rect, bitmap, at);
    if (Invert())
        InvertRect(bitmap, rect, bitmap, at);
    if (brightness_ != 0)
        BrightnessRect(bitmap, rect, bitmap, at, brightness_);
}

void TStyBitmapEffectObject::Apply(QImage &bitmap)
{
    if (DrawBuffer(bitmap))
        return;
    RunPixelEffects(bitmap, bitmap.rect());
    alphaBlend_->Paint(bitmap);
    if (Buffered()) {
        buffer_ = bitmap;
        bufferValid_ = true;
    }
}

void TStyBitmapEffectObject::ApplyRect(const QImage &source, const QRect &sourceRect, const QRect &targetRect,
                                       QImage &target)
{
    if (DrawBuffer(target))
        return;
    // Every effect writes into the target, so a wrong one fails before the copy changes it.
    CheckPixelFormat(target, QStringLiteral("Target"));
    {
        QPainter painter(&target);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), source, sourceRect);
    }
    RunPixelEffects(target, targetRect);
    const TStyFillObject &fill = *alphaBlend_->FillObject();
    if (fill.Style() != sfNone) {
        QImage layer(sourceRect.size() + QSize(2, 2), QImage::Format_BGR888);
        layer.fill(clWhite);
        {
            QPainter painter(&layer);
            fill.FillRect(painter, layer.rect(), clWhite);
        }
        const QRect picture(QPoint(0, 0), sourceRect.size());
        BlendRect(target, layer, picture, alphaBlend_->Strength(), target, QPoint(0, 0));
    }
    if (Buffered()) {
        buffer_ = target;
        bufferValid_ = true;
    }
}

void TStyBitmapEffectObject::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *effect = qobject_cast<const TStyBitmapEffectObject *>(&source);
    if (!effect)
        AssignError(source);
    BeginUpdate();
    for (int i = 0; i < 4; ++i)
        flags_[i] = effect->flags_[i];
    brightness_ = effect->brightness_;
    SetBuffered(effect->Buffered());
    alphaBlend_->Assign(*effect->alphaBlend_);
    EndUpdate(true);
}

QString TStyBitmapEffectObject::SummaryText() const
{
    QStringList active;
    if (alphaBlend_->FillObject()->Style() != sfNone)
        active << QStringLiteral("alpha");
    const char *const names[] = {"FV", "FH", "GS", "INV"};
    for (int i = 0; i < 4; ++i)
        if (flags_[i])
            active << QString::fromLatin1(names[i]);
    if (brightness_ != 0)
        active << QStringLiteral("B");
    if (active.isEmpty())
        active << QStringLiteral("Disabled");
    return QLatin1Char('{') + active.join(QLatin1Char(',')) + QLatin1Char('}');
}
