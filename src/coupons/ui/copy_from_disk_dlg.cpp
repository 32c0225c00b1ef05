#include "coupons/ui/copy_from_disk_dlg.h"

#include "coupons/kup_download.h"
#include "platform/core/drive.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/ui/progress_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

using namespace tav::coupons;

namespace {

const char *const kBackground = ":/MYBITMAP.png";

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TCopyFromDiskDlg::TCopyFromDiskDlg(QWidget *parent)
    : QDialog(parent), Image1(new QLabel(this)), Label1(new QLabel(this)), ProgBar(new TProgressBar(this)),
      BtnStart(new QPushButton(Text("Ε&ΚΚΙΝΗΣΗ"), this)), BtnBack(new QPushButton(Text("&ΕΠΙΣΤΡΟΦΗ"), this))
{
    setWindowTitle(Text("ΑΝΤΙΓΡΑΦΗ ΑΠΟ ΔΙΣΚΕΤΑ"));
    Image1->setPixmap(QPixmap(QString::fromUtf8(kBackground)));
    Image1->setScaledContents(true);
    Image1->setMinimumSize(240, 120);
    ProgBar->setOrientation(Qt::Vertical);
    ProgBar->SetStep(1);

    auto *picture = new QHBoxLayout;
    picture->addWidget(Image1, 1);
    picture->addWidget(ProgBar);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnStart);
    buttons->addWidget(BtnBack);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(picture, 1);
    layout->addWidget(Label1);
    layout->addLayout(buttons);

    connect(BtnStart, &QPushButton::clicked, this, &TCopyFromDiskDlg::BtnStartClick);
    connect(BtnBack, &QPushButton::clicked, this, &QDialog::reject);
}

void TCopyFromDiskDlg::BtnStartClick()
{
    ProgBar->SetMin(0);
    ProgBar->SetMax(0);
    ProgBar->SetPosition(0);
    if (!DiskInDrive(QLatin1Char('A'))) {
        MessageDlg(
            Text("Δεν είναι δυνατή η πρόσβαση στο Α:\\\nΗ συσκευή δεν είναι έτοιμη.Βεβαιωθήτε ότι έχετε "
                 "τοποθετήσει δισκέτα στο Α:\\"),
            mtError, {mbOK});
        return;
    }
    // A coupon that could not be copied is reported instead of being passed over as done.
    const bool copied = CopyKupFromDisk([this](const TDiskCopyProgress &step) {
        ProgBar->SetMax(step.total);
        ProgBar->SetPosition(step.done);
        Label1->setText(step.file.isEmpty() ? QString() : Text("Αντιγραφή του Α:\\") + step.file);
        Label1->repaint();
    });
    Label1->clear();
    if (copied)
        MessageDlg(Text("Η αντιγραφή ολοκληρώθηκε."), mtInformation, {mbOK});
    else
        MessageDlg(Text("Παρουσιάστηκε σφάλμα."), mtError, {mbOK});
}

TCopyFromDiskDlg *CopyFromDiskDlg()
{
    // Destroyed only by a test's reset: a window must not outlive the application object.
    static TCopyFromDiskDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TCopyFromDiskDlg; });
}
