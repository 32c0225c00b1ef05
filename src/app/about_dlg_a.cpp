#include "app/about_dlg_a.h"

#include "app/version_info.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"

#include <QLabel>
#include <QShowEvent>

namespace {

const char *const kCaption = "Γενικά για το πρόγραμμα";
const char *const kProduct = "Tavrolin";
const char *const kVersionCaption = "Έκδοση :";
const char *const kVersionPrefix = "Έκδοση : ";
const char *const kComments = "Βάση δεδομένων και αναλύσεις αποτελεσμάτων ποδοσφαίρου και κουπονιών.";

} // namespace

TAboutDlgA::TAboutDlgA(const QString &programFile, QWidget *parent)
    : TAboutBox(kCaption, kProduct, kVersionCaption, kComments, parent), programFile_(programFile)
{
}

TAboutDlgA::~TAboutDlgA() = default;

void TAboutDlgA::FormShow()
{
    try {
        verInfo_ = std::make_unique<TVerInfoRes>(programFile_);
    } catch (const EVerInfoError &error) {
        ApplicationMessageBox(error.Message(), QString(), MB_OK | MB_ICONERROR);
        return;
    }
    Version->setText(kVersionPrefix + verInfo_->GetFileVersionText());
    Version->adjustSize();
}

void TAboutDlgA::FormClose()
{
    verInfo_.reset();
}

void TAboutDlgA::done(int result)
{
    FormClose();
    TAboutBox::done(result);
}

void TAboutDlgA::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    TAboutBox::showEvent(event);
}

TAboutDlgA *AboutDlgA()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TAboutDlgA *dialog = nullptr;
    return LongLived(dialog, [] { return new TAboutDlgA; });
}
