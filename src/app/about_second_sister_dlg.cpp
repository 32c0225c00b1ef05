#include "app/about_second_sister_dlg.h"

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
    // Never destroyed: a window must not outlive the application object in a destructor.
    static TAboutSecondSisterDlg *dialog = new TAboutSecondSisterDlg;
    return dialog;
}
