#include "controls/formulagrid/fg_string_grid_preview_form.h"

#include "controls/formulagrid/fg_stretch_bitmap.h"
#include "controls/formulagrid/fg_string_grid.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/printer.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageSetupDialog>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

const char *const kCaption = "Preview";
const QSize kFormSize(603, 392);
constexpr int kPanelWidth = 157;
const char *const kPictureFilter = "Bitmap Files (*.bmp)";
const char *const kFullView = "Full View";
const char *const kPagesOf = "of ";
const char *const kLogoItem = "Logo";
constexpr double kZoomStep = 0.8; // a click shows the page 1.25 times wider, up to full size

// The items of the two lists and the print options they edit.
struct Item
{
    const char *text;
    const char *property;
};
const Item kHeaderItems[] = {{"HeaderText", "PageTitle"},
                             {"FooterText", "PageFooter"},
                             {"DateFormat", "DateFormat"},
                             {"TimeFormat", "TimeFormat"},
                             {kLogoItem, "Logo"}};
const Item kMarginItems[] = {{"MarginTop", "MarginTop"},       {"MarginHeader", "PageTitleMargin"},
                             {"MarginLeft", "MarginLeft"},     {"MarginRight", "MarginRight"},
                             {"MarginBottom", "MarginBottom"}, {"PaddingLeft", "Leftpadding"},
                             {"HeaderSize", "HeaderSize"},     {"FooterSize", "FooterSize"}};
constexpr int kSizeItems = 6; // items from here on are font sizes
constexpr int kMaxMargin = 400;
constexpr int kMinFontSize = 6;
constexpr int kMaxFontSize = 72;

QToolButton *Button(QWidget *parent, QStyle::StandardPixmap icon, const QString &hint = {})
{
    auto *button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}

} // namespace

TfgStringGridPreviewF::TfgStringGridPreviewF(QWidget *parent)
    : QDialog(parent), ScrollBox1(new QScrollArea(this)), PreviewImage(new QLabel),
      Header(new QLineEdit(QStringLiteral("Header"))), Headers(new QListWidget), Margin(new QSpinBox),
      ckborders(new QCheckBox(QStringLiteral("Borders"))), Margins(new QListWidget),
      cklive(new QCheckBox(QStringLiteral("Live"))), btnshow(Button(this, QStyle::SP_BrowserReload)),
      btnfull(Button(this, QStyle::SP_TitleBarMaxButton, QString::fromLatin1(kFullView))),
      btnsetup(Button(this, QStyle::SP_FileDialogDetailedView)),
      btnprint(Button(this, QStyle::SP_DialogSaveButton)), btnpic(Button(this, QStyle::SP_DirOpenIcon)),
      previewpage(new QSpinBox), lblpages(new QLabel)
{
    setWindowTitle(QString::fromLatin1(kCaption));
    resize(kFormSize);
    PreviewImage->installEventFilter(this);
    ScrollBox1->setWidget(PreviewImage);
    for (const Item &item : kHeaderItems)
        Headers->addItem(QString::fromLatin1(item.text));
    for (const Item &item : kMarginItems)
        Margins->addItem(QString::fromLatin1(item.text));
    Margin->setRange(0, kMaxMargin);
    ckborders->setChecked(true);
    previewpage->setRange(1, 1);

    auto *panel = new QWidget(this);
    panel->setFixedWidth(kPanelWidth);
    auto *buttons = new QHBoxLayout;
    for (QToolButton *button : {btnshow, btnfull, btnsetup, btnprint, btnpic})
        buttons->addWidget(button);
    auto *pages = new QHBoxLayout;
    pages->addWidget(previewpage);
    pages->addWidget(lblpages);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(Header);
    column->addWidget(Headers);
    column->addWidget(Margin);
    column->addWidget(ckborders);
    column->addWidget(Margins);
    column->addWidget(cklive);
    column->addLayout(buttons);
    column->addLayout(pages);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(ScrollBox1, 1);

    connect(Header, &QLineEdit::textChanged, this, [this] { HeaderChange(); });
    connect(Headers, &QListWidget::itemClicked, this, [this] { HeadersClick(); });
    connect(Margin, &QSpinBox::valueChanged, this, [this] { MarginChange(); });
    connect(ckborders, &QCheckBox::clicked, this, [this] { ckbordersClick(); });
    connect(Margins, &QListWidget::itemClicked, this, [this] { MarginsClick(); });
    connect(cklive, &QCheckBox::clicked, this, [this] { ckliveClick(); });
    connect(btnshow, &QToolButton::clicked, this, [this] { btnshowClick(); });
    connect(btnfull, &QToolButton::clicked, this, [this] { btnfullClick(); });
    connect(btnsetup, &QToolButton::clicked, this, [this] { btnsetupClick(); });
    connect(btnprint, &QToolButton::clicked, this, [this] { btnprintClick(); });
    connect(btnpic, &QToolButton::clicked, this, [this] { btnpicClick(); });
    connect(previewpage, &QSpinBox::valueChanged, this, [this] { previewpageChange(); });
}

void TfgStringGridPreviewF::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

bool TfgStringGridPreviewF::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PreviewImage && event->type() == QEvent::MouseButtonRelease)
        PreviewImageClick();
    return QDialog::eventFilter(watched, event);
}

