#include "editors/ui/agvn_enhm_form.h"

#include "data/data_module.h"
#include "editors/pending_edit.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/db/data_source.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/paged_print.h"
#include "platform/ui/printer.h"
#include "platform/ui/wait_cursor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

#include <cmath>

using namespace tav::data;

using namespace tav::editors;

namespace {

const char *const kCaption = "Ενημέρωση Αποτελεσμάτων";
const char *const kFromLabel = "Από Ημερομηνία :";
const char *const kToLabel = "Έως Ημερομηνία :";
const char *const kSeasonLabel = "Περίοδος:";
const char *const kCompetitions = "Διοργανώσεις";
const char *const kWithScore = "Αγώνες με σκορ";
const char *const kWithoutScore = "Αγώνες χωρίς σκορ";
const char *const kBuild = "Δημιουργία";
const char *const kPrint = "Εκτύπωση";
const char *const kSeasonsSql = "Select Periodos from Periodos order by Periodos.Periodos desc";
const char *const kCategoriesSql = "Select GrName from Kathgories order by Kathgories.GrName";

struct GridColumn
{
    const char *field;
    const char *title;
    int width; // 0: the field's own width
};
const GridColumn kColumns[] = {{"Date", "Ημερομηνία", 0},        {"Time", "Ώρα", 51},
                               {"DiorgName", "Διοργάνωση", 100}, {"Omades", "Ομάδες", 280},
                               {"Agvnistikh", "Αγωνιστική", 0},  {"Omilos", "Όμιλος", 40},
                               {"HmGGoals", "ΤΓ (Ημ)", 40},      {"HmFGoals", "ΤΦ (Ημ)", 42},
                               {"TelGGoals", "ΤΓ", 26},          {"TelFGoals", "ΤΦ", 26}};

// The single column of every row of a scratch query.
QStringList ColumnOfQuery(TQuery &query, const QString &sql)
{
    query.Close();
    query.SQL().Clear();
    query.SQL().Add(sql);
    query.Open();
    QStringList values;
    for (query.First(); !query.Eof(); query.Next())
        values.append(query.Fields()[0].AsString());
    query.Close();
    return values;
}

void ShowError(const Exception &error)
{
    MessageDlg(error.Message(), mtError, {mbOK});
}

} // namespace

TAgvnEnhmForm::TAgvnEnhmForm(QWidget *parent)
    : QWidget(parent, Qt::Window), Today([] { return QDate::currentDate(); }), Panel1(new QFrame(this)),
      Label1(new QLabel(kFromLabel, Panel1)), DateFrom(new QDateEdit(Panel1)),
      Label2(new QLabel(kToLabel, Panel1)), DateTo(new QDateEdit(Panel1)),
      Label3(new QLabel(kSeasonLabel, Panel1)), PeriodCombo(new QComboBox(Panel1)),
      DiorgListBox(new QListWidget(Panel1)), DCheckBox(new QCheckBox(kCompetitions, Panel1)),
      Chkskor(new QCheckBox(kWithScore, Panel1)), ChkxSkor(new QCheckBox(kWithoutScore, Panel1)),
      Button2(new QPushButton(kBuild, Panel1)), Button1(new QPushButton(kPrint, Panel1)),
      Panel2(new QFrame(this)), DataSource1(new TDataSource(this)), DBGrid1(new TDBGrid(Panel2)),
      StatusBar1(new QStatusBar(this))
{
    setWindowTitle(kCaption);
    for (QDateEdit *edit : {DateFrom, DateTo}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    }
    DCheckBox->setChecked(true);
    Chkskor->setChecked(true);
    DiorgListBox->setMaximumHeight(110);

    auto *dates = new QVBoxLayout;
    for (QWidget *widget : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(DateFrom),
                            static_cast<QWidget *>(Label2), static_cast<QWidget *>(DateTo)})
        dates->addWidget(widget);
    auto *season = new QVBoxLayout;
    season->addWidget(Label3);
    season->addWidget(PeriodCombo);
    season->addStretch();
    auto *boxes = new QVBoxLayout;
    for (QWidget *widget : {static_cast<QWidget *>(DCheckBox), static_cast<QWidget *>(Chkskor),
                            static_cast<QWidget *>(ChkxSkor)})
        boxes->addWidget(widget);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    buttons->addStretch();
    auto *top = new QHBoxLayout(Panel1);
    top->addLayout(dates);
    top->addLayout(season);
    top->addWidget(DiorgListBox, 1);
    top->addLayout(boxes);
    top->addLayout(buttons);
    auto *gridLayout = new QVBoxLayout(Panel2);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addWidget(DBGrid1);
    auto *main = new QVBoxLayout(this);
    main->addWidget(Panel1);
    main->addWidget(Panel2, 1);
    main->addWidget(StatusBar1);

    DataSource1->SetDataSet(&TavrolinDM().Agvnes);
    DBGrid1->SetDataSource(DataSource1);
    BuildColumns();
    DBGrid1->OnKeyPress = [this](QChar &key) { DBGrid1KeyPress(key); };
    DBGrid1->OnCellClick = [this](TColumn &column) { DBGrid1CellClick(column); };
    connect(Button2, &QPushButton::clicked, this, &TAgvnEnhmForm::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TAgvnEnhmForm::Button1Click);
}

