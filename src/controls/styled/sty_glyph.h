#pragma once

#include "controls/styled/sty_draw_glyph.h"
#include "controls/styled/sty_image_list.h"

#include <QImage>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

// A shared strip of finished button pictures of one size. Slots are taken and given back; a slot
// given back keeps its pixels until the next picture takes it.
class TStyGlyphList : public TStyImageListItem
{
    Q_OBJECT

public:
    TStyGlyphList(int width, int height);

    int UsedCount() const { return usedCount_; }
    // Stores the picture, with its mask from the transparent colour, in the first free slot
    // (the strip grows by one image when none is free) and returns the slot.
    int AddGlyph(const QImage &bitmap, QRgb transparentColor);
    // Gives a slot back; a free slot is left alone.
    void DeleteGlyph(int index);

private:
    int usedCount_ = 0;
    std::vector<bool> slots_;
};

// The strips of all button pictures of the program, one per picture size.
class TStyGlyphCache
{
public:
    TStyGlyphCache() = default;
    TStyGlyphCache(const TStyGlyphCache &) = delete;
    TStyGlyphCache &operator=(const TStyGlyphCache &) = delete;

    // The strip of that size, made when there is none yet.
    TStyGlyphList *GetList(int width, int height);
    // Frees the strip when no slot of it is taken.
    void ReleaseList(TStyGlyphList *list);
    bool IsEmpty() const { return lists_.empty(); }
    int ListCount() const { return int(lists_.size()); }

private:
    std::vector<std::unique_ptr<TStyGlyphList>> lists_;
};

namespace tav::styled {

// The program's strips while any button picture exists; nullptr otherwise.
TStyGlyphCache *GlyphCache();

} // namespace tav::styled

// The picture of a button: up to five state pictures side by side as the user gave them. The
// picture of each state is made when first drawn and kept in the shared strip of its size.
// States: 0 up, 1 disabled, 2 hot, 4 pressed; 3 and 5 to 8 further states of the owner, 7 drawn
// as 1.
class TStyGlyph
{
public:
    TStyGlyph();
    TStyGlyph(const TStyGlyph &) = delete;
    TStyGlyph &operator=(const TStyGlyph &) = delete;
    ~TStyGlyph();

    const QImage &Bitmap() const { return bitmap_; }
    // Takes the picture; a width that is a whole multiple of the height sets NumGlyphs to the
    // quotient (1 above 5).
    void SetGlyph(const QImage &value);
    // Changes the picture in place; the made pictures are dropped and OnChange fires.
    void EditBitmap(const std::function<void(QImage &)> &edit);
    int NumGlyphs() const { return numGlyphs_; }
    // 0 changes nothing.
    void SetNumGlyphs(int value);
    // The flat looks that show the picture grey until the mouse is above the button.
    bool UnColored() const { return unColored_; }
    void SetUnColored(bool value);
    QRgb TransparentColor() const { return transparentColor_; }
    TStyGlyphList *GlyphList() const { return glyphList_; }

    std::function<void(TStyGlyph *)> OnChange;

    // Gives back every slot the glyph holds in its strip.
    void Invalidate();
    // The slot in GlyphList of the picture for the state, made now when needed; -1 without one.
    int IndexForState(int state);
    // The picture of the state and the caption laid out in rect; without a picture the caption
    // alone. textState is the caption's look (tsEnabled, tsDisabled3D).
    tav::styled::TStyGlyphTextBoxes Draw(QPainter &painter, const QString &caption,
                                         const TStyGlyphTextLayout &layout, const TStyFxCaption &fx,
                                         unsigned textFlags, unsigned textState, unsigned options,
                                         const QRect &rect, int state);

private:
    void BitmapChanged();

    QImage bitmap_;
    std::array<int, 9> indexes_;
    TStyGlyphList *glyphList_ = nullptr;
    int numGlyphs_ = 1;
    bool unColored_ = false;
    QRgb transparentColor_ = 0xFFFFFFFF;
};
