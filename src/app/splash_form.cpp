#include "app/splash_form.h"

#include "app/ani_cursor.h"
#include "app/link_label.h"
#include "app/maker_info.h"
#include "app/version_info.h"
#include "platform/core/message_service.h"
#include "platform/core/shell.h"
#include "platform/ui/application.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QTimer>

using namespace tav::app;

namespace {

const char *const kBitmapResource = ":/MYBITMAP.png";
const char *const kCursorNotLoaded = "Cursor not loaded";
const char *const kVersionCaption = "Έκδοση :";
const char *const kVersionPrefix = "Έκδοση : ";
const char *const kDescription = "Ποδοσφαιρικές αναλύσεις";
const char *const kCopyrightWord = "Copyright";
const char *const kCopyrightSign = "©";
const char *const kCopyrightYears = "2002-2024";
const char *const kEponimia = "Tavrolin";
// The designed narrow face, then narrow faces found on Linux desktops: the positions of the
// labels leave room for narrow letters only.
const QStringList kNarrowFamilies = {"Arial Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed"};
constexpr int kCloseDelayMs = 6000;
const QColor kFormColour(233, 233, 233);

QLabel *PlacedLabel(QWidget *parent, int left, int top, const QFont &font, const QString &text = {})
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QFont DesignFont(const QStringList &families, int pixelHeight, bool bold = true, bool italic = false)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

TSplash::TSplash(const QString &programFile, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), Timer1(new QTimer(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(529, 348);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kFormColour);
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(DesignFont({QStringLiteral("MS Sans Serif")}, 11, false));

    const QStringList &narrow = kNarrowFamilies;
    LblTitle = PlacedLabel(this, 240, 24, DesignFont(narrow, 24));
    LblDescr = PlacedLabel(this, 256, 56, DesignFont(narrow, 19, true, true), kDescription);
    LblVersion = PlacedLabel(this, 256, 104, DesignFont(narrow, 15), kVersionCaption);
    Label2 = PlacedLabel(this, 256, 144, DesignFont(narrow, 15), kCopyrightWord);
    Label3 = PlacedLabel(this, 328, 144, DesignFont({QStringLiteral("System")}, 15), kCopyrightSign);
    LblCpr = PlacedLabel(this, 344, 144, DesignFont(narrow, 15), kCopyrightYears);
    LblEponimia = PlacedLabel(this, 424, 144, DesignFont(narrow, 15), kEponimia);
    Label4 = new TLinkLabel(MakerWebAddress, this);
    QFont linkFont = DesignFont({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, 13);
    linkFont.setUnderline(true);
    Label4->setFont(linkFont);
    Label4->move(256, 184);
    Label4->adjustSize();
    LblDesign = PlacedLabel(this, 256, 272, DesignFont(narrow, 13));
    Image1 = new QFrame(this);
    Image1->setFrameShape(QFrame::HLine);
    Image1->setFrameShadow(QFrame::Sunken);
    Image1->setGeometry(-8, 296, 536, 4);
    connect(Label4, &TLinkLabel::clicked, this, &TSplash::Label4Click);

    LoadBusyCursor();
    // A circle of diameter 599 from (1, 1): the corners of the rectangle are cut away.
    setMask(QRegion(QRect(1, 1, 599, 599), QRegion::Ellipse));
    bitmap_.load(kBitmapResource);
    LblTitle->setText(ApplicationTitle());
    LblTitle->adjustSize();
    ShowVersion(programFile);
    closeFlag_ = false;

    Timer1->setInterval(kCloseDelayMs);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TSplash::Timer1Timer);
    Timer1->start();
}

TSplash::~TSplash() = default;

void TSplash::LoadBusyCursor()
{
    const std::optional<QCursor> cursor = LoadAniCursor(BusyCursorFile());
    if (!cursor) {
        ShowMessage(kCursorNotLoaded);
        return;
    }
    SetBusyCursor(*cursor);
    setCursor(*cursor);
}

void TSplash::ShowVersion(const QString &programFile)
{
    try {
        verInfo_ = std::make_unique<TVerInfoRes>(programFile);
    } catch (const EVerInfoError &error) {
        ApplicationMessageBox(error.Message(), QString(), MB_OK | MB_ICONERROR);
        return;
    }
    LblVersion->setText(kVersionPrefix + verInfo_->GetFileVersionText());
    LblVersion->adjustSize();
    QString design = verInfo_->GetOSText();
    if (!verInfo_->Flags().isEmpty())
        design += QStringLiteral(" ,") + verInfo_->Flags().first();
    LblDesign->setText(design);
    LblDesign->adjustSize();
}

void TSplash::Timer1Timer()
{
    closeFlag_ = true;
}

void TSplash::FormClick()
{
    closeFlag_ = true;
}

void TSplash::FormKeyPress(QChar key)
{
    if (key == QChar(13))
        closeFlag_ = true;
}

void TSplash::Label4Click()
{
    OpenDocument(MakerWebAddress);
}

void TSplash::paintEvent(QPaintEvent *)
{
    if (bitmap_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(0, 0, LblTitle->x() - 16, Image1->y() - 4), bitmap_);
}

void TSplash::mousePressEvent(QMouseEvent *event)
{
    FormClick();
    QWidget::mousePressEvent(event);
}

void TSplash::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        FormKeyPress(QChar(13));
    else
        QWidget::keyPressEvent(event);
}

void TSplash::closeEvent(QCloseEvent *event)
{
    if (closeFlag_)
        event->accept();
    else
        event->ignore();
}

void RunSplash(TSplash *splash)
{
    QPointer<TSplash> window(splash);
    while (window) {
        window->show();
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        if (window && window->FormCloseQuery())
            break;
    }
    delete window.data();
}