TAgvnEnhmForm::~TAgvnEnhmForm() = default;

void TAgvnEnhmForm::BuildColumns()
{
    for (const GridColumn &entry : kColumns) {
        TColumn &column = DBGrid1->Columns().Add();
        column.SetFieldName(QString::fromUtf8(entry.field));
        column.Title.Caption = QString::fromUtf8(entry.title);
        column.Width = entry.width;
    }
}

void TAgvnEnhmForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Restoring a minimised window is no new showing.
    if (!event->spontaneous())
        FormShow();
}

void TAgvnEnhmForm::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        FormHide();
    QWidget::hideEvent(event);
}

void TAgvnEnhmForm::closeEvent(QCloseEvent *event)
{
    // A match the table refuses now keeps the window open for its correction.
    if (!EndPendingEdit(TavrolinDM().Agvnes)) {
        event->ignore();
        return;
    }
    FormClose();
    QWidget::closeEvent(event);
}

void TAgvnEnhmForm::FormShow()
{
    const QDate today = Today();
    const TEnhmDates dates = EnhmDefaultDates(today);
    DateFrom->setDate(dates.From);
    DateTo->setDate(dates.To);
    const bool ahead = EnhmDatesAhead(dates, today);
    ChkxSkor->setChecked(ahead);
    Chkskor->setChecked(!ahead);
    try {
        TTable &agvnes = TavrolinDM().Agvnes;
        agvnes.SetFilter(QString());
        agvnes.SetFiltered(false);
        if (agvnes.Active())
            agvnes.CancelRange();
        agvnes.Close();
        FillCombos();
    } catch (const Exception &error) {
        ShowError(error);
    }
}

