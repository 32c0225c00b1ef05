#include "app/main_form.h"

#include "coupons/ui/copy_from_disk_dlg.h"
#include "coupons/ui/dir_options_dlg.h"
#include "coupons/ui/get_kup_dlg.h"
#include "coupons/ui/make_user_kup_frm.h"
#include "platform/ui/modal_runner.h"

// "Λήψη Κουπονιών από Internet": the coupon download, modal.
void TFrmMain::KuponiaClick()
{
    RunModal(*GetKupDlg());
}

// "Αντιγραφή από Δισκέτα": the diskette copy, modal.
void TFrmMain::N56Click()
{
    RunModal(*CopyFromDiskDlg());
}

// "Κατάλογοι Ενημέρωσης": the folders of the web-site copies, modal.
void TFrmMain::N54Click()
{
    RunModal(*DirOptionsDlg());
}

// "Κουπόνια Χρήστη": the user's own coupon from the stored matches, modal.
void TFrmMain::N67Click()
{
    RunModal(*MakeUserKupFrm());
}
