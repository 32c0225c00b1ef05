#include "app/dir_options1_dlg.h"

#include "app/help_topic.h"
#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"

#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardPaths>
#include <QStyle>
#include <QToolButton>

using namespace tav::app;

namespace {

const char *const kCaption = "ΚΑΤΑΛΟΓΟΙ ΕΦΑΡΜΟΓΩΝ";
const char *const kOk = "&ΟΚ";
const char *const kCancel = "ΑΚΥΡΟ";
const char *const kHelp = "ΒΟΗ&ΘΕΙΑ";
const char *const kPickerTitle = "Επιλέξτε κατάλογο";
const char *const kKey = "Software\\Tavrolin\\Directories";
const char *const kSection = "Options";
const char *const kDrumlane = "Drumlane";
const char *const kTavrolin = "Tavrolin";
const char *const kVelmistor = "Velmistor";
const char *const kRowLabels[TDirOptions1Dlg::RowCount] = {
    "Drumlane.exe", "Tavrolin.exe", "Velmistor.exe", "-", "-", "-"};
const QColor kFormColour(215, 207, 179);

} // namespace

TDirOptions1Dlg::TDirOptions1Dlg(QWidget *parent)
    : QDialog(parent), GroupBox1(new QGroupBox(this)), Edit1(new QLineEdit(GroupBox1)),
      Edit2(new QLineEdit(GroupBox1)), Edit3(new QLineEdit(GroupBox1)), Edit4(new QLineEdit(GroupBox1)),
      Edit5(new QLineEdit(GroupBox1)), Edit6(new QLineEdit(GroupBox1)), BtnOk(new QPushButton(kOk, this)),
      BtnCancel(new QPushButton(this)), BtnHelp(new QPushButton(this))
{
    setFixedSize(443, 375);
    GroupBox1->setGeometry(8, 8, 427, 317);
    const QIcon rowIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon browseIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const std::array<QLineEdit *, RowCount> edits = Edits();
    for (int row = 0; row < RowCount; ++row) {
        const int top = 28 + row * 48;
        auto *icon = new QLabel(GroupBox1);
        icon->setGeometry(12, top, 24, 24);
        icon->setPixmap(rowIcon.pixmap(24, 24));
        Labels[row] = new QLabel(kRowLabels[row], GroupBox1);
        Labels[row]->setGeometry(44, top - 4, 360, 16);
        edits[row]->setGeometry(44, top + 12, 340, 22);
        SpeedButtons[row] = new QToolButton(GroupBox1);
        SpeedButtons[row]->setIcon(browseIcon);
        SpeedButtons[row]->setGeometry(390, top + 12, 24, 22);
        connect(SpeedButtons[row], &QToolButton::clicked, this, [this, row] { SpeedButtonClick(row); });
    }
    BtnOk->setGeometry(112, 336, 100, 28);
    BtnOk->setDefault(true);
    BtnCancel->setGeometry(220, 336, 100, 28);
    BtnHelp->setGeometry(328, 336, 100, 28);
    connect(BtnOk, &QPushButton::clicked, this, &TDirOptions1Dlg::OKBtnClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TDirOptions1Dlg::reject);
    connect(BtnHelp, &QPushButton::clicked, this, &TDirOptions1Dlg::BtnHelpClick);
}

std::array<QLineEdit *, TDirOptions1Dlg::RowCount> TDirOptions1Dlg::Edits() const
{
    return {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
}

void TDirOptions1Dlg::FormShow()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kFormColour);
    setPalette(colours);
    setAutoFillBackground(true);
    setWindowTitle(kCaption);
    GroupBox1->setTitle(kCaption);
    BtnCancel->setText(kCancel);
    BtnHelp->setText(kHelp);

    const TRegIniFile registry(kKey);
    Edit1->setText(registry.ReadString(kSection, kDrumlane, QString()));
    Edit2->setText(registry.ReadString(kSection, kTavrolin, QDir::toNativeSeparators(ProgramFolder())));
    Edit3->setText(registry.ReadString(kSection, kVelmistor, QString()));
}

void TDirOptions1Dlg::OKBtnClick()
{
    TRegIniFile registry(kKey);
    registry.WriteString(kSection, kDrumlane, Edit1->text());
    registry.WriteString(kSection, kTavrolin, Edit2->text());
    registry.WriteString(kSection, kVelmistor, Edit3->text());
    done(mrOk);
}

void TDirOptions1Dlg::SpeedButtonClick(int row)
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString folder = QFileDialog::getExistingDirectory(this, kPickerTitle, desktop);
    if (!folder.isEmpty())
        Edits()[row]->setText(QDir::toNativeSeparators(folder));
}

void TDirOptions1Dlg::reject()
{
    done(mrCancel);
}

void TDirOptions1Dlg::BtnHelpClick()
{
    ShowHelpTopic(HelpContext);
}

void TDirOptions1Dlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

TDirOptions1Dlg *DirOptions1Dlg()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TDirOptions1Dlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TDirOptions1Dlg; });
}
