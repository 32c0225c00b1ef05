#include "app/main_form.h"

#include "coupons/ui/agvn_kouponi_frm.h"
#include "coupons/ui/betbrain_frm.h"
#include "coupons/ui/copy_from_disk_dlg.h"
#include "coupons/ui/dir_options_dlg.h"
#include "coupons/ui/get_kup_dlg.h"
#include "coupons/ui/make_user_kup_frm.h"
#include "coupons/ui/opap_frm.h"
#include "coupons/ui/prn_kup_frm.h"
#include "coupons/ui/view_edit_kup_frm.h"
#include "couponstats/ui/kupstat_forma_b_frm.h"
#include "couponstats/ui/kupstat_forma_o_frm.h"
#include "couponstats/ui/kupstat_frm.h"
#include "couponstats/ui/scorstat_forma_frm.h"
#include "platform/ui/application.h"
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

// "Ενημέρωση από Κουπόνι ΟΠΑΠ": the update of matches from a coupon, modal; the window frees itself
// when it closes, so each opening starts afresh.
void TFrmMain::KuponiOPAPClick()
{
    RunModal(*OPAPFrm());
}

// "Εμφάνιση - Αλλαγές ": the coupon viewer, made anew when it was closed, modal.
void TFrmMain::N60Click()
{
    RunModal(*ViewEditKupFrm());
}

// "Εκτύπωση Κουπονιού": the coupon print form, made anew when it was closed, modal.
void TFrmMain::N50Click()
{
    RunModal(*PrnKupFrm());
}

// "Eνημερωση Πίνακα BetBrain": the odds comparison, made when missing, modal.
void TFrmMain::BetBrain1Click()
{
    RunModal(*CreateBETBRAINFrm());
}

// "Κουπόνια Χρήστη": the user's own coupon from the stored matches, modal.
void TFrmMain::N67Click()
{
    RunModal(*MakeUserKupFrm());
}

// "Ειδική Ανάλυση": the first page of the special analysis, its grid made ready, modal.
void TFrmMain::N61Click()
{
    KupstatFrm()->InitGrid();
    RunModal(*KupstatFrm());
}

// "Ανάλυση Βαθμών Εντός,Εκτός": the first page of the points analysis, its grid made ready, modal.
void TFrmMain::N63Click()
{
    KupstatFormaBFrm()->InitGrid();
    RunModal(*KupstatFormaBFrm());
}

// "ΑΝΑΛΥΣΗ Un-Ov": the first page of the over/under analysis, its grid made ready, modal.
void TFrmMain::UnOv1Click()
{
    KupstatFormaOFrm()->InitGrid();
    RunModal(*KupstatFormaOFrm());
}

void TFrmMain::N65Click()
{
    ScorStatFormaFrm()->InitGrid();
    RunModal(*ScorStatFormaFrm());
}

// "Ανάλυση Κουπονιού" of both menus: the coupon analysis screen, made on first use and shown
// beside the main window; later uses bring back the same screen as it was left.
void TFrmMain::AnalysiKupClick()
{
    TAgvnKouponiFrm &form = AgvnKouponiFrm();
    AssignMainFont(&form);
    form.ShowAnalysis();
}
