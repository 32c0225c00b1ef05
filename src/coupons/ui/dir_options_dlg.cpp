#include "coupons/ui/dir_options_dlg.h"

#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"
#include "platform/core/registry.h"
#include "platform/ui/modal_runner.h"

#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>

namespace {

const char *const kCaption = "Κατάλογοι Εφαρμογών";
const char *const kHint = "Με F1 Βοήθεια";
const char *const kGreekSite = "Site (Ελληνικά)";
const char *const kEnglishSite = "Site (Αγγλικά)";
const char *const kOk = "&ΟΚ";
const char *const kCancel = "&ΑΚΥΡΟ";
const char *const kPickerTitle = "Επιλέξτε κατάλογο";
const char *const kKey = "Software\\TAVROLIN\\Directories";
const char *const kSection = "Options";
const char *const kGreekValue = "DeRerUzive";
const char *const kEnglishValue = "VuVavUdova";
const QColor kFormColour(215, 207, 179);

} // namespace

TDirOptionsDlg::TDirOptionsDlg(QWidget *parent)
    : QDialog(parent, Qt::Tool), GroupBox1(new QGroupBox(QString::fromUtf8(kCaption), this)),
      Label1(new QLabel(QString::fromUtf8(kGreekSite), GroupBox1)), Edit1(new QLineEdit(GroupBox1)),
      SpeedButton1(new QToolButton(GroupBox1)),
      Label2(new QLabel(QString::fromUtf8(kEnglishSite), GroupBox1)), Edit2(new QLineEdit(GroupBox1)),
      SpeedButton2(new QToolButton(GroupBox1)), BitBtn1(new QPushButton(QString::fromUtf8(kOk), this)),
      BitBtn2(new QPushButton(QString::fromUtf8(kCancel), this))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    setToolTip(QString::fromUtf8(kHint));
    setFixedSize(420, 190);
    GroupBox1->setGeometry(8, 8, 404, 130);
    const QIcon browse = style()->standardIcon(QStyle::SP_DirOpenIcon);
    Label1->setGeometry(12, 24, 360, 16);
    Edit1->setGeometry(12, 42, 346, 22);
    SpeedButton1->setGeometry(364, 42, 26, 22);
    Label2->setGeometry(12, 74, 360, 16);
    Edit2->setGeometry(12, 92, 346, 22);
    SpeedButton2->setGeometry(364, 92, 26, 22);
    for (QToolButton *button : {SpeedButton1, SpeedButton2})
        button->setIcon(browse);
    BitBtn1->setGeometry(100, 150, 100, 30);
    BitBtn1->setDefault(true);
    BitBtn2->setGeometry(220, 150, 100, 30);
    connect(SpeedButton1, &QToolButton::clicked, this, &TDirOptionsDlg::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TDirOptionsDlg::SpeedButton2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TDirOptionsDlg::OKBtnClick);
    connect(BitBtn2, &QPushButton::clicked, this, &TDirOptionsDlg::reject);
}

void TDirOptionsDlg::FormShow()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kFormColour);
    setPalette(colours);
    setAutoFillBackground(true);
    const TRegIniFile registry(QString::fromUtf8(kKey));
    Edit1->setText(
        registry.ReadString(QString::fromUtf8(kSection), QString::fromUtf8(kGreekValue), QString()));
    Edit2->setText(
        registry.ReadString(QString::fromUtf8(kSection), QString::fromUtf8(kEnglishValue), QString()));
}

void TDirOptionsDlg::OKBtnClick()
{
    TRegIniFile registry(QString::fromUtf8(kKey));
    registry.WriteString(QString::fromUtf8(kSection), QString::fromUtf8(kGreekValue), Edit1->text());
    registry.WriteString(QString::fromUtf8(kSection), QString::fromUtf8(kEnglishValue), Edit2->text());
    done(mrOk);
}

void TDirOptionsDlg::SpeedButton1Click()
{
    Browse(Edit1);
}

void TDirOptionsDlg::SpeedButton2Click()
{
    Browse(Edit2);
}

void TDirOptionsDlg::Browse(QLineEdit *edit)
{
    QFileDialog chooser(this, QString::fromUtf8(kPickerTitle));
    chooser.setFileMode(QFileDialog::Directory);
    chooser.setOption(QFileDialog::ShowDirsOnly);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    if (RunModal(chooser) != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    edit->setText(QDir::toNativeSeparators(chooser.selectedFiles().first()));
}

void TDirOptionsDlg::reject()
{
    done(mrCancel);
}

void TDirOptionsDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

TDirOptionsDlg *DirOptionsDlg()
{
    static TDirOptionsDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TDirOptionsDlg; });
}
