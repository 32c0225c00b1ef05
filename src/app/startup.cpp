#include "app/startup.h"

#include "analysis/ui/agvn_pososta_form.h"
#include "analysis/ui/agvn_proistoria_form.h"
#include "analysis/ui/auto_baum_form.h"
#include "analysis/ui/baum_form.h"
#include "analysis/ui/baum_form_date.h"
#include "analysis/ui/pin_form.h"
#include "analysis/ui/plegma_a_form.h"
#include "analysis/ui/proistoria_form.h"
#include "analysis/ui/stat_frm.h"
#include "app/about_dlg_a.h"
#include "app/about_second_sister_dlg.h"
#include "app/about_vantoril_dlg.h"
#include "app/ani_cursor.h"
#include "app/backup_restore.h"
#include "app/dir_options1_dlg.h"
#include "app/help_topic.h"
#include "app/sel_opt_dlg.h"
#include "app/splash_form.h"
#include "app/tip_form.h"
#include "app/window_links.h"
#include "coupons/ui/betbrain_frm.h"
#include "coupons/ui/betbrain_notes_dlg.h"
#include "coupons/ui/betbrain_prot_range_dlg.h"
#include "coupons/ui/copy_from_disk_dlg.h"
#include "coupons/ui/dir_options_dlg.h"
#include "coupons/ui/epiloges_dlg.h"
#include "coupons/ui/filter_kup_frm.h"
#include "coupons/ui/get_kup_dlg.h"
#include "coupons/ui/list_deltia_frm.h"
#include "coupons/ui/list_deltia_k_frm.h"
#include "coupons/ui/make_user_kup_frm.h"
#include "coupons/ui/opap_edt_scor_dlg.h"
#include "coupons/ui/opap_frm.h"
#include "coupons/ui/opap_sel_rounds_frm.h"
#include "coupons/ui/print_range_dlg.h"
#include "coupons/ui/prn_kup_frm.h"
#include "coupons/ui/sel_period_frm.h"
#include "coupons/ui/view_edit_kup_frm.h"
#include "coupons/ui/view_edit_opt_dlg.h"
#include "couponstats/kind_analysis.h"
#include "couponstats/over_under_analysis.h"
#include "couponstats/over_under_columns.h"
#include "couponstats/score_analysis.h"
#include "couponstats/score_columns.h"
#include "couponstats/ui/kup_stat_all_frm.h"
#include "couponstats/ui/kup_stat_param_frm.h"
#include "couponstats/ui/kupstat_forma_b_frm.h"
#include "couponstats/ui/kupstat_forma_o_frm.h"
#include "couponstats/ui/kupstat_frm.h"
#include "couponstats/ui/kupstat_next_forma_b_frm.h"
#include "couponstats/ui/kupstat_next_forma_o_frm.h"
#include "couponstats/ui/kupstat_next_frm.h"
#include "couponstats/ui/prn_options_frm.h"
#include "couponstats/ui/range_dlg.h"
#include "couponstats/ui/scor_options_frm.h"
#include "couponstats/ui/scorstat_forma_frm.h"
#include "couponstats/ui/scorstat_next_forma_frm.h"
#include "couponstats/ui/stat_options_forma_b_frm.h"
#include "couponstats/ui/stat_options_frm.h"
#include "data/data_module.h"
#include "editors/ui/agvn_enhm_form.h"
#include "editors/ui/agvn_save_form.h"
#include "editors/ui/agvnes_form.h"
#include "editors/ui/agvnes_form1.h"
#include "editors/ui/auto_enhm_form.h"
#include "editors/ui/br_date_form.h"
#include "editors/ui/chk_agvn_frm.h"
#include "editors/ui/convert_pr_dlg.h"
#include "editors/ui/enhm_type_form.h"
#include "editors/ui/get_files_frm.h"
#include "editors/ui/kat_edit_form.h"
#include "editors/ui/krath_form.h"
#include "editors/ui/omades_form.h"
#include "editors/ui/period_form.h"
#include "editors/ui/sporting_enhm_frm.h"
#include "editors/ui/t_names_form.h"
#include "platform/core/long_lived.h"
#include "platform/db/database.h"
#include "platform/ui/application.h"
#include "platform/ui/command_guard.h"
#include "platform/ui/progress_dialog.h"
#include "shared/file_save_form.h"
#include "shared/mass_save_form.h"

