#pragma once

#include "controls/styled/sty_change_link.h"
#include "controls/styled/sty_design.h"
#include "controls/styled/sty_draw.h"
#include "controls/styled/sty_glyph.h"
#include "controls/styled/sty_image_lists.h"

#include <QColor>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QPushButton>

#include <cstdint>
#include <functional>

class QPainter;
class TStyButtonLayout;
class TStyFxCaption;

// A push button painted by the library: a glyph and a caption with text effects in one of the
// fourteen button looks, hot under the mouse, clicking again and again while held
// (RepeatedClick) and optionally opening a drop-down menu. In a dialog a click with a ModalResult
// runs OnClick first and then ends the dialog with that result.
class TStyCustomButton : public QPushButton, public TStyPersistent, public TStyLoadable
{
    Q_OBJECT
    Q_PROPERTY(QString About READ About WRITE SetAbout STORED false)
    Q_PROPERTY(TStyButtonLayout *ButtonLayout READ ButtonLayout WRITE SetButtonLayout)
    Q_PROPERTY(QString Caption READ text WRITE setText)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(TStyFxCaption *FontFX READ FontFX WRITE SetFontFX)
    // Stored through DefineProperties: only while no image list gives the picture.
    Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph STORED false)
    Q_PROPERTY(bool HideHint READ HideHint WRITE SetHideHint)
    Q_PROPERTY(bool UseCaption READ UseCaption WRITE SetUseCaption)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE SetListIndex)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool MultiLine READ MultiLine WRITE SetMultiLine)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(bool RepeatedClick READ RepeatedClick WRITE SetRepeatedClick)
    Q_PROPERTY(int RepeatingInterval READ RepeatingInterval WRITE SetRepeatingInterval)
    Q_PROPERTY(int RepeatingDelay READ RepeatingDelay WRITE SetRepeatingDelay)
    Q_PROPERTY(tav::styled::look::TStyUserButtonStyle ExtStyle READ ExtStyle WRITE SetExtStyle)

