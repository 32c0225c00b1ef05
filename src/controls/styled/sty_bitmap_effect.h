#pragma once

#include "controls/styled/sty_alpha.h"

#include <QImage>
#include <QRect>

#include <optional>

// The effects a control may run over the picture it has painted before showing it: mirroring,
// grey scale, inversion, brightness and a fill blended over it. With Buffered the result of the
// last run is kept and shown again until a setting changes.
class TStyBitmapEffectObject : public TStyObject
{
    Q_OBJECT
    Q_PROPERTY(TStyAlphaObject *AlphaBlend READ AlphaBlend WRITE SetAlphaBlend)
    Q_PROPERTY(bool FlipVertical READ FlipVertical WRITE SetFlipVertical)
    Q_PROPERTY(bool FlipHorizontal READ FlipHorizontal WRITE SetFlipHorizontal)
    Q_PROPERTY(bool GrayScale READ GrayScale WRITE SetGrayScale)
    Q_PROPERTY(bool Invert READ Invert WRITE SetInvert)
    Q_PROPERTY(bool Buffered READ Buffered WRITE SetBuffered)
    Q_PROPERTY(int Brightness READ Brightness WRITE SetBrightness)

public:
    explicit TStyBitmapEffectObject(QObject *parent = nullptr);

    TStyAlphaObject *AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(TStyAlphaObject *value);
    // Mirrors left to right (each row reversed).
    bool FlipVertical() const { return flags_[0]; }
    void SetFlipVertical(bool value) { SetFlag(0, value); }
    // Mirrors top to bottom (the rows reversed).
    bool FlipHorizontal() const { return flags_[1]; }
    void SetFlipHorizontal(bool value) { SetFlag(1, value); }
    bool GrayScale() const { return flags_[2]; }
    void SetGrayScale(bool value) { SetFlag(2, value); }
    bool Invert() const { return flags_[3]; }
    void SetInvert(bool value) { SetFlag(3, value); }
    bool Buffered() const { return flags_[4]; }
    void SetBuffered(bool value) { SetFlag(4, value); }
    // -255..255.
    int Brightness() const { return brightness_; }
    void SetBrightness(int value);

    bool BufferValid() const { return bufferValid_; }
    // The picture under the control changed: the kept result no longer matches it.
    void InvalidateBuffer() { bufferValid_ = false; }
    // The kept result; present only while Buffered.
    const std::optional<QImage> &Buffer() const { return buffer_; }

    // Whether controls route their painting through the effects; they never do.
    bool IsActive() const { return false; }
    // Runs the effects over the whole 24-bit bitmap, or shows the kept result.
    void Apply(QImage &bitmap);
    // Copies sourceRect of source to the top-left of the 24-bit target and runs the effects over
    // targetRect of it, or shows the kept result.
    void ApplyRect(const QImage &source, const QRect &sourceRect, const QRect &targetRect, QImage &target);

    // Every change makes the kept result stale.
    void Change() override;
    void Assign(const TStyObject &source) override;
    QString SummaryText() const override;

private:
    void SetFlag(int index, bool value);
    // Shows the kept result on bitmap when there is a valid one.
    bool DrawBuffer(QImage &bitmap) const;
    // The mirrors, grey scale, inversion and brightness over rect of bitmap, in place.
    void RunPixelEffects(QImage &bitmap, const QRect &rect) const;

    TStyAlphaObject *alphaBlend_;
    bool flags_[5] = {false, false, false, false, false};
    int brightness_ = 0;
    bool bufferValid_ = false;
    std::optional<QImage> buffer_;
};
