#include "app/about_box.h"

#include "app/link_label.h"
#include "app/maker_info.h"
#include "platform/core/modal_result.h"
#include "platform/core/shell.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

using namespace tav::app;

namespace {

const char *const kOk = "OK";
const char *const kMailPrefix = "mailto:";
const char *const kSubject = "?Subject=";
const char *const kBody = "&Body=";

QLabel *PlacedLabel(QWidget *parent, int left, int top, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

} // namespace

TAboutBox::TAboutBox(const QString &caption, const QString &product, const QString &versionText,
                     const QString &comments, QWidget *parent)
    : QDialog(parent), ProgramIcon(new QLabel(this)), ProductName(PlacedLabel(this, 88, 16, product)),
      Version(PlacedLabel(this, 88, 40, versionText)),
      Copyright(PlacedLabel(this, 88, 64, QStringLiteral("© %1. %2").arg(MakerName, MakerRights))),
      Comments(PlacedLabel(this, 16, 96, comments)), Label4(new TLinkLabel(MakerWebAddress, this)),
      Label5(new TLinkLabel(MakerMailAddress, this)), OKButton(new QPushButton(kOk, this)), product_(product)
{
    setWindowTitle(caption);
    setFixedSize(360, 230);
    ProgramIcon->setGeometry(16, 16, 48, 48);
    ProgramIcon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    QFont nameFont = ProductName->font();
    nameFont.setBold(true);
    ProductName->setFont(nameFont);
    ProductName->adjustSize();
    Copyright->setGeometry(88, 60, 264, 32);
    Copyright->setWordWrap(true);
    Comments->setGeometry(16, 96, 328, 36);
    Comments->setWordWrap(true);
    Label4->move(16, 140);
    Label4->adjustSize();
    Label5->move(16, 162);
    Label5->adjustSize();
    OKButton->setGeometry(140, 192, 80, 27);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(Label4, &TLinkLabel::clicked, this, &TAboutBox::Label4Click);
    connect(Label5, &TLinkLabel::clicked, this, &TAboutBox::Label5Click);
}

QString TAboutBox::WebAddress() const
{
    return Label4->text();
}

QString TAboutBox::MailCommand() const
{
    return kMailPrefix + Label5->text() + kSubject + product_ + kBody;
}

void TAboutBox::reject()
{
    done(mrCancel);
}

void TAboutBox::Label4Click()
{
    OpenDocument(WebAddress());
}

void TAboutBox::Label5Click()
{
    OpenDocument(MailCommand());
}
