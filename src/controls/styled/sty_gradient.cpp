#include "controls/styled/sty_gradient.h"

#include "platform/ui/canvas.h"

#include <algorithm>
#include <cmath>

namespace tav::styled {
namespace {

// a × b / c rounded half away from zero; a division by zero counts as 0, so that a ramp of one
// colour is its start colour.
int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return 0;
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

} // namespace

void AppendColorRamp(const QColor &a, const QColor &b, int count, bool startAfresh, QList<QColor> &list)
{
    if (count <= 0)
        return;
    if (startAfresh)
        list.clear();
    const QColor from = a.toRgb();
    const QColor to = b.toRgb();
    for (int i = startAfresh ? 0 : 1; i < count; ++i)
        list.append(QColor((from.red() + MulDiv(i, to.red() - from.red(), count - 1)) & 0xFF,
                           (from.green() + MulDiv(i, to.green() - from.green(), count - 1)) & 0xFF,
                           (from.blue() + MulDiv(i, to.blue() - from.blue(), count - 1)) & 0xFF));
}

QColor InterpolateColor(const QColor &a, const QColor &b, int step, int steps)
{
    if (steps == 0)
        return a.toRgb();
    const auto channel = [&](int from, int to) {
        return std::clamp(static_cast<int>(std::lround(from + (to - from) * double(step) / steps)), 0, 255);
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

QList<QColor> CreateRampPalette(const QList<QColor> &list)
{
    return list;
}

} // namespace tav::styled

using namespace tav::styled;

TStyGradient::TStyGradient(QObject *parent) : TStyObject(parent), color_(clBlue), endColor_(clBlack)
{
    BuildColors();
}

void TStyGradient::SetColor(const QColor &value)
{
    if (value == color_)
        return;
    color_ = value;
    Change();
}

void TStyGradient::SetColorCount(int value)
{
    const auto count = static_cast<quint8>(std::clamp(value, 2, 236));
    if (count == colorCount_)
        return;
    colorCount_ = count;
    Change();
}

void TStyGradient::SetStyle(TStyGradientStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    Change();
}

void TStyGradient::SetEndColor(const QColor &value)
{
    if (value == endColor_)
        return;
    endColor_ = value;
    Change();
}

void TStyGradient::SetPaletteRealize(bool value)
{
    if (value == paletteRealize_)
        return;
    paletteRealize_ = value;
    Change();
}

void TStyGradient::SetTwoColors(bool value)
{
    if (value == twoColors_)
        return;
    twoColors_ = value;
    Change();
}

void TStyGradient::BuildColors()
{
    palette_.clear();
    colors_.clear();
    if (twoColors_) {
        AppendColorRamp(color_, endColor_, colorCount_, true, colors_);
    } else if (colorList_.size() > 1) {
        const int perPair = colorCount_ / static_cast<int>(colorList_.size());
        AppendColorRamp(colorList_[0], colorList_[1], perPair, true, colors_);
        for (qsizetype i = 1; i + 1 < colorList_.size(); ++i)
            AppendColorRamp(colorList_[i], colorList_[i + 1], perPair, false, colors_);
    }
    if (paletteRealize_)
        palette_ = CreateRampPalette(colors_);
}

void TStyGradient::Change()
{
    if (!Updating())
        BuildColors();
    TStyObject::Change();
}

void TStyGradient::Assign(const TStyObject &source)
{
    if (&source == this)
        return;
    const auto *gradient = qobject_cast<const TStyGradient *>(&source);
    if (!gradient)
        AssignError(source);
    BeginUpdate();
    SetColorCount(gradient->colorCount_);
    SetColor(gradient->color_);
    SetStyle(gradient->style_);
    SetEndColor(gradient->endColor_);
    SetPaletteRealize(gradient->paletteRealize_);
    SetTwoColors(gradient->twoColors_);
    colorList_ = gradient->colorList_;
    EndUpdate(true);
}

void TStyGradient::DefineProperties(TStyFiler &filer)
{
    filer.DefineProperty(
        QStringLiteral("ColorList"),
        [this](const QVariant &value) {
            BeginUpdate();
            for (const QVariant &stop : value.toList())
                colorList_.append(ColorFromNumber(stop.toUInt()));
            EndUpdate(true);
        },
        [this] {
            QVariantList list;
            for (const QColor &stop : colorList_)
                list.append(static_cast<uint>((stop.blue() << 16) | (stop.green() << 8) | stop.red()));
            return QVariant(list);
        },
        !colorList_.isEmpty());
}

QString TStyGradient::SummaryText() const
{
    static const char *const words[] = {"horizontal",    "vertical",      "square",      "elliptic",
                                        "top left",      "top right",     "bottom left", "bottom right",
                                        "top left diag", "top right diag"};
    return QStringLiteral("%1, Col: %2, %3")
        .arg(QString::fromLatin1(words[style_]))
        .arg(colorCount_)
        .arg(twoColors_ ? QStringLiteral("2 col mode") : QStringLiteral("mult. col mode"));
}