public:
    using TStyUserButtonStyle = tav::styled::look::TStyUserButtonStyle;

    explicit TStyCustomButton(QWidget *parent = nullptr);
    ~TStyCustomButton() override;

    QString About() const { return about_; }
    void SetAbout(const QString &value) { about_ = value; }
    TStyButtonLayout *ButtonLayout() const { return layout_; }
    void SetButtonLayout(TStyButtonLayout *value);
    QColor Color() const { return color_; }
    void SetColor(const QColor &value);
    TStyFxCaption *FontFX() const { return fontFX_; }
    void SetFontFX(TStyFxCaption *value);
    QImage Glyph() const { return glyph_.Bitmap(); }
    // Leaves the image list (outside a design being read) and shows the picture.
    void SetGlyph(const QImage &value);
    const TStyGlyph &GlyphObject() const { return glyph_; }
    // Hides the application's tooltip when the mouse leaves.
    bool HideHint() const { return hideHint_; }
    void SetHideHint(bool value) { hideHint_ = value; }
    bool UseCaption() const { return useCaption_; }
    void SetUseCaption(bool value);
    // The list is not owned; the button shows its picture, follows its changes and forgets it
    // when it goes. A design names only the program's shared lists (under "Internal").
    TStyCustomImageList *ImageList() const { return imageList_; }
    void SetImageList(TStyCustomImageList *value);
    int ImageIndex() const { return indexes_[0]; }
    void SetImageIndex(int value) { SetIndex(0, value); }
    int ListIndex() const { return indexes_[1]; }
    void SetListIndex(int value) { SetIndex(1, value); }
    // The result a dialog ends with after OnClick; 0 leaves the dialog open.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int value) { modalResult_ = value; }
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int value);
    bool RepeatedClick() const { return repeatedClick_; }
    void SetRepeatedClick(bool value) { repeatedClick_ = value; }
    // Milliseconds between repeated clicks, and before the first; multiples of the pool's tick.
    int RepeatingInterval() const { return repeatingInterval_; }
    void SetRepeatingInterval(int value) { repeatingInterval_ = std::uint16_t(value); }
    int RepeatingDelay() const { return repeatingDelay_; }
    void SetRepeatingDelay(int value) { repeatingDelay_ = std::uint16_t(value); }
    TStyUserButtonStyle ExtStyle() const { return extStyle_; }
    void SetExtStyle(TStyUserButtonStyle value);

    // The menu opened below the button (beside it with DropDownRight) after OnClick; a button with
    // one never ends its dialog. Not owned; forgotten when it goes.
    QMenu *DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(QMenu *value) { dropDownMenu_ = value; }
    int DropDownIndent() const { return dropDownIndent_; }
    void SetDropDownIndent(int value) { dropDownIndent_ = value; }
    bool DropDownRight() const { return dropDownRight_; }
    void SetDropDownRight(bool value) { dropDownRight_ = value; }

    bool Hot() const { return hot_; }
    // 0 normal, 1 disabled, 2 hot, 4 pressed: the state of the last paint.
    int DrawState() const { return drawState_; }
    bool Dropping() const { return dropping_; }
    // The focused or default button of its window.
    bool Active() const { return isDefault() || hasFocus(); }
    // The pool timer of the held button; 0 while none runs.
    std::uint16_t RepeatTimer() const { return repeatTimer_; }

    std::function<void(QObject *)> OnClick;
    std::function<void(QObject *)> OnMouseEnter;
    std::function<void(QObject *)> OnMouseExit;
    std::function<void(QObject *)> OnDropDown;

    // "Internal" names a shared image list, "Glyph" holds the button's own picture; "Style" is
    // read from older designs only.
    void DefineProperties(TStyFiler &filer) override;
    void Loaded() override;
    void setVisible(bool visible) override;

    // With a drop-down menu: OnClick, then the menu. Otherwise OnClick, then the dialog ends with
    // ModalResult.
    virtual void Click();

protected:
    // A stock symbol (1..8) drawn when the button has no picture of its own; 0 for none.
    int StockGlyphKind() const { return stockGlyphKind_; }
    void SetStockGlyphKind(int value);

    // The button moved (flag 2) or changed its size (flag 1).
    virtual void BoundsChanged(int) {}
    virtual void DrawContent(QPainter &painter, const QRect &rect, unsigned textFlags);
    virtual void DrawButton(QPainter &painter);
    virtual void RepeatTick();

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    // A double click comes here too (QWidget's own handling), as a second press.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class TSource
    {
        None,
        Font,
        FontFX,
        Settings
    };
    void SettingsChanged(TSource sender);
    void SetIndex(int index, int value);
    void ReloadFromImageList();
    void UnlinkImageList();
    bool GlyphStored() const { return !imageList_ || stockGlyphKind_ != 0; }
    void StartRepeat();
    void StopRepeat();
    void DropDown();

    QString about_;
    QColor color_;
    TStyGlyph glyph_;
    TStyButtonLayout *layout_;
    TStyFxCaption *fontFX_;
    TStyChangeLink imageLink_;
    QPointer<TStyCustomImageList> imageList_;
    int indexes_[2] = {0, 0};
    QPointer<QMenu> dropDownMenu_;
    int dropDownIndent_ = 0;
    bool dropDownRight_ = false;
    bool hideHint_ = true;
    bool useCaption_ = true;
    bool multiLine_ = false;
    bool repeatedClick_ = false;
    std::uint16_t repeatingInterval_ = 100;
    std::uint16_t repeatingDelay_ = 500;
    TStyUserButtonStyle extStyle_ = tav::styled::ubsAutoDetect;
    int modalResult_ = 0;
    bool hot_ = false;
    int drawState_ = 0;
    bool dropping_ = false;
    std::uint16_t repeatTimer_ = 0;
    int stockGlyphKind_ = 0;
};
