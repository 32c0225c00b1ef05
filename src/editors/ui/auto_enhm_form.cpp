#include "editors/ui/auto_enhm_form.h"

#include "data/competition_choice.h"
#include "data/data_module.h"
#include "editors/team_name_aliases.h"
#include "editors/ui/category_season_combos.h"
#include "editors/ui/enhm_type_form.h"
#include "editors/ui/t_names_form.h"
#include "platform/core/errors.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"
#include "platform/core/text_file.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/wait_cursor.h"
#include "report/export_folders.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

using namespace tav::editors;

namespace {

const char kCaption[] = "Αυτόματη Ενημέρωση";
const char kNoCompetition[] = "Δεν υπάρχουν στοιχεία για την διοργάνωση που επιλέξατε";
const char kNoCategory[] = "'%1' δεν είναι έγκυρη κατηγορία";
const char kConvertFolder[] = "Το αρχείο πρεπει να βρισκεται ΚΑΙ στον φακελο ";
const char kFilter[] = "Αρχεία Κειμένου (*.txt *.doc *.out *.csv);;Αρχεία HTML (*.html *.htm)";
const int kDropRows = 20;

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QLabel *Caption(const char *text, QWidget *parent)
{
    return new QLabel(Text(text), parent);
}

} // namespace

TAutoEnhmForm::TAutoEnhmForm(QWidget *parent)
    : QWidget(parent, Qt::Window), Edit1(new QLineEdit(this)), SpeedButton1(new QToolButton(this)),
      BtnConvert(new QPushButton(Text("Μετατροπη αρχειου"), this)),
      ChkLast(new QCheckBox(Text("Τελευταία"), this)), ChkAll(new QCheckBox(Text("Όλα"), this)),
      DiorgCombo(new QComboBox(this)), PeriodCombo(new QComboBox(this)),
      Type1Button(new QPushButton(Text("Νέα Διοργάνωση"), this)),
      WeekButton(new QPushButton(Text("Ενημέρωση"), this)), ProgressBar1(new QProgressBar(this)),
      HeaderControl1(new QLabel(QString("1234567890").repeated(10), this)),
      RichEdit1(new QPlainTextEdit(this)), OpenDialog1(new QFileDialog(this)), import_(TavrolinDM())
{
    setObjectName(QStringLiteral("AutoEnhmForm"));
    setWindowTitle(Text(kCaption));
    SpeedButton1->setText(QStringLiteral("..."));
    ChkLast->setChecked(true);
    for (QComboBox *combo : {DiorgCombo, PeriodCombo})
        combo->setMaxVisibleItems(kDropRows);
    DiorgCombo->setEditable(true);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    RichEdit1->setFont(fixed);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HeaderControl1->setFont(fixed);
    // The ruler starts where the pane's text starts.
    HeaderControl1->setIndent(0);
    HeaderControl1->setMargin(0);
    HeaderControl1->setContentsMargins(RichEdit1->frameWidth() + int(RichEdit1->document()->documentMargin()),
                                       0, 0, 0);
    auto *ruler = new QScrollArea(this);
    HeaderControl1->adjustSize();
    ruler->setWidget(HeaderControl1);
    ruler->setFrameShape(QFrame::NoFrame);
    ruler->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ruler->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ruler->setFixedHeight(HeaderControl1->sizeHint().height());
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setNameFilter(Text(kFilter));
    OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);

    auto *controls = new QGridLayout;
    controls->addWidget(Edit1, 0, 0, 1, 3);
    controls->addWidget(SpeedButton1, 0, 3);
    controls->addWidget(BtnConvert, 0, 4);
    controls->addWidget(ChkLast, 0, 5);
    controls->addWidget(ChkAll, 0, 6);
    controls->addWidget(Caption("Διοργάνωση", this), 1, 0);
    controls->addWidget(DiorgCombo, 1, 1);
    controls->addWidget(Caption("Περίοδος", this), 1, 2);
    controls->addWidget(PeriodCombo, 1, 3);
    controls->addWidget(Type1Button, 1, 4);
    controls->addWidget(WeekButton, 1, 5);
    controls->addWidget(ProgressBar1, 2, 0, 1, 7);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(ruler);
    layout->addWidget(RichEdit1, 1);

    connect(DiorgCombo, &QComboBox::activated, this, &TAutoEnhmForm::DiorgComboChange);
    connect(PeriodCombo, &QComboBox::activated, this, &TAutoEnhmForm::DiorgComboChange);
    connect(SpeedButton1, &QToolButton::clicked, this, &TAutoEnhmForm::SpeedButton1Click);
    connect(BtnConvert, &QPushButton::clicked, this, &TAutoEnhmForm::BtnConvertClick);
    connect(Type1Button, &QPushButton::clicked, this, &TAutoEnhmForm::Type1ButtonClick);
    connect(WeekButton, &QPushButton::clicked, this, &TAutoEnhmForm::WeekButtonClick);
    // The ruler follows the pane's sideways scrolling, so its numbers stay over the columns.
    connect(RichEdit1->horizontalScrollBar(), &QScrollBar::valueChanged, ruler->horizontalScrollBar(),
            &QScrollBar::setValue);
}

void TAutoEnhmForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAutoEnhmForm::closeEvent(QCloseEvent *event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void TAutoEnhmForm::FormShow()
{
    import_.ClearUpdatedPairs();
    ShowingErrors([this] {
        const tav::data::CompetitionChoice choice = tav::data::CurrentChoice();
        FilterTeamsToCountry();
        FillCategoryCombo(DiorgCombo, choice.Category);
        FillSeasonCombo(PeriodCombo, choice.Season);
        Load();
    });
}

void TAutoEnhmForm::FormClose()
{
    import_.ClearUpdatedPairs();
    TTavrolinDM &dm = TavrolinDM();
    dm.Omades.SetFilter(QString());
    dm.Omades.SetFiltered(false);
    ShowingErrors([&] { tav::data::Choose(dm, {DiorgCombo->currentText(), PeriodCombo->currentText()}); });
}

void TAutoEnhmForm::FilterTeamsToCountry()
{
    TTavrolinDM &dm = TavrolinDM();
    tav::data::OpenIfClosed(dm.Omades);
    // Without a competition there is no country to narrow the teams to.
    const QVariant country = CurrentCompetitionCountry(dm);
    dm.Omades.SetFilter(country.isNull() ? QString() : QStringLiteral("KratosNo = ") + country.toString());
    dm.Omades.SetFiltered(!country.isNull());
}

void TAutoEnhmForm::DiorgComboChange()
{
    ShowingErrors([this] {
        TTavrolinDM &dm = TavrolinDM();
        if (tav::data::CategoryKatNo(dm, DiorgCombo->currentText()).isNull())
            throw EConvertError(Text(kNoCategory).arg(DiorgCombo->currentText()));
        if (!tav::data::LocateCompetition(dm, {DiorgCombo->currentText(), PeriodCombo->currentText()})) {
            MessageDlg(Text(kNoCompetition), mtWarning, {mbOK});
            return;
        }
        FilterTeamsToCountry();
        Load();
    });
}

QString TAutoEnhmForm::CategoryFile() const
{
    const QString name = ResultFileName(DiorgCombo->currentText());
    if (ChkAll->isChecked())
        return QDir(tav::report::ResultTextFolder(tav::report::TResultSpan::AllMatchdays)).filePath(name);
    if (ChkLast->isChecked())
        return QDir(tav::report::ResultTextFolder(tav::report::TResultSpan::LastMatchday)).filePath(name);
    return name;
}

void TAutoEnhmForm::Load()
{
    const QString path = CategoryFile();
    if (QFileInfo::exists(path))
        LoadFile(path);
}

void TAutoEnhmForm::LoadFile(const QString &path)
{
    const QStringList lines = ReadTextLines(path);
    Edit1->setText(path);
    RichEdit1->setPlainText(lines.join(QLatin1Char('\n')));
}

void TAutoEnhmForm::SpeedButton1Click()
{
    ShowingErrors([this] {
        const QFileInfo proposed(CategoryFile());
        OpenDialog1->setDirectory(ChkAll->isChecked() || ChkLast->isChecked() ? proposed.absolutePath()
                                                                              : ProgramFolder());
        OpenDialog1->selectFile(proposed.completeBaseName());
        if (OpenDialog1->exec() != QDialog::Accepted || OpenDialog1->selectedFiles().isEmpty())
            return;
        LoadFile(OpenDialog1->selectedFiles().constFirst());
    });
}

void TAutoEnhmForm::Type1ButtonClick()
{
    RunImport(TImportKind::NewCompetition);
}

void TAutoEnhmForm::WeekButtonClick()
{
    RunImport(TImportKind::Update);
}

void TAutoEnhmForm::Step()
{
    ProgressBar1->setValue(ProgressBar1->value() + 1);
}

// Unknown team names are settled before anything is written; then the whole pane goes in as one
// run, or nothing of it does and the user is told the line and why.
void TAutoEnhmForm::RunImport(TImportKind kind)
{
    TEnhmTypeForm *layoutForm = EnhmTypeForm();
    if (layoutForm->exec() != mrOk)
        return;
    const TResultLayout layout = layoutForm->Layout();
    const QStringList lines = RichEdit1->toPlainText().split(QLatin1Char('\n'));
    ShowingErrors([&] {
        ProgressBar1->setRange(0, int(lines.size()));
        ProgressBar1->setValue(0);
        if (!CheckTeamNames(TavrolinDM(), lines, layout, ResolveTeamName, [this] { Step(); }))
            return;
        ProgressBar1->setValue(0);
        TWaitCursor wait;
        import_.Run(lines, layout, kind, [this] { Step(); });
    });
}

void TAutoEnhmForm::BtnConvertClick()
{
    const QString folder = QFileInfo(Edit1->text()).absolutePath() + QLatin1Char('/');
    ShowMessage(Text(kConvertFolder) + folder + QStringLiteral("temp"));
    ShowingErrors([this] { ConvertSemicolonFile(Edit1->text()); });
}

TAutoEnhmForm *AutoEnhmForm()
{
    static TAutoEnhmForm *form = nullptr;
    return LongLived(form, [] { return new TAutoEnhmForm; });
}
