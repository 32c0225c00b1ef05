#pragma once

#include <QDialog>
#include <QImage>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;
class QSpinBox;
class QToolButton;
class TfgStringGrid;

// "Preview": one printed page of the formula grid as a picture at screen resolution, with the
// print options to edit beside it (title, footer, date and time formats, logo, margins, padding,
// font sizes, cell frames, orientation), the page to show, zoom and print. With Live checked
// every change paints the page again; otherwise Show does.
class TfgStringGridPreviewF : public QDialog
{
    Q_OBJECT
public:
    explicit TfgStringGridPreviewF(QWidget *parent = nullptr);

    QPointer<TfgStringGrid> Grid;
    QImage PrintImage; // the page at full size

    QScrollArea *ScrollBox1;
    QLabel *PreviewImage;
    QLineEdit *Header;
    QListWidget *Headers;
    QSpinBox *Margin;
    QCheckBox *ckborders;
    QListWidget *Margins;
    QCheckBox *cklive;
    QToolButton *btnshow;
    QToolButton *btnfull;
    QToolButton *btnsetup;
    QToolButton *btnprint;
    QToolButton *btnpic;
    QSpinBox *previewpage;
    QLabel *lblpages;

    // Shows a picture in the image (a copy).
    void ShowImage(const QImage &image);
    QImage ShownImage() const { return shown_; }

    void FormShow();
    void HeadersClick();
    void HeaderChange();
    void MarginsClick();
    void MarginChange();
    void ckbordersClick();
    void previewpageChange();
    void ckliveClick();
    void btnsetupClick();
    void btnpicClick();
    void btnshowClick();
    void btnprintClick();
    void btnfullClick();
    void PreviewImageClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void RefreshWhenLive();
    // The print option behind the selected item of Headers or Margins; null without a selection.
    const char *HeaderProperty() const;
    const char *MarginProperty() const;
    void StretchShown(int width);

    QImage shown_;
};