void TAgvnEnhmForm::FillCombos()
{
    TTavrolinDM &dm = TavrolinDM();
    PeriodCombo->clear();
    PeriodCombo->addItems(ColumnOfQuery(dm.ComboQuery, QString::fromUtf8(kSeasonsSql)));
    PeriodCombo->setCurrentIndex(PeriodCombo->count() > 0 ? 0 : -1);
    DiorgListBox->clear();
    for (const QString &name : ColumnOfQuery(dm.ComboQuery, QString::fromUtf8(kCategoriesSql))) {
        auto *item = new QListWidgetItem(name, DiorgListBox);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    DiorgListBox->setCurrentRow(DiorgListBox->count() > 0 ? 0 : -1);
    OpenIfClosed(dm.Kathgories);
}

void TAgvnEnhmForm::FormClose()
{
    RemoveFilter();
}

void TAgvnEnhmForm::FormHide()
{
    // Hidden by other means than closing, the window cannot stay for a correction.
    TTable &agvnes = TavrolinDM().Agvnes;
    if (!EndPendingEdit(agvnes))
        agvnes.Cancel();
    RemoveFilter();
}

void TAgvnEnhmForm::RemoveFilter()
{
    TTable &agvnes = TavrolinDM().Agvnes;
    try {
        agvnes.SetFiltered(false);
        agvnes.SetFilter(QString());
    } catch (const Exception &error) {
        ShowError(error);
    }
}

QStringList TAgvnEnhmForm::CheckedCategories() const
{
    QStringList names;
    for (int row = 0; row < DiorgListBox->count(); ++row)
        if (DiorgListBox->item(row)->checkState() == Qt::Checked)
            names.append(DiorgListBox->item(row)->text());
    return names;
}

TEnhmChoice TAgvnEnhmForm::Choice() const
{
    TEnhmChoice choice;
    choice.From = DateFrom->date();
    choice.To = DateTo->date();
    choice.RestrictToCompetitions = DCheckBox->isChecked();
    if (choice.RestrictToCompetitions)
        choice.Competitions =
            EnhmCompetitions(TavrolinDM().TavrolinDb, CheckedCategories(), PeriodCombo->currentText());
    choice.WithScore = Chkskor->isChecked();
    choice.WithoutScore = ChkxSkor->isChecked();
    return choice;
}

void TAgvnEnhmForm::Button2Click()
{
    TWaitCursor wait;
    TTavrolinDM &dm = TavrolinDM();
    try {
        OpenIfClosed(dm.Agvnes);
        OpenIfClosed(dm.Omades);
        OpenIfClosed(dm.POmades);
        const QString filter = EnhmFilterText(Choice());
        dm.Agvnes.SetFilter(filter);
        dm.Agvnes.SetFiltered(true);
    } catch (const Exception &error) {
        wait.Restore();
        ShowError(error);
    }
}

void TAgvnEnhmForm::Button1Click()
{
    TDataSet *matches = DataSource1->DataSet();
    if (!matches || !matches->Active() || !ExecutePrintDialog(this))
        return;
    setEnabled(false);
    try {
        matches->CheckBrowseMode();
        PrintList();
    } catch (const Exception &error) {
        ShowError(error);
    }
    setEnabled(true);
}

QString TAgvnEnhmForm::PrintHeadText() const
{
    QString text = QString::fromUtf8(kCaption) + "   " + kFromLabel + ' ' + DateToStr(DateFrom->date()) +
                   "   " + kToLabel + ' ' + DateToStr(DateTo->date());
    if (DCheckBox->isChecked())
        text += QStringLiteral("   ") + kSeasonLabel + ' ' + PeriodCombo->currentText();
    return text;
}

// One line per listed match, the grid's columns side by side at the grid's proportions, each at
// least as wide as its title; the page head and the column titles, ruled off, repeat on every page.
void TAgvnEnhmForm::PrintList()
{
    TPrinter &printer = Printer();
    TPrintDocument document;
    document.Title = QString::fromUtf8(kCaption);
    document.FirstHead = {PrintHeadText()};
    document.LaterHead = document.FirstHead;
    document.HeadFont.Style = {fsBold};
    const double scale = double(printer.PixelsPerInchX()) / logicalDpiX();
    for (int column = 0; column < DBGrid1->Columns().Count(); ++column)
        document.Columns.append(
            {DBGrid1->Columns()[column].Caption(), int(std::lround(DBGrid1->columnWidth(column) * scale))});
    const TDBGridModel &model = DBGrid1->Model();
    for (int row = 0; row < model.rowCount(); ++row) {
        if (row == model.InsertRow())
            continue;
        QStringList cells;
        for (int column = 0; column < DBGrid1->Columns().Count(); ++column)
            cells.append(DBGrid1->CellText(row, column));
        document.Rows.append(cells);
    }
    document.Margins.Top = printer.PixelsPerInchY() / 10;
    document.ColumnGap = printer.PixelsPerInchX() / 20;
    document.Rules = prUnderTitles;
    PrintPages(printer, document);
}

void TAgvnEnhmForm::DBGrid1KeyPress(QChar &key)
{
    if (key != QChar('\r'))
        return;
    const int column = DBGrid1->SelectedIndex();
    if (column >= FirstGoalColumn && column < LastGoalColumn) {
        DBGrid1->SetSelectedIndex(column + 1);
        key = QChar();
    } else if (column == LastGoalColumn) {
        DBGrid1->SetSelectedIndex(FirstGoalColumn);
        if (TDataSet *matches = DataSource1->DataSet(); matches && matches->Active())
            matches->Next();
        key = QChar();
    }
}

void TAgvnEnhmForm::DBGrid1CellClick(TColumn &column)
{
    if (column.Index() < FirstGoalColumn)
        DBGrid1->SetSelectedIndex(FirstGoalColumn);
}

TAgvnEnhmForm *AgvnEnhmForm()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TAgvnEnhmForm *form = nullptr;
    return LongLived(form, [] { return new TAgvnEnhmForm; });
}
