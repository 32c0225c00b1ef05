#include "app/sel_opt_dlg.h"

#include "app/help_topic.h"
#include "data/competition_choice.h"
#include "data/data_module.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/db/data_source.h"
#include "platform/ui/db_lookup_combo.h"
#include "platform/ui/db_lookup_list.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

using namespace tav::app;

using namespace tav::data;

namespace {

const QString kCaption = QStringLiteral("ΕΠΙΛΟΓΗ ΔΙΟΡΓΑΝΩΣΗΣ - ΠΕΡΙΟΔΟΥ");
const QString kChooseCategory = QStringLiteral("Επιλέξτε Διοργάνωση");
const QString kChooseSeason = QStringLiteral("Επιλέξτε Περίοδο");
const QString kOk = QStringLiteral("&ΟΚ");
const QString kHelp = QStringLiteral("&ΒΟΗΘΕΙΑ");
const QString kNoSuchCompetition =
    QStringLiteral("Δεν υπάρχουν στοιχεία για τη διοργάνωση και περίοδο που επιλέξατε!");
const QString kChooseBoth = QStringLiteral("Πρέπει να επιλέξετε διοργάνωση και περίοδο!");
const QString kNoHelp = QStringLiteral("Δεν είναι δυνατό το άνοιγμα της βοήθειας:\n%1");
const QString kKatNo = QStringLiteral("KatNo");
const QString kPeriodos = QStringLiteral("Periodos");
const QString kPair = QStringLiteral("KatNo;Periodos");
constexpr int kHelpContext = 9999;
constexpr int kDropDownRows = 20;

// Narrows the competitions to one category; a category without number matches none.
void FilterOnCategory(TTable &competitions, const QVariant &katNo)
{
    competitions.SetFilter(kKatNo + QLatin1Char('=') +
                           (katNo.isNull() ? QStringLiteral("null") : QString::number(katNo.toInt())));
    competitions.SetFiltered(true);
}

void ClearFilter(TTable &competitions)
{
    competitions.SetFilter(QString());
    competitions.SetFiltered(false);
}

QFont Bold(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

TSelOptDlg::TSelOptDlg(QWidget *parent)
    : QDialog(parent), Bevel1(new QFrame(this)), Label1(new QLabel(kChooseCategory, this)),
      DBLookupComboBox1(new TDBLookupComboBox(this)), Label2(new QLabel(kChooseSeason, this)),
      DBLookupListBox1(new TDBLookupListBox(this)), OKBtn(new QPushButton(kOk, this)),
      BitBtn1(new QPushButton(kHelp, this)), DataSource1(new TDataSource(this))
{
    setObjectName(QStringLiteral("SelOptDlg"));
    setWindowTitle(kCaption);
    // A dialog frame with the minimise and maximise icons and no close button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    setFixedSize(280, 363);
    // Modal for the whole program, without a loop of its own: the main window shows it at its
    // first showing and goes on without waiting for a result.
    setWindowModality(Qt::ApplicationModal);

    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 264, 306);
    Label1->setFont(Bold(font()));
    Label1->setGeometry(16, 16, 248, 18);
    DBLookupComboBox1->setGeometry(16, 36, 248, 24);
    DBLookupComboBox1->SetDropDownRows(kDropDownRows);
    Label2->setFont(Bold(font()));
    Label2->setGeometry(16, 72, 248, 18);
    DBLookupListBox1->setGeometry(16, 92, 248, 212);
    OKBtn->setGeometry(24, 324, 110, 28);
    OKBtn->setDefault(true);
    BitBtn1->setGeometry(146, 324, 110, 28);

    TTavrolinDM &dm = TavrolinDM();
    DataSource1->SetDataSet(&dm.Kathgories);
    DataSource1->SetAutoEdit(false);
    DBLookupComboBox1->SetListSource(DataSource1);
    DBLookupComboBox1->SetKeyField(kKatNo);
    DBLookupComboBox1->SetListField(QStringLiteral("GrName"));
    DBLookupComboBox1->OnClick = [this] { DBLookupComboBox1Click(); };
    DBLookupListBox1->SetListSource(&dm.dsDiorganvseis);
    DBLookupListBox1->SetKeyField(kPeriodos);
    DBLookupListBox1->SetListField(kPeriodos);

    connect(OKBtn, &QPushButton::clicked, this, &TSelOptDlg::OKBtnClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TSelOptDlg::BitBtn1Click);
}

void TSelOptDlg::FormShow()
{
    TTavrolinDM &dm = TavrolinDM();
    OpenIfClosed(dm.Kathgories);
    OpenIfClosed(dm.Periodos);
    OpenIfClosed(dm.Diorganvseis);
    dm.Diorganvseis.Last();
    // Without any competition there is nothing to narrow: both choices stay empty.
    if (dm.Diorganvseis.IsEmpty())
        return;
    const QVariant katNo = dm.Diorganvseis.FieldByName(kKatNo).Value();
    DBLookupComboBox1->SetKeyValue(katNo);
    FilterOnCategory(dm.Diorganvseis, katNo);
    ShowLastSeason();
}

void TSelOptDlg::DBLookupComboBox1Click()
{
    TTavrolinDM &dm = TavrolinDM();
    FilterOnCategory(dm.Diorganvseis, dm.Kathgories.FieldByName(kKatNo).Value());
    ShowLastSeason();
}

void TSelOptDlg::ShowLastSeason()
{
    TTable &competitions = TavrolinDM().Diorganvseis;
    competitions.Last();
    DBLookupListBox1->SetKeyValue(competitions.IsEmpty() ? QVariant()
                                                         : competitions.FieldByName(kPeriodos).Value());
}

void TSelOptDlg::OKBtnClick()
{
    TTavrolinDM &dm = TavrolinDM();
    TTable &competitions = dm.Diorganvseis;
    const QString category = DBLookupComboBox1->Text();
    const QString season = DBLookupListBox1->SelectedText();
    const bool anyCompetition = competitions.Active() && !competitions.IsEmpty();
    if (category.isEmpty() || season.isEmpty()) {
        if (anyCompetition)
            ShowMessage(kChooseBoth);
        else
            Finish();
        return;
    }
    const QVariantList pair{DBLookupComboBox1->KeyValue(), DBLookupListBox1->KeyValue()};
    if (!competitions.Locate(kPair, pair)) {
        if (anyCompetition)
            ShowMessage(kNoSuchCompetition);
        else
            Finish();
        return;
    }
    const int highest = dm.GetMaxAgvnistikh();
    ClearFilter(competitions);
    tav::data::Choose(dm, {category, season});
    tav::data::RememberMatchday(highest);
    done(mrOk);
}

void TSelOptDlg::Finish()
{
    ClearFilter(TavrolinDM().Diorganvseis);
    done(mrOk);
}

void TSelOptDlg::BitBtn1Click()
{
    if (!ShowHelpTopic(kHelpContext))
        ShowMessage(kNoHelp.arg(HelpTopicFile(kHelpContext)));
}

void TSelOptDlg::reject() {}

void TSelOptDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

TSelOptDlg *SelOptDlg()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TSelOptDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TSelOptDlg; });
}
