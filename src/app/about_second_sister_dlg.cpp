#include "app/about_second_sister_dlg.h"

#include "platform/core/long_lived.h"

namespace {

const char *const kCaption = "About Velmistor";
const char *const kProduct = "Velmistor";
const char *const kVersion = "Έκδοση : 3.1";
const char *const kComments = "Στατιστικές αναλύσεις, σενάρια και προτάσεις για τα κουπόνια του ΟΠΑΠ.";

} // namespace

TAboutSecondSisterDlg::TAboutSecondSisterDlg(QWidget *parent)
    : TAboutBox(kCaption, kProduct, kVersion, kComments, parent)
{
}

TAboutSecondSisterDlg *AboutSecondSisterDlg()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TAboutSecondSisterDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TAboutSecondSisterDlg; });
}
