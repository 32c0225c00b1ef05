#include "app/main_form.h"

#include "app/about_dlg_a.h"
#include "app/about_second_sister_dlg.h"
#include "app/about_vantoril_dlg.h"
#include "app/backup_restore.h"
#include "app/dir_options1_dlg.h"
#include "app/help_topic.h"
#include "app/maker_info.h"
#include "app/program_data.h"
#include "app/sel_opt_dlg.h"
#include "app/tip_form.h"
#include "data/data_module.h"
#include "platform/core/message_service.h"
#include "platform/core/paths.h"
#include "platform/core/shell.h"
#include "platform/ui/application.h"
#include "platform/ui/command_guard.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDialog>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

using namespace tav::app;

namespace {

const char *const kCaption = "Tavrolin";
const char *const kBackupCaption = "Ενημέρωση";
const char *const kBackupQuestion = "Για λόγους ασφαλείας προτείνεται η αντιγραφή\n"
                                    "των αρχείων της βάσης.\n"
                                    "Να γίνει αντιγραφή των αρχείων της βάσης;";
const char *const kExitQuestion = "Έξοδος από την εφαρμογή;";
const char *const kNoHelp = "Δεν είναι δυνατό το άνοιγμα της βοήθειας:\n%1";
const char *const kNoBrowser = "Δεν είναι δυνατό το άνοιγμα της διεύθυνσης %1";
const char *const kNoUtility = "Δεν είναι δυνατή η εκκίνηση του προγράμματος %1";
const char *const kLogoPicture = ":/MYBITMAP.png";
// The sister utility lies in the program folder; it is started by that absolute path only.
const char *const kUtilityProgram = "Tavutility";
constexpr int kHelpContext = 9999;
constexpr int kTipDelayMs = 5000;

// One entry of the menu bar, in menu order: its parent menu ("" for the bar), its component
// name, caption and handler (none for menus and for the items that do nothing).
struct TMenuEntry
{
    const char *parent;
    const char *name;
    const char *caption;
    const char *handler;
    bool menu;
};

// N19 and N18 are bound crosswise to N18Click and N19Click, as the toolbar buttons are.
const TMenuEntry kMenu[] = {
    {"", "N6", "&Στοιχεία", nullptr, true},
    {"N6", "N4", "Αγώνες", nullptr, true},
    {"N4", "N19", "Εμφάνιση", "N18Click", false},
    {"N4", "N18", "Ενημέρωση", "N19Click", false},
    {"N4", "N42", "Ενημέρωση από Κουπόνι ΟΠΑΠ", "KuponiOPAPClick", false},
    {"N4", "N10", "Σώσιμο", "N10Click", false},
    {"N6", "N7", "Βαθμολογίες", nullptr, true},
    {"N7", "N68", "ΒΑΣΕΙ ΑΓΩΝΙΣΤΙΚΩΝ", "N7Click", false},
    {"N7", "N69", "ΒΑΣΕΙ ΗΜΕΡΟΜΗΝΙΩΝ", "N69Click", false},
    {"N6", "N20", "Πλέγμα Αποτελεσμάτων", "N20Click", false},
    {"N6", "N24", "Πίνακας Φόρμας Ομάδας", "N24Click", false},
    {"N6", "N33", "Στατιστικά Διοργάνωσης", "N33Click", false},
    {"N6", "N36", "Ανάλυση Αγώνων", "N36Click", false},
    {"N6", "AnalysiKup", "Ανάλυση Κουπονιού", "AnalysiKupClick", false},
    {"N6", "N61", "Ειδική Ανάλυση", "N61Click", false},
    {"N6", "N63", "Ανάλυση Βαθμών Εντός,Εκτός", "N63Click", false},
    {"N6", "UnOv1", "ΑΝΑΛΥΣΗ Un-Ov", "UnOv1Click", false},
    {"", "N1", "&Διοργανώσεις", nullptr, true},
    {"N1", "N2", "Διοργανώσεις", nullptr, true},
    {"N2", "N21", "Συγκεντρωτικός Πίνακας", "N21Click", false},
    {"N2", "N22", "Ενημέρωση", "N22Click", false},
    {"N1", "N3", "Ομάδες", "N3Click", false},
    {"N1", "N5", "Περίοδος", "N5Click", false},
    {"N1", "N9", "Κατηγορίες", "N9Click", false},
    {"N1", "N11", "Κράτη", "N11Click", false},
    {"", "N8", "&Κουπόνια", nullptr, true},
    {"N8", "N49", "Ενήμερωση από Κουπόνι ΟΠΑΠ", "KuponiOPAPClick", false},
    {"N8", "N29", "Ανάλυση Κουπονιού", "AnalysiKupClick", false},
    {"N8", "N60", "Εμφάνιση - Αλλαγές ", "N60Click", false},
    {"N8", "N50", "Εκτύπωση Κουπονιού", "N50Click", false},
    {"N8", "N67", "Κουπόνια Χρήστη", "N67Click", false},
    {"N8", "N56", "Αντιγραφή από Δισκέτα", "N56Click", false},
    {"", "Internet3", "&Internet", nullptr, true},
    {"Internet3", "Internet4", "Λήψη Κουπονιών από Internet", "KuponiaClick", false},
    {"Internet3", "Internet1", "Δεδομένα από Internet", "Internet1Click", false},
    {"", "N26", "Βοή&θεια", nullptr, true},
    {"N26", "N27", "Αρχείο Βοήθειας", "ToolButton16Click", false},
    {"N26", "Tavrolin1", "Αρχική Σελίδα Tavrolin", "Tavrolin1Click", false},
    {"N26", "N30", "Γενικά", "N30Click", false},
    {"N26", "Vantoril1", "Γενικά για το Vantoril", "Vantoril1Click", false},
    {"N26", "SecondSisterAbout1", SecondSisterMenuCaption, "SecondSisterAbout1Click", false},
    {"", "Setup1", "&Βοηθητικά", nullptr, true},
    {"Setup1", "Tips1", "Ενεργοποιήση πληροφοριών εκκίνησης", "Tips1Click", false},
    {"Setup1", "Backup1", "Αντιγραφή (Backup) Αρχείων", "Backup1Click", false},
    {"Setup1", "N37", "Επαναφορά (Restore) Αρχείων", "RestoreClick", false},
    {"Setup1", "N58", "Κατάλογοι Εφαρμογών", "N58Click", false},
    {"Setup1", "N35", "Αλλαγή Γραμματοσειράς", "N35Click", false},
    {"", "N31", "&ΤA", nullptr, true},
    {"N31", "N54", "Κατάλογοι Ενημέρωσης", "N54Click", false},
    {"N31", "N12", "Διαγωνισμοί", nullptr, true},
    {"N12", "N13", "Τύποι Διαγωνισμών", nullptr, false},
    {"N12", "N14", "Περίοδοι Διαγωνισμών", nullptr, false},
    {"N12", "N15", "Δελτία", nullptr, true},
    {"N15", "N16", "Λίστα Δελτίων", nullptr, false},
    {"N15", "N17", "Ενημέρωση", nullptr, false},
    {"N12", "N23", "Μαζικό σώσιμο δελτίων", nullptr, false},
    {"N31", "HTML1", "Μαζικό σώσιμο HTML", "HTML1Click", false},
    {"N31", "N25", "Αυτόματη ενημέρωση βαθμολογιών", "N25Click", false},
    {"N31", "N38", "Έλεγχος αρχείου Αγώνων", "N38Click", false},
    {"N31", "N43", "Μεταφορά εγγραφών αρχείου αγώνων", "N43Click", false},
    {"N31", "N40", "Ενημέρωση Αρχείων", "N6Click", false},
    {"N31", "Internet2", "Αρχεία μέσω Internet", "Internet1Click", false},
    {"N31", "N52", "Ενημέρωση Αρχείων ΑΓΓΛΙΑΣ, ΣΚΩΤΙΑΣ,ΕΛΛΑΔΑΣ", "N52Click", false},
    {"N31", "N47", "Μετατροπή Αρχείων ΑΓΓΛΙΑΣ,ΣΚΩΤΙΑΣ", "N47Click", false},
    {"N31", "BetBrain1", "Eνημερωση Πίνακα BetBrain (Μέσων Αποδόσεων Ξένων Book)", "BetBrain1Click", false},
    {"N31", "N65", "Πρόβλεψη Σκορ", "N65Click", false},
    {"N31", "TavrolinUtility1", "Tavrolin Utility", "TavrolinUtility1Click", false},
    {"N31", "PINAKASDBSEXML1", "PINAKAS_DB SE XML", "PINAKASDBSEXML1Click", false},
};

// One toolbar button, left to right; a null name is a separator.
struct TToolEntry
{
    const char *name;
    const char *hint;
    const char *handler;
    QStyle::StandardPixmap icon;
};

const TToolEntry kToolBar[] = {
    {"ToolButton1", "ΕΜΦΑΝΙΣΗ ΑΓΩΝΩΝ", "N18Click", QStyle::SP_FileDialogDetailedView},
    {"ToolButton2", "ΕΝΗΜΕΡΩΣΗ ΑΓΩΝΩΝ", "N19Click", QStyle::SP_FileDialogContentsView},
    {"ToolButton3", "ΣΩΣΙΜΟ ΑΓΩΝΩΝ", "N10Click", QStyle::SP_DialogSaveButton},
    {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
    {"ToolButton5", "ΒΑΘΜΟΛΟΓΙΕΣ", "N7Click", QStyle::SP_FileDialogListView},
    {"ToolButton7", "ΠΛΕΓΜΑ ΑΠΟΤΕΛΕΣΜΑΤΩΝ", "N20Click", QStyle::SP_FileDialogInfoView},
    {"ToolButton9", "ΠΙΝΑΚΑΣ ΦΟΡΜΑΣ ΟΜΑΔΑΣ", "N24Click", QStyle::SP_FileDialogToParent},
    {"ToolButton13", "ΑΝΑΛΥΣΗ ΑΓΩΝΩΝ", "N36Click", QStyle::SP_FileDialogStart},
    {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
    {"ToolButton11", "ΛΗΨΗ ΚΟΥΠΟΝΙΩΝ ΑΠΟ Internet", "KuponiaClick", QStyle::SP_DriveNetIcon},
    {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
    {"ToolButton19", "ΑΛΛΑΓΗ ΓΡΑΜΜΑΤΟΣΕΙΡΑΣ", "N35Click", QStyle::SP_FileDialogNewFolder},
    {"ToolButton16", "ΒΟΗΘΕΙΑ", "ToolButton16Click", QStyle::SP_DialogHelpButton},
    {"ToolButton17", "ΓΕΝΙΚΑ", "N30Click", QStyle::SP_MessageBoxInformation},
    {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
    {"ToolButton18", "ΕΞΟΔΟΣ", "ToolButton18Click", QStyle::SP_DialogCloseButton},
};

QPointer<TFrmMain> &MainForm()
{
    static QPointer<TFrmMain> form;
    return form;
}

} // namespace

TFrmMain::TFrmMain(QWidget *parent)
    : QMainWindow(parent), MainMenu1(new QMenuBar(this)), ToolBar1(new QToolBar(this)),
      ClientArea(new QMdiArea(this)), Panel1(new QFrame(ClientArea->viewport())), Panel2(new QFrame(Panel1)),
      LogoImage(new QLabel(Panel2)), FontDialog(new QFontDialog(this)), Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setMenuBar(MainMenu1);
    addToolBar(ToolBar1);
    setCentralWidget(ClientArea);
    BuildPanels();
    BuildMenu();
    BuildToolBar();
    Timer1->setInterval(kTipDelayMs);
    connect(Timer1, &QTimer::timeout, this, &TFrmMain::Timer1Timer);
    Timer1->start();
    MainForm() = this;
    RegisterMainWindow(this);
}

TFrmMain::~TFrmMain()
{
    if (MainForm() == this)
        MainForm() = nullptr;
}

void TFrmMain::BuildPanels()
{
    // The logo lies on the client area's viewport, below every child window.
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel2->setObjectName(QStringLiteral("Panel2"));
    LogoImage->setObjectName(QStringLiteral("LogoImage"));
    auto *outer = new QVBoxLayout(Panel1);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Panel2);
    auto *inner = new QVBoxLayout(Panel2);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addWidget(LogoImage);
    LogoImage->setPixmap(QPixmap(QString::fromUtf8(kLogoPicture)));
    LogoImage->setScaledContents(true);
    Panel1->lower();
    ClientArea->viewport()->installEventFilter(this);
}

void TFrmMain::BuildMenu()
{
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    for (const TMenuEntry &entry : kMenu) {
        const QString name = QString::fromUtf8(entry.name);
        const QString caption = QString::fromUtf8(entry.caption);
        QMenu *parentMenu = menus_.value(QString::fromUtf8(entry.parent));
        QAction *action = nullptr;
        if (entry.menu) {
            QMenu *menu = parentMenu ? parentMenu->addMenu(caption) : MainMenu1->addMenu(caption);
            menu->setObjectName(name);
            menus_.insert(name, menu);
            action = menu->menuAction();
        } else {
            action = parentMenu->addAction(caption);
            action->setObjectName(name);
        }
        items_.insert(name, action);
        Bind(action, entry.handler);
    }
    Tips1 = items_.value(QStringLiteral("Tips1"));
    Tips1->setCheckable(true);
    Tips1->setChecked(true);
    // The tools menu is hidden until the window is first shown.
    N31 = menus_.value(QStringLiteral("N31"));
    N31->menuAction()->setVisible(false);
}

void TFrmMain::BuildToolBar()
{
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(20, 20));
    ToolBar1->setMovable(false);
    for (const TToolEntry &entry : kToolBar) {
        if (!entry.name) {
            ToolBar1->addSeparator();
            continue;
        }
        const QString hint = QString::fromUtf8(entry.hint);
        QAction *action = ToolBar1->addAction(style()->standardIcon(entry.icon), hint);
        action->setObjectName(QString::fromUtf8(entry.name));
        action->setToolTip(hint);
        items_.insert(action->objectName(), action);
        Bind(action, entry.handler);
    }
}

void TFrmMain::Bind(QAction *action, const char *handler)
{
    if (!handler)
        return;
    const QString name = QString::fromUtf8(handler);
    action->setProperty("handler", name);
    const auto found = Handlers().find(name);
    if (found == Handlers().end()) {
        action->setEnabled(false);
        return;
    }
    const TCommand command = found->second;
    connect(action, &QAction::triggered, this, [this, action, command] {
        // A checkable item has flipped its mark before this runs; the handler sets the mark itself.
        if (action->isCheckable())
            action->setChecked(!action->isChecked());
        if (command.readsData && !EnsureProgramData())
            return;
        RunGuarded([this, command] { (this->*command.method)(); });
    });
}

const std::map<QString, TFrmMain::TCommand> &TFrmMain::Handlers()
{
    constexpr bool kReadsData = true;
    static const std::map<QString, TCommand> handlers = {
        {QStringLiteral("Tips1Click"), {&TFrmMain::Tips1Click, !kReadsData}},
        {QStringLiteral("Backup1Click"), {&TFrmMain::Backup1Click, !kReadsData}},
        {QStringLiteral("RestoreClick"), {&TFrmMain::RestoreClick, !kReadsData}},
        {QStringLiteral("N58Click"), {&TFrmMain::N58Click, !kReadsData}},
        {QStringLiteral("N54Click"), {&TFrmMain::N54Click, !kReadsData}},
        {QStringLiteral("KuponiaClick"), {&TFrmMain::KuponiaClick, !kReadsData}},
        {QStringLiteral("KuponiOPAPClick"), {&TFrmMain::KuponiOPAPClick, kReadsData}},
        {QStringLiteral("N56Click"), {&TFrmMain::N56Click, !kReadsData}},
        {QStringLiteral("N60Click"), {&TFrmMain::N60Click, !kReadsData}},
        {QStringLiteral("N50Click"), {&TFrmMain::N50Click, !kReadsData}},
        {QStringLiteral("BetBrain1Click"), {&TFrmMain::BetBrain1Click, kReadsData}},
        {QStringLiteral("N67Click"), {&TFrmMain::N67Click, kReadsData}},
        {QStringLiteral("N61Click"), {&TFrmMain::N61Click, kReadsData}},
        {QStringLiteral("N63Click"), {&TFrmMain::N63Click, kReadsData}},
        {QStringLiteral("UnOv1Click"), {&TFrmMain::UnOv1Click, kReadsData}},
        {QStringLiteral("N65Click"), {&TFrmMain::N65Click, kReadsData}},
        {QStringLiteral("AnalysiKupClick"), {&TFrmMain::AnalysiKupClick, kReadsData}},
        {QStringLiteral("N35Click"), {&TFrmMain::N35Click, !kReadsData}},
        {QStringLiteral("ToolButton16Click"), {&TFrmMain::ToolButton16Click, !kReadsData}},
        {QStringLiteral("Tavrolin1Click"), {&TFrmMain::Tavrolin1Click, !kReadsData}},
        {QStringLiteral("N30Click"), {&TFrmMain::N30Click, !kReadsData}},
        {QStringLiteral("Vantoril1Click"), {&TFrmMain::Vantoril1Click, !kReadsData}},
        {QStringLiteral("SecondSisterAbout1Click"), {&TFrmMain::SecondSisterAbout1Click, !kReadsData}},
        {QStringLiteral("TavrolinUtility1Click"), {&TFrmMain::TavrolinUtility1Click, !kReadsData}},
        {QStringLiteral("ToolButton18Click"), {&TFrmMain::ToolButton18Click, !kReadsData}},
        {QStringLiteral("PINAKASDBSEXML1Click"), {&TFrmMain::PINAKASDBSEXML1Click, !kReadsData}},
        {QStringLiteral("N3Click"), {&TFrmMain::N3Click, kReadsData}},
        {QStringLiteral("N5Click"), {&TFrmMain::N5Click, kReadsData}},
        {QStringLiteral("N9Click"), {&TFrmMain::N9Click, kReadsData}},
        {QStringLiteral("N11Click"), {&TFrmMain::N11Click, kReadsData}},
        {QStringLiteral("N18Click"), {&TFrmMain::N18Click, kReadsData}},
        {QStringLiteral("N7Click"), {&TFrmMain::N7Click, kReadsData}},
        {QStringLiteral("N19Click"), {&TFrmMain::N19Click, kReadsData}},
        {QStringLiteral("N21Click"), {&TFrmMain::N21Click, kReadsData}},
        {QStringLiteral("N22Click"), {&TFrmMain::N22Click, kReadsData}},
        {QStringLiteral("HTML1Click"), {&TFrmMain::HTML1Click, kReadsData}},
        {QStringLiteral("N10Click"), {&TFrmMain::N10Click, kReadsData}},
        {QStringLiteral("N6Click"), {&TFrmMain::N6Click, kReadsData}},
        {QStringLiteral("N38Click"), {&TFrmMain::N38Click, kReadsData}},
        {QStringLiteral("N43Click"), {&TFrmMain::N43Click, kReadsData}},
        {QStringLiteral("Internet1Click"), {&TFrmMain::Internet1Click, kReadsData}},
        {QStringLiteral("N47Click"), {&TFrmMain::N47Click, !kReadsData}},
        {QStringLiteral("N52Click"), {&TFrmMain::N52Click, !kReadsData}},
        {QStringLiteral("N69Click"), {&TFrmMain::N69Click, kReadsData}},
        {QStringLiteral("N33Click"), {&TFrmMain::N33Click, kReadsData}},
        {QStringLiteral("N20Click"), {&TFrmMain::N20Click, kReadsData}},
        {QStringLiteral("N25Click"), {&TFrmMain::N25Click, kReadsData}},
        {QStringLiteral("N36Click"), {&TFrmMain::N36Click, kReadsData}},
        {QStringLiteral("N24Click"), {&TFrmMain::N24Click, kReadsData}},
    };
    return handlers;
}

QAction *TFrmMain::Item(const QString &name) const
{
    return items_.value(name);
}

QMenu *TFrmMain::Submenu(const QString &name) const
{
    return menus_.value(name);
}

QString TFrmMain::HandlerOf(const QAction *action)
{
    return action ? action->property("handler").toString() : QString();
}

bool TFrmMain::HandlerBuilt(const QString &handler)
{
    return Handlers().count(handler) > 0;
}

void TFrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TFrmMain::FormShow()
{
    N31->menuAction()->setVisible(true);
    // The user picks the competition and season to work on (its result is not read); without
    // data there is nothing to pick.
    if (OpenProgramData())
        SelOptDlg()->show();
}

void TFrmMain::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TFrmMain::FormCloseQuery()
{
    if (ApplicationMessageBox(QString::fromUtf8(kBackupQuestion), QString::fromUtf8(kBackupCaption),
                              MB_YESNO | MB_ICONQUESTION) == IDYES) {
        // Closes the shared datasets first; a failed copy reports itself and the exit question
        // follows in every case.
        BackupDataFolder(this);
    }
    return MessageDlg(QString::fromUtf8(kExitQuestion), mtConfirmation, {mbYes, mbNo}, 0, mbNo) == mrYes;
}

void TFrmMain::FormClose()
{
    WriteEndFlag(false);
}

bool TFrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ClientArea->viewport() && event->type() == QEvent::Resize)
        Panel1->setGeometry(ClientArea->viewport()->rect());
    return QMainWindow::eventFilter(watched, event);
}

