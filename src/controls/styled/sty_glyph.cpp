#include "controls/styled/sty_glyph.h"

#include "controls/styled/sty_draw_fill.h"

#include <algorithm>

namespace tav::styled {
namespace {

std::unique_ptr<TStyGlyphCache> &Cache()
{
    static std::unique_ptr<TStyGlyphCache> cache;
    return cache;
}

TStyGlyphCache &EnsureCache()
{
    if (!Cache())
        Cache() = std::make_unique<TStyGlyphCache>();
    return *Cache();
}

} // namespace

TStyGlyphCache *GlyphCache()
{
    return Cache().get();
}

} // namespace tav::styled

using namespace tav::styled;

TStyGlyphList::TStyGlyphList(int width, int height) : TStyImageListItem(width, height)
{
    SetMasked(true);
}

int TStyGlyphList::AddGlyph(const QImage &bitmap, QRgb transparentColor)
{
    const auto free = std::find(slots_.begin(), slots_.end(), false);
    int index = int(free - slots_.begin());
    if (free == slots_.end()) {
        index = AddBlank();
        slots_.resize(std::size_t(index) + 1, false);
    }
    ReplaceMasked(index, bitmap, transparentColor);
    slots_[std::size_t(index)] = true;
    ++usedCount_;
    return index;
}

void TStyGlyphList::DeleteGlyph(int index)
{
    if (index < 0 || index >= int(slots_.size()) || !slots_[std::size_t(index)])
        return;
    slots_[std::size_t(index)] = false;
    --usedCount_;
}

TStyGlyphList *TStyGlyphCache::GetList(int width, int height)
{
    for (const auto &list : lists_)
        if (list->Width() == width && list->Height() == height)
            return list.get();
    lists_.push_back(std::make_unique<TStyGlyphList>(width, height));
    return lists_.back().get();
}

void TStyGlyphCache::ReleaseList(TStyGlyphList *list)
{
    if (!list || list->UsedCount() != 0)
        return;
    std::erase_if(lists_, [list](const auto &held) { return held.get() == list; });
}

TStyGlyph::TStyGlyph()
{
    indexes_.fill(-1);
    EnsureCache();
}

TStyGlyph::~TStyGlyph()
{
    Invalidate();
    if (GlyphCache() && GlyphCache()->IsEmpty())
        Cache().reset();
}

void TStyGlyph::SetGlyph(const QImage &value)
{
    Invalidate();
    bitmap_ = value;
    transparentColor_ = BitmapTransparentColor(bitmap_);
    if (!value.isNull() && value.width() % value.height() == 0) {
        const int count = value.width() / value.height();
        SetNumGlyphs(count > 5 ? 1 : count);
    }
    if (OnChange)
        OnChange(this);
}

void TStyGlyph::EditBitmap(const std::function<void(QImage &)> &edit)
{
    edit(bitmap_);
    BitmapChanged();
}

void TStyGlyph::BitmapChanged()
{
    transparentColor_ = BitmapTransparentColor(bitmap_);
    Invalidate();
    if (OnChange)
        OnChange(this);
}

void TStyGlyph::SetNumGlyphs(int value)
{
    if (value == numGlyphs_ || value == 0)
        return;
    Invalidate();
    numGlyphs_ = value;
}

void TStyGlyph::SetUnColored(bool value)
{
    if (value == unColored_)
        return;
    Invalidate();
    unColored_ = value;
}

void TStyGlyph::Invalidate()
{
    for (int &index : indexes_)
        if (index != -1) {
            glyphList_->DeleteGlyph(index);
            index = -1;
        }
    if (glyphList_ && GlyphCache())
        GlyphCache()->ReleaseList(glyphList_);
    glyphList_ = nullptr;
}

int TStyGlyph::IndexForState(int state)
{
    if (state < 0 || state > 8)
        return -1;
    if (state == 7)
        state = 1;
    else if (state != 1 && state > numGlyphs_ - 1)
        state = !unColored_ ? 0 : state == 6 ? 4 : 2;
    int &index = indexes_[std::size_t(state)];
    if (index != -1)
        return index;
    if (bitmap_.isNull())
        return -1;
    const int width = bitmap_.width() / numGlyphs_;
    const int height = bitmap_.height();
    if (width < 1)
        return -1;
    if (!glyphList_)
        glyphList_ = EnsureCache().GetList(width, height);
    if (state < numGlyphs_ && !(unColored_ && state == 0)) {
        index = glyphList_->AddGlyph(bitmap_.copy(state * width, 0, width, height), transparentColor_);
        return index;
    }
    const QImage first = bitmap_.copy(0, 0, width, height);
    const QColor transparent = QColor::fromRgb(transparentColor_);
    if (state == 0)
        index = glyphList_->AddGlyph(MakeShadedBitmap(first, transparent), transparentColor_);
    else if (state == 1)
        index = glyphList_->AddGlyph(MakeDisabledBitmap(first, transparent), transparentColor_);
    else if (state == 2 || state == 4)
        index = glyphList_->AddGlyph(first, transparentColor_);
    return index;
}

TStyGlyphTextBoxes TStyGlyph::Draw(QPainter &painter, const QString &caption,
                                   const TStyGlyphTextLayout &layout, const TStyFxCaption &fx,
                                   unsigned textFlags, unsigned textState, unsigned options,
                                   const QRect &rect, int state)
{
    const int index = IndexForState(state);
    if (index == -1)
        return DrawGlyphAndText(painter, rect, nullptr, caption, layout, fx, textState, textFlags, options);
    const TStyGlyphSource source{&glyphList_->Image(), &glyphList_->Mask(), glyphList_->ImageRect(index)};
    return DrawGlyphAndText(painter, rect, &source, caption, layout, fx, textState, textFlags, options);
}
