#include "shared/mass_save_form.h"

#include "data/data_module.h"
#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"
#include "platform/core/registry.h"
#include "platform/core/text_file.h"
#include "platform/ui/showing_errors.h"
#include "report/export_folders.h"
#include "shared/dialog_parts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using tav::report::TExportLanguage;
using tav::shared::ListTexts;
using tav::shared::NewCheckBox;
using tav::shared::NewGroup;

namespace {

const QString kKey = QStringLiteral("Software\\Tavrolin\\General");
const QString kSection = QStringLiteral("MassSavePedia");
// The ticked positions, as earlier versions kept them, and the ticked names, which pick the same
// competitions even when the list has changed since.
const QString kChecked = QStringLiteral("Checked");
const QString kCheckedNames = QStringLiteral("CheckedNames");
const QChar kNameSeparator = QLatin1Char('\n');

const QString kListFilter = QStringLiteral("Αρχεία Κειμένου (*.txt)");

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QFileDialog *NewListDialog(QFileDialog::AcceptMode mode, QWidget *parent)
{
    auto *dialog = new QFileDialog(parent);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilter(kListFilter);
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    // The program's own dialog, so that it looks the same everywhere and asks before replacing.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    return dialog;
}

} // namespace

TMassSaveForm::TMassSaveForm(QWidget *parent)
    : QDialog(parent), PeriodLabel(new QLabel(Text("Περίοδος :"), this)), PeriodCombo(new QComboBox(this)),
      DiorgLabel(new QLabel(Text("Διοργανώσεις"), this)), DiorgListBox(new QListWidget(this)),
      CheckBoxTxt(NewCheckBox("Αρχείο Κειμένου", false, this)),
      CheckBoxHtm(NewCheckBox("Σελίδα Internet", true, this)),
      CheckBoxDoc(NewCheckBox("Κείμενο για QXpress", false, this)),
      CheckBoxGR(NewCheckBox("Ελληνικά", true, this)), CheckBoxEn(NewCheckBox("Αγγλικά", true, this)),
      CheckBoxIt(NewCheckBox("Ιταλικά", false, this)), NumberButtons(new QButtonGroup(this)),
      BaumCheckBox(NewCheckBox("Βαθμολογία", true, this)),
      SxaraCheckBox(NewCheckBox("Σχάρα Αποτελεσμάτων", true, this)),
      CurrAgvnCheckBox(NewCheckBox("Τρέχουσα Αγωνιστική", true, this)),
      ProistoriaCheckBox(NewCheckBox("Προϊστορία", true, this)),
      CurrAgvnAnalCheckBox(NewCheckBox("Ανάλυση Τρέχουσας Αγωνιστικής", true, this)),
      ProgramCheckBox(NewCheckBox("Πρόγραμμα Αγωνιστικών", false, this)),
      OddsCheckBox(NewCheckBox("Odds", true, this)), ChkE(NewCheckBox("Ειδικές Βαθμολογίες", false, this)),
      BtnSAve(new QPushButton(Text("ΑΠΟ&ΘΗΚΕΥΣΗ"), this)), BtnLoad(new QPushButton(Text("&ΦΟΡΤΩΜΑ"), this)),
      BitBtn1(new QPushButton(Text("&ΟΚ"), this)), BitBtn2(new QPushButton(Text("&ΑΚΥΡΟ"), this)),
      SaveDialog1(NewListDialog(QFileDialog::AcceptSave, this)),
      OpenDialog1(NewListDialog(QFileDialog::AcceptOpen, this))
{
    setObjectName(QStringLiteral("MassSaveForm"));
    setWindowTitle(Text("Μαζικό σώσιμο Πρωταθλημάτων"));
    PeriodCombo->setEditable(true);
    PeriodLabel->setBuddy(PeriodCombo);
    DiorgLabel->setBuddy(DiorgListBox);
    BitBtn1->setDefault(true);
    BuildLayout();

    connect(PeriodCombo, &QComboBox::currentTextChanged, this, [this] { PeriodComboChange(); });
    connect(BtnSAve, &QPushButton::clicked, this, [this] { BtnSAveClick(); });
    connect(BtnLoad, &QPushButton::clicked, this, [this] { BtnLoadClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

void TMassSaveForm::BuildLayout()
{
    KindGroup = NewGroup("Είδος Αρχείου", {CheckBoxTxt, CheckBoxHtm, CheckBoxDoc}, this);
    LanguageGroup = NewGroup("Γλώσσα", {CheckBoxGR, CheckBoxEn, CheckBoxIt}, this);
    auto *byMatchday = new QRadioButton(Text("Αγωνιστικές"), this);
    auto *byRunningNumber = new QRadioButton(Text("1, 2, 3"), this);
    NumberButtons->addButton(byMatchday, 0);
    NumberButtons->addButton(byRunningNumber, 1);
    byRunningNumber->setChecked(true);
    NumberGroup = NewGroup("Αρίθμηση", {byMatchday, byRunningNumber}, this);
    ContentGroup = NewGroup("Επιλογές",
                            {BaumCheckBox, SxaraCheckBox, CurrAgvnCheckBox, ProistoriaCheckBox,
                             CurrAgvnAnalCheckBox, ProgramCheckBox, OddsCheckBox, ChkE},
                            this);

    auto *choices = new QVBoxLayout;
    auto *season = new QHBoxLayout;
    season->addWidget(PeriodLabel);
    season->addWidget(PeriodCombo, 1);
    choices->addLayout(season);
    choices->addWidget(DiorgLabel);
    choices->addWidget(DiorgListBox, 1);
    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(BtnSAve);
    listButtons->addWidget(BtnLoad);
    choices->addLayout(listButtons);

    auto *options = new QVBoxLayout;
    options->addWidget(KindGroup);
    options->addWidget(LanguageGroup);
    options->addWidget(NumberGroup);
    options->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto *columns = new QHBoxLayout;
    columns->addLayout(choices, 1);
    columns->addLayout(options);
    columns->addWidget(ContentGroup, 0, Qt::AlignTop);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    // A fixed dialog border: the dialog keeps the size its contents ask for.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TMassSaveForm::Season() const
{
    return PeriodCombo->currentText();
}

QStringList TMassSaveForm::TickedCompetitions() const
{
    QStringList names;
    for (int i = 0; i < DiorgListBox->count(); ++i) {
        if (DiorgListBox->item(i)->checkState() == Qt::Checked)
            names.append(DiorgListBox->item(i)->text());
    }
    return names;
}

bool TMassSaveForm::LanguageTicked(TExportLanguage language) const
{
    return tav::shared::LanguageTicked(language, CheckBoxGR, CheckBoxEn, CheckBoxIt);
}

tav::report::TExportOptions TMassSaveForm::ExportOptions(const QString &fileName) const
{
    tav::report::TExportOptions options = tav::shared::ExportOptions(
        CheckBoxGR, CheckBoxEn, CheckBoxIt, CheckBoxTxt, CheckBoxHtm, CheckBoxDoc, fileName);
    options.NumberedPages = NumberedPages();
    return options;
}

bool TMassSaveForm::NumberedPages() const
{
    return NumberButtons->checkedId() == 1;
}

void TMassSaveForm::FormCreate()
{
    const QString chosen = PeriodCombo->currentText();
    const QStringList seasons =
        ListTexts({QStringLiteral("Select Periodos from Periodos order by Periodos.Periodos desc")});
    {
        const QSignalBlocker quiet(PeriodCombo);
        PeriodCombo->clear();
        PeriodCombo->addItems(seasons);
        // A season chosen or typed before stays; otherwise the newest.
        if (!chosen.isEmpty())
            PeriodCombo->setCurrentText(chosen);
        else if (!seasons.isEmpty())
            PeriodCombo->setCurrentIndex(0);
    }
    FillCompetitions();
}

void TMassSaveForm::FillCompetitions()
{
    // The season goes in as a parameter: a typed quote must not change the statement.
    const QStringList names = ListTexts({QStringLiteral("Select GrName from Kathgories, Diorganvseis"),
                                         QStringLiteral("where Diorganvseis.Katno=kathgories.katno and"),
                                         QStringLiteral("diorganvseis.periodos = :Periodos"),
                                         QStringLiteral("order by Kathgories.GrName")},
                                        QStringLiteral("Periodos"), Season());
    DiorgListBox->clear();
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name, DiorgListBox);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    if (DiorgListBox->count() > 0)
        DiorgListBox->setCurrentRow(0);
}

void TMassSaveForm::PeriodComboChange()
{
    ShowingErrors([this] { FillCompetitions(); });
}

void TMassSaveForm::UntickAll()
{
    for (int i = 0; i < DiorgListBox->count(); ++i)
        DiorgListBox->item(i)->setCheckState(Qt::Unchecked);
}

void TMassSaveForm::FormShow()
{
    // The lists are read afresh at every show, so seasons and competitions added since count.
    ShowingErrors([this] { FormCreate(); });
    UntickAll();
    const TRegIniFile registry(kKey);
    if (registry.ValueExists(kSection, kCheckedNames)) {
        const QStringList names =
            registry.ReadString(kSection, kCheckedNames, QString()).split(kNameSeparator, Qt::SkipEmptyParts);
        for (int i = 0; i < DiorgListBox->count(); ++i) {
            if (names.contains(DiorgListBox->item(i)->text()))
                DiorgListBox->item(i)->setCheckState(Qt::Checked);
        }
        return;
    }
    // Ticks kept by position only: whatever stands there now is ticked.
    for (const QString &text : registry.ReadString(kSection, kChecked, QString()).split(QLatin1Char(','))) {
        bool whole = false;
        const int position = text.trimmed().toInt(&whole);
        if (whole && position >= 0 && position < DiorgListBox->count())
            DiorgListBox->item(position)->setCheckState(Qt::Checked);
    }
}

void TMassSaveForm::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TMassSaveForm::BitBtn1Click()
{
    QStringList positions;
    for (int i = 0; i < DiorgListBox->count(); ++i) {
        if (DiorgListBox->item(i)->checkState() == Qt::Checked)
            positions.append(QString::number(i));
    }
    const bool stored = ShowingErrors([&] {
        TRegIniFile registry(kKey);
        registry.WriteString(kSection, kChecked, positions.join(QLatin1Char(',')));
        registry.WriteString(kSection, kCheckedNames, TickedCompetitions().join(kNameSeparator));
    });
    if (stored)
        done(mrOk);
}

void TMassSaveForm::reject()
{
    done(mrCancel);
}

void TMassSaveForm::SaveList(const QString &path) const
{
    WriteTextLines(path, TickedCompetitions());
}

void TMassSaveForm::LoadList(const QString &path)
{
    const QStringList lines = ReadTextLines(path);
    UntickAll();
    for (int i = 0; i < DiorgListBox->count(); ++i) {
        QListWidgetItem *item = DiorgListBox->item(i);
        for (const QString &line : lines) {
            if (item->text().compare(line, Qt::CaseInsensitive) == 0) {
                item->setCheckState(Qt::Checked);
                break;
            }
        }
    }
}

void TMassSaveForm::BtnSAveClick()
{
    ShowingErrors([this] {
        SaveDialog1->setDirectory(tav::report::ListsFolder());
        SaveDialog1->selectFile(lastListName_);
        if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
            return;
        SaveList(SaveDialog1->selectedFiles().constFirst());
    });
}

void TMassSaveForm::BtnLoadClick()
{
    ShowingErrors([this] {
        OpenDialog1->setDirectory(tav::report::ListsFolder());
        if (OpenDialog1->exec() != QDialog::Accepted || OpenDialog1->selectedFiles().isEmpty())
            return;
        const QString path = OpenDialog1->selectedFiles().constFirst();
        lastListName_ = QFileInfo(path).fileName();
        LoadList(path);
    });
}

TMassSaveForm *MassSaveForm()
{
    static TMassSaveForm *form = nullptr;
    return LongLived(form, [] { return new TMassSaveForm; });
}