#include <QApplication>
#include <QGuiApplication>

namespace tav::app {

namespace {

const char *const kApplicationTitle = "TAVROLIN";

template <auto Accessor> QWidget *Create()
{
    return Accessor();
}

QWidget *CreateBaumForm()
{
    return &BaumForm();
}

QWidget *CreateBaumFormDate()
{
    return &BaumFormDate();
}

void CreateAll(const std::vector<TStartupWindow> &windows)
{
    for (const TStartupWindow &window : windows)
        window.create();
}

} // namespace

const std::vector<TStartupWindow> &WindowsBehindSplash()
{
    // The start-up selection is not among them although it belongs here by rank: its lists are
    // bound to the data module's tables, so creating it here would create the data module (and
    // its missing-alias message) before the splash has been seen. It follows the data module.
    static const std::vector<TStartupWindow> windows = {
        {"AutoBaumForm", Create<AutoBaumForm>},
        {"GetFilesFrm", Create<GetFilesFrm>},
        {"ProgressDlg", Create<ProgressDlg>},
        {"AboutVantorilDlg", Create<AboutVantorilDlg>},
        {"AboutSecondSisterDlg", Create<AboutSecondSisterDlg>},
        {"OPAPFrm", Create<OPAPFrm>},
        {"EdtSCORDlg", Create<EdtSCORDlg>},
        {"ChkAgvnFrm", Create<ChkAgvnFrm>},
        {"ListDeltiaFrm", Create<ListDeltiaFrm>},
        {"GetKupDlg", Create<GetKupDlg>},
        {"ListDeltiaKFrm", Create<ListDeltiaKFrm>},
        {"EpilogesDlg", Create<EpilogesDlg>},
        {"ConvertPRDlg", Create<ConvertPRDlg>},
        {"TipsDlg", Create<TipsDlg>},
        {"PrintRangeDlg", Create<PrintRangeDlg>},
        {"PrnKupFrm", Create<PrnKupFrm>},
        {"BETBRAINFrm", Create<CreateBETBRAINFrm>},
        {"SportingEnhmFrm", Create<SportingEnhmFrm>},
        {"DirOptionsDlg", Create<DirOptionsDlg>},
        {"NotesDlg", Create<NotesDlg>},
        {"CopyFromDiskDlg", Create<CopyFromDiskDlg>},
        {"ProtRangeDlg", Create<ProtRangeDlg>},
        {"DirOptions1Dlg", Create<DirOptions1Dlg>},
        {"ViewEditKupFrm", Create<ViewEditKupFrm>},
        {"ViewEditOptDlg", Create<ViewEditOptDlg>},
        {"KupstatFrm", Create<KupstatFrm>},
        {"StatOptionsFrm", Create<StatOptionsFrm>},
        {"Kupstat_NextFrm", Create<Kupstat_NextFrm>},
        {"FilterKupFrm", Create<FilterKupFrm>},
        {"SelRoundsFrm", Create<SelRoundsFrm>},
        {"KupStatAllFrm", Create<KupStatAllFrm>},
        {"PrnOptionsfrm", Create<PrnOptionsfrm>},
        {"kup_StatParamFrm", Create<kup_StatParamFrm>},
        {"KupstatFormaBFrm", Create<KupstatFormaBFrm>},
        {"StatOptionsFormaBFrm", Create<StatOptionsFormaBFrm>},
        {"Kupstat_NextFormaBFrm", Create<Kupstat_NextFormaBFrm>},
        {"ClearRangeDlg", Create<ClearRangeDlg>},
        {"CalcRangeDlg", Create<CalcRangeDlg>},
        {"SelPeriodFrm", Create<SelPeriodFrm>},
        {"ScorOptionsFrm", Create<ScorOptionsFrm>},
        {"ScorStatFormaFrm", Create<ScorStatFormaFrm>},
        {"Scorstat_NextFormaFrm", Create<Scorstat_NextFormaFrm>},
        {"MakeUserKupFrm", Create<MakeUserKupFrm>},
        {"BaumFormDate", CreateBaumFormDate},
        {"Kupstat_NextFormaOFrm", Create<Kupstat_NextFormaOFrm>},
        {"KupstatFormaOFrm", Create<KupstatFormaOFrm>},
    };
    return windows;
}

const std::vector<TStartupWindow> &WindowsAfterMainWindow()
{
    // Creating them reads nothing: each opens its tables when it is first shown.
    static const std::vector<TStartupWindow> windows = {
        {"PeriodForm", Create<PeriodForm>},
        {"KatEditForm", Create<KatEditForm>},
        {"KrathForm", Create<KrathForm>},
        {"OmadesForm", Create<OmadesForm>},
        {"AgvnesForm1", Create<AgvnesForm1>},
        {"PlegmaAForm", Create<PlegmaAForm>},
        {"ProistoriaForm", Create<ProistoriaForm>},
        {"MassSaveForm", Create<MassSaveForm>},
        {"AgvnProistoriaForm", Create<AgvnProistoriaForm>},
        {"AgvnPosostaForm", Create<AgvnPosostaForm>},
        {"AgvnEnhmForm", Create<AgvnEnhmForm>},
        {"AgvnSaveForm", Create<AgvnSaveForm>},
        {"AboutDlgA", Create<AboutDlgA>},
        {"BaumForm", CreateBaumForm},
        {"FileSaveForm", Create<FileSaveForm>},
        {"BrDateForm", Create<BrDateForm>},
        {"AutoEnhmForm", Create<AutoEnhmForm>},
        {"EnhmTypeForm", Create<EnhmTypeForm>},
        {"TNamesForm", Create<TNamesForm>},
        {"AgvnesForm", Create<LinkedAgvnesForm>},
        {"PinForm", Create<PinForm>},
        {"StatFrm", Create<StatFrm>},
    };
    return windows;
}

std::unique_ptr<TFrmMain> StartTavrolin()
{
    SetApplicationTitle(QString::fromUtf8(kApplicationTitle));
    QGuiApplication::setApplicationDisplayName(ApplicationTitle());
    InstallBusyCursorFile();
    InstallHelpPages();
    auto *splash = new TSplash;
    // The over/under pages take their columns and engine when they are made.
    ConnectOverUnderPages(tav::couponstats::OverUnderPageColumns(), tav::couponstats::OverUnderEngine());
    ConnectScorePages(tav::couponstats::ScorePageColumns(), tav::couponstats::ScoreEngine());
    CreateAll(WindowsBehindSplash());
    RunSplash(splash);
    // What an interrupted restore left beside the data goes before anything opens the data.
    RemoveInterruptedRestores();
    // A command that fails half-way leaves none of the shared tables half-written.
    SetGuardedDataSets(TavrolinDM().Tables());
    // Recorded after the data module, so a reset makes the guard forget its tables before the
    // module goes; the windows made before the module still send events while they are destroyed.
    static const int guardedTables = 0;
    RecordLongLived(&guardedTables, [] { SetGuardedDataSets({}); });
    tav::couponstats::ConnectKindEngines();
    SelOptDlg();
    auto main = std::make_unique<TFrmMain>();
    CreateAll(WindowsAfterMainWindow());
    main->showMaximized();
    return main;
}

int RunTavrolin()
{
    int exitCode = 0;
    {
        const std::unique_ptr<TFrmMain> main = StartTavrolin();
        exitCode = QApplication::exec();
    }
    // The data module and some windows live on to the very end; their connections must not, or
    // the write-ahead log would stay beside the database file.
    DbConnection::CloseAll();
    return exitCode;
}

} // namespace tav::app
