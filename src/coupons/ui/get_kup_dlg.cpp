#include "coupons/ui/get_kup_dlg.h"

#include "coupons/kup_download.h"
#include "platform/core/errors.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/shell.h"
#include "platform/ui/progress_bar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

using namespace tav::coupons;

namespace {

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

int ClampToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, 0, INT_MAX));
}

} // namespace

TGetKupDlg::TGetKupDlg(QWidget *parent)
    : QDialog(parent), GroupBox1(new QGroupBox(Text("ΕΛΕΓΧΟΣ ΓΙΑ"), this)),
      ChkKup(new QCheckBox(Text("Νέα Κουπόνια"), GroupBox1)),
      ChkUpdate(new QCheckBox(Text("Αναβαθμίσεις του προγράμματος"), GroupBox1)),
      ProgBar(new TProgressBar(this)), Label1(new QLabel(this)),
      BtnStart(new QPushButton(Text("Ε&ΚΚΙΝΗΣΗ"), this)), BitBtn1(new QPushButton(Text("&ΕΠΙΣΤΡΟΦΗ"), this))
{
    setWindowTitle(Text("ΛΗΨΗ ΚΟΥΠΟΝΙΩΝ ΑΠΟ ΤΟ INTERNET"));
    ChkKup->setChecked(true);
    ChkUpdate->setEnabled(false);
    auto *checks = new QVBoxLayout(GroupBox1);
    checks->addWidget(ChkKup);
    checks->addWidget(ChkUpdate);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnStart);
    buttons->addWidget(BitBtn1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ProgBar);
    layout->addWidget(Label1);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);

    connect(BtnStart, &QPushButton::clicked, this, &TGetKupDlg::BtnStartClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TGetKupDlg::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TGetKupDlg::FormShow()
{
    Label1->clear();
    ProgBar->SetMin(0);
    ProgBar->SetMax(1);
    ProgBar->SetPosition(0);
}

void TGetKupDlg::NMHTTP1PacketRecvd(qint64 received, qint64 total)
{
    ProgBar->SetMin(0);
    ProgBar->SetMax(std::max(1, ClampToInt(total)));
    ProgBar->SetPosition(ClampToInt(received));
    Label1->setText(Text("Έχουν ληφθεί %1 bytes από %2").arg(received).arg(std::max<qint64>(total, 0)));
}

void TGetKupDlg::BtnStartClick()
{
    if (!IsDialUpConnected())
        MessageDlg(Text("Παρακαλώ βεαιωθήτε ότι είστε συνδεδεμένος με το Internet"), mtInformation, {mbOK});
    BtnStart->setEnabled(false);
    const auto enableAgain = qScopeGuard([this] { BtnStart->setEnabled(true); });
    try {
        DownloadKupFiles({[this](const QString &) { ProgBar->SetPosition(0); },
                          [this](qint64 received, qint64 total) { NMHTTP1PacketRecvd(received, total); }});
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
        MessageDlg(Text("Παρουσιάστηκε σφάλμα στη λήψη κουπονιών"), mtError, {mbOK});
        return;
    }
    MessageDlg(Text("Ολοκληρώθηκε η λήψη των κουπονιών. Καλή περιήγηση..."), mtInformation, {mbOK});
    accept();
    OpenDocument(CouponServerAddress(QStringLiteral("/count-tavrolin.html")).toString());
}

TGetKupDlg *GetKupDlg()
{
    // Destroyed only by a test's reset: a window must not outlive the application object.
    static TGetKupDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TGetKupDlg; });
}
