#include "app/about_vantoril_dlg.h"

#include "platform/core/long_lived.h"

namespace {

const char *const kCaption = "About Vantoril";
const char *const kProduct = "Vantoril";
const char *const kVersion = "Έκδοση : 2.4";
const char *const kComments = "Συστήματα και αναπτύγματα στηλών για τα κουπόνια του ΟΠΑΠ.";

} // namespace

TAboutVantorilDlg::TAboutVantorilDlg(QWidget *parent)
    : TAboutBox(kCaption, kProduct, kVersion, kComments, parent)
{
}

TAboutVantorilDlg *AboutVantorilDlg()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TAboutVantorilDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TAboutVantorilDlg; });
}