void TfgStringGridPreviewF::ShowImage(const QImage &image)
{
    shown_ = image.copy();
    PreviewImage->setPixmap(QPixmap::fromImage(shown_));
    PreviewImage->resize(shown_.size());
}

void TfgStringGridPreviewF::RefreshWhenLive()
{
    if (cklive->isChecked())
        btnshow->click();
}

const char *TfgStringGridPreviewF::HeaderProperty() const
{
    const int row = Headers->currentRow();
    return row < 0 ? nullptr : kHeaderItems[row].property;
}

const char *TfgStringGridPreviewF::MarginProperty() const
{
    const int row = Margins->currentRow();
    return row < 0 ? nullptr : kMarginItems[row].property;
}

void TfgStringGridPreviewF::FormShow()
{
    if (!Grid)
        return;
    TPrintOptions &options = *Grid->PrintOptions();
    Header->setText(options.PageTitle);
    Margin->setValue(options.MarginTop);
    Margins->setCurrentRow(0);
    const int pages = Grid->CountPreviewPages();
    previewpage->setMaximum(std::max(pages, 1));
    lblpages->setText(QString::fromLatin1(kPagesOf) + QString::number(pages));
    options.PreviewPage = 1;
    previewpage->setValue(1);
    ckborders->setChecked(options.BorderStyle == TPrintOptions::bsSingle);
    Header->setText(options.PageTitle);
    Headers->setCurrentRow(0);
}

void TfgStringGridPreviewF::HeadersClick()
{
    if (Grid && !!HeaderProperty())
        Header->setText(Grid->PrintOptions()->property(HeaderProperty()).toString());
}

void TfgStringGridPreviewF::HeaderChange()
{
    if (!Grid || !HeaderProperty())
        return;
    Grid->PrintOptions()->setProperty(HeaderProperty(), Header->text());
    RefreshWhenLive();
}

void TfgStringGridPreviewF::MarginsClick()
{
    if (!Grid || !MarginProperty())
        return;
    // Only showing the setting: nothing is written back while the range and value change.
    const QSignalBlocker blocker(Margin);
    if (Margins->currentRow() < kSizeItems)
        Margin->setRange(0, kMaxMargin);
    else
        Margin->setRange(kMinFontSize, kMaxFontSize);
    Margin->setValue(Grid->PrintOptions()->property(MarginProperty()).toInt());
}

void TfgStringGridPreviewF::MarginChange()
{
    if (!Grid || !MarginProperty())
        return;
    Grid->PrintOptions()->setProperty(MarginProperty(), Margin->value());
    RefreshWhenLive();
}

void TfgStringGridPreviewF::ckbordersClick()
{
    if (!Grid)
        return;
    Grid->PrintOptions()->BorderStyle =
        ckborders->isChecked() ? TPrintOptions::bsSingle : TPrintOptions::bsNone;
    RefreshWhenLive();
}

void TfgStringGridPreviewF::previewpageChange()
{
    if (!Grid)
        return;
    Grid->PrintOptions()->PreviewPage =
        std::clamp(previewpage->value(), previewpage->minimum(), previewpage->maximum());
    RefreshWhenLive();
}

void TfgStringGridPreviewF::ckliveClick()
{
    RefreshWhenLive();
}

void TfgStringGridPreviewF::btnsetupClick()
{
    QPageSetupDialog dialog(&Printer().Device(), this);
    if (RunModal(dialog) != QDialog::Accepted || !Grid)
        return;
    Grid->PrintOptions()->Orientation =
        Printer().Landscape() ? TPrintOptions::poLandscape : TPrintOptions::poPortrait;
    RefreshWhenLive();
}

void TfgStringGridPreviewF::btnpicClick()
{
    QFileDialog dialog(this);
    dialog.setNameFilter(QString::fromLatin1(kPictureFilter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty() || !Grid)
        return;
    if (!Headers->currentItem() || Headers->currentItem()->text() != QLatin1String(kLogoItem))
        return;
    const QString file = dialog.selectedFiles().first();
    Header->setText(file);
    Grid->PrintOptions()->Logo = file;
}

void TfgStringGridPreviewF::btnshowClick()
{
    if (!Grid)
        return;
    Grid->PaintPreviewPage(PrintImage);
    ShowImage(PrintImage);
}

void TfgStringGridPreviewF::btnprintClick()
{
    if (Grid)
        Grid->PrintGrid();
}

void TfgStringGridPreviewF::StretchShown(int width)
{
    if (width <= 0 || PrintImage.isNull())
        return;
    const int height = int(std::lround(double(width) * PrintImage.height() / PrintImage.width()));
    QImage scaled(width, std::max(height, 1), QImage::Format_RGB888);
    StretchBitmap(PrintImage, scaled);
    ShowImage(scaled);
}

void TfgStringGridPreviewF::btnfullClick()
{
    StretchShown(ScrollBox1->viewport()->width());
}

void TfgStringGridPreviewF::PreviewImageClick()
{
    if (PrintImage.isNull())
        return;
    if (shown_.width() > std::lround(PrintImage.width() * kZoomStep)) {
        ShowImage(PrintImage);
        return;
    }
    const double f = double(shown_.width()) / PrintImage.width() / kZoomStep;
    StretchShown(int(std::lround(PrintImage.width() * f)));
}