void TFrmMain::Timer1Timer()
{
    Timer1->stop();
    if (ReadShowTips() && !ReadEndFlag())
        TipsDlg()->exec();
    WriteEndFlag(true);
}

void TFrmMain::Tips1Click()
{
    if (Tips1->isChecked()) {
        WriteShowTips(false);
        WriteEndFlag(true);
        Tips1->setChecked(false);
        return;
    }
    WriteShowTips(true);
    WriteEndFlag(false);
    TipsDlg()->exec();
    Tips1->setChecked(true);
}

void TFrmMain::Backup1Click()
{
    BackupDataFolder(this);
}

void TFrmMain::RestoreClick()
{
    // A restore that repairs data the program could not open lets the user go on as after a
    // start: the data opens and the start-up choice follows.
    const bool repairing = ProgramDataUnavailable();
    if (RestoreDataFolder(this) && repairing && OpenProgramData())
        SelOptDlg()->show();
}

void TFrmMain::N58Click()
{
    DirOptions1Dlg()->exec();
}

void TFrmMain::N35Click()
{
    FontDialog->setCurrentFont(font());
    if (FontDialog->exec() == QDialog::Accepted)
        setFont(FontDialog->selectedFont());
}

void TFrmMain::ToolButton16Click()
{
    if (!ShowHelpTopic(kHelpContext))
        ShowMessage(QString::fromUtf8(kNoHelp).arg(HelpTopicFile(kHelpContext)));
}

void TFrmMain::Tavrolin1Click()
{
    if (!OpenDocument(QString::fromUtf8(MakerWebAddress)))
        ShowMessage(QString::fromUtf8(kNoBrowser).arg(QString::fromUtf8(MakerWebAddress)));
}

void TFrmMain::N30Click()
{
    AboutDlgA()->exec();
}

void TFrmMain::Vantoril1Click()
{
    AboutVantorilDlg()->exec();
}

void TFrmMain::SecondSisterAbout1Click()
{
    AboutSecondSisterDlg()->exec();
}

void TFrmMain::TavrolinUtility1Click()
{
    const QString program = JoinPath(ProgramFolder(), QString::fromUtf8(kUtilityProgram));
    const QFileInfo info(program);
    if (!info.isFile() || !info.isExecutable() || !StartProgram(program))
        ShowMessage(QString::fromUtf8(kNoUtility).arg(program));
}

void TFrmMain::ToolButton18Click()
{
    Tavrolin1Click();
    close();
}

void TFrmMain::PINAKASDBSEXML1Click()
{
    // The item is kept in the tools menu; the command has no action.
}

TFrmMain *FrmMain()
{
    return MainForm();
}
