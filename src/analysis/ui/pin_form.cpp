#include "analysis/ui/pin_form.h"

#include "analysis/ui/analysis_view_output.h"
#include "controls/styled/sty_button.h"
#include "data/competition_choice.h"
#include "data/data_module.h"
#include "platform/core/long_lived.h"
#include "platform/db/query.h"
#include "platform/ui/application.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_lookup_combo.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/printer.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/wait_cursor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace tav::analysis;

namespace {

const char *const kCaption = "ΠΙΝΑΚΑΣ ΦΟΡΜΑΣ ΟΜΑΔΑΣ";
const char *const kSeasonLabel = "Περίοδος";
const char *const kCategoryLabel = "Διοργάνωση";
const char *const kTeamLabel = "Ομάδα";
const char *const kViewHint = "Προβολή";
const char *const kDailyCaption = "Εμφάνιση με ημερολογιακή σειρά";
const char *const kPrintCaption = "ΕΚΤΥΠΩΣΗ";
// The column heads of a side's summary, over points, games, wins, draws and losses: Latin B, A
// and N, Greek Ι and Η.
const char *const kHeads[] = {"B", "A", "N", "Ι", "Η"};
const QString kSessionName = QStringLiteral("Session1_1");
const QString kDatabaseName = QStringLiteral("Tavrolin");
constexpr int kPickerRows = 24;
constexpr int kSummaryHeight = 125;
constexpr int kHomeColumn = 2;
constexpr int kAwayColumn = 3;
constexpr int kEntosColumn = 4;
constexpr int kEktosColumn = 5;

struct GridColumn
{
    const char *field;
    const char *title;
    int width;
    bool centred;
};

const GridColumn kGridColumns[] = {
    {"Date", "Ημ/νία", 60, false},    {"Agvnistikh", "Αγων/κή", 25, true}, {"GName", "Γηπεδούχος", 80, false},
    {"FName", "Φιλοξ/νη", 80, false}, {"Entos", "Εντός", 40, true},        {"Ektos", "Εκτός", 40, true},
};

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

QLabel *BoldLabel(const QString &text, QWidget *parent, bool underlined = false)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(underlined);
    label->setFont(font);
    return label;
}

void SetTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

TStyButton *NewPrintButton(QWidget *parent)
{
    auto *button = new TStyButton(parent);
    button->setText(Text(kPrintCaption));
    button->SetGlyph(
        parent->style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(16, 16).toImage());
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 48);
    return button;
}

} // namespace

TPinForm::TPinForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PinForm"));
    setWindowTitle(Text(kCaption));
    TTavrolinDM &dm = TavrolinDM();

    Chooser = new tav::shared::CompetitionChooser(tav::shared::CompetitionChooser::Rules::TeamForm(), this);
    PeriodCombo = Chooser->PeriodCombo;
    ChkP = Chooser->ChkP;
    DiorgCombo = Chooser->DiorgCombo;
    ChkD = Chooser->ChkD;
    DBLookupComboBox1 = new TDBLookupComboBox(this);
    DBLookupComboBox2 = new TDBLookupComboBox(this);
    SpeedButton1 = new QToolButton(this);
    SpeedButton2 = new QToolButton(this);
    ChkDaily = new QCheckBox(Text(kDailyCaption), this);
    BBtnPrint1 = NewPrintButton(this);
    StyButton2 = NewPrintButton(this);

    TblPOm.SetSessionName(kSessionName);
    TblPOm.SetDatabaseName(kDatabaseName);
    TblPOm.SetTableName(QStringLiteral("PerOmades.DB"));
    TblPOm.SetIndexName(QStringLiteral("DiorNameInd"));
    TblPOm.SetMasterSource(&dm.dsDiorganvseis);
    TblPOm.SetMasterFields(QStringLiteral("DNo"));
    DsPOmades = new TDataSource(this);
    DsPOmades->SetDataSet(&dm.POmades);
    DsTblPOm = new TDataSource(this);
    DsTblPOm->SetDataSet(&TblPOm);
    DsForma1 = new TDataSource(this);
    DsForma1->SetDataSet(&dm.QryForma);
    DsForma2 = new TDataSource(this);
    DsForma2->SetDataSet(&dm.QryForma2);

    // The picker's key is the team's competition record, so that two teams of one name stay apart.
    for (auto [picker, source] :
         {std::pair{DBLookupComboBox1, DsPOmades}, std::pair{DBLookupComboBox2, DsTblPOm}}) {
        picker->SetListSource(source);
        picker->SetKeyField(QStringLiteral("RecNo"));
        picker->SetListField(QStringLiteral("GrName"));
        picker->SetDropDownRows(kPickerRows);
        picker->setMinimumWidth(150);
    }
    for (QToolButton *view : {SpeedButton1, SpeedButton2}) {
        view->setAutoRaise(true);
        view->setToolTip(Text(kViewHint));
        view->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    }

    DBGrid1 = NewGrid(DsForma1);
    DBGrid2 = NewGrid(DsForma2);
    Image1 = new QFrame(this);
    Image1->setFixedHeight(4);
    Image1->setFrameShape(QFrame::HLine);
    Image1->setFrameShadow(QFrame::Sunken);

    sides_[0].Picker = DBLookupComboBox1;
    sides_[0].Matches = &dm.QryForma;
    sides_[0].Grid = DBGrid1;
    sides_[0].PrintButton = BBtnPrint1;
    sides_[1].Picker = DBLookupComboBox2;
    sides_[1].Matches = &dm.QryForma2;
    sides_[1].Grid = DBGrid2;
    sides_[1].PrintButton = StyButton2;

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 0);
    auto *prints = new QGridLayout;
    prints->addWidget(ChkDaily, 0, 0, 1, 2);
    prints->addWidget(BBtnPrint1, 1, 0, Qt::AlignLeft);
    prints->addWidget(StyButton2, 1, 1, Qt::AlignLeft);
    layout->addLayout(BuildTopBar());
    layout->addLayout(prints);
    layout->addWidget(Image1);
    auto *grids = new QHBoxLayout;
    grids->addWidget(DBGrid1);
    grids->addWidget(DBGrid2);
    layout->addLayout(grids, 1);
    layout->addWidget(BuildSummary());
    resize(802, 470);

    LblA = sides_[0].Figures[0][0], LblB = sides_[0].Figures[0][1], LblN = sides_[0].Figures[0][2];
    LblI = sides_[0].Figures[0][3], LblH = sides_[0].Figures[0][4], Label7 = sides_[0].Figures[0][5];
    LblAE = sides_[0].Figures[1][0], LblBE = sides_[0].Figures[1][1], LblNE = sides_[0].Figures[1][2];
    LblIE = sides_[0].Figures[1][3], LblHE = sides_[0].Figures[1][4], Label8 = sides_[0].Figures[1][5];
    LblAS = sides_[0].Figures[2][0], LblBS = sides_[0].Figures[2][1], LblNS = sides_[0].Figures[2][2];
    LblIS = sides_[0].Figures[2][3], LblHS = sides_[0].Figures[2][4], Label9 = sides_[0].Figures[2][5];
    Label22 = sides_[0].Special;
    LblA2 = sides_[1].Figures[0][0], LblB2 = sides_[1].Figures[0][1], LblN2 = sides_[1].Figures[0][2];
    LblI2 = sides_[1].Figures[0][3], LblH2 = sides_[1].Figures[0][4], Label23 = sides_[1].Figures[0][5];
    LblAE2 = sides_[1].Figures[1][0], LblBE2 = sides_[1].Figures[1][1], LblNE2 = sides_[1].Figures[1][2];
    LblIE2 = sides_[1].Figures[1][3], LblHE2 = sides_[1].Figures[1][4], Label24 = sides_[1].Figures[1][5];
    LblAS2 = sides_[1].Figures[2][0], LblBS2 = sides_[1].Figures[2][1], LblNS2 = sides_[1].Figures[2][2];
    LblIS2 = sides_[1].Figures[2][3], LblHS2 = sides_[1].Figures[2][4], Label25 = sides_[1].Figures[2][5];
    Label26 = sides_[1].Special;

    // A season or competition pick leaves both pickers empty, whatever the pick locates.
    for (QComboBox *combo : {PeriodCombo, DiorgCombo})
        connect(combo, &QComboBox::activated, this, [this] { ClearPickers(); });
    DBLookupComboBox1->OnClick = [this] { DBLookupComboBox1Click(); };
    DBLookupComboBox2->OnClick = [this] { DBLookupComboBox2Click(); };
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    BBtnPrint1->OnClick = [this](QObject *) { BBtnPrint1Click(); };
    StyButton2->OnClick = [this](QObject *) { StyButton2Click(); };
}

QLayout *TPinForm::BuildTopBar()
{
    auto *bar = new QHBoxLayout;
    // The labels over the chooser's two combos.
    auto *chooser = new QVBoxLayout;
    auto *labels = new QHBoxLayout;
    auto *seasonLabel = new QLabel(Text(kSeasonLabel), this);
    Chooser->adjustSize();
    seasonLabel->setFixedWidth(DiorgCombo->x());
    labels->addWidget(seasonLabel);
    labels->addWidget(new QLabel(Text(kCategoryLabel), this));
    labels->addStretch();
    chooser->addLayout(labels);
    chooser->addWidget(Chooser);
    bar->addLayout(chooser);
    for (auto [picker, view] :
         {std::pair{DBLookupComboBox1, SpeedButton1}, std::pair{DBLookupComboBox2, SpeedButton2}}) {
        auto *team = new QGridLayout;
        team->addWidget(BoldLabel(Text(kTeamLabel), this), 0, 0);
        team->addWidget(picker, 1, 0);
        team->addWidget(view, 1, 1);
        bar->addSpacing(12);
        bar->addLayout(team);
    }
    bar->addStretch();
    return bar;
}

TDBGrid *TPinForm::NewGrid(TDataSource *source)
{
    auto *grid = new TDBGrid(this);
    for (const GridColumn &layout : kGridColumns) {
        TColumn &column = grid->Columns().Add();
        column.SetFieldName(Text(layout.field));
        column.Title.Caption = Text(layout.title);
        column.Width = layout.width;
        if (layout.centred) {
            column.Alignment = Qt::AlignHCenter;
            column.Title.Alignment = Qt::AlignHCenter;
        }
    }
    QFont titles = grid->horizontalHeader()->font();
    titles.setBold(true);
    grid->horizontalHeader()->setFont(titles);
    grid->SetDataSource(source);
    grid->SetReadOnly(true);
    grid->SetDefaultDrawing(false);
    const int side = source == DsForma1 ? 0 : 1;
    grid->OnDrawColumnCell = [this, side](const TRect &rect, int dataCol, TColumn &column,
                                          TGridDrawState state, TCanvas &canvas) {
        if (dataCol < kHomeColumn)
            sides_[std::size_t(side)].Grid->DefaultDrawColumnCell(rect, dataCol, column, state, canvas);
        else
            DBGridDrawColumnCell(side, rect, dataCol, column, canvas);
    };
    return grid;
}

QWidget *TPinForm::BuildSummary()
{
    Panel1 = new QFrame(this);
    Panel1->setFixedHeight(kSummaryHeight);
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto *table = new QGridLayout(Panel1);
    table->setVerticalSpacing(2);
    const QStringList captions = SuccessCaptions();
    for (int line = 0; line < captions.size(); ++line)
        table->addWidget(BoldLabel(captions.at(line), Panel1, true), line + 1, 0);
    // Each side: five figure columns and the percentages, the second side right of a raised line.
    constexpr int kSideColumns = 7;
    for (int side = 0; side < 2; ++side) {
        const int first = 1 + side * kSideColumns;
        if (side > 0) {
            auto *line = new QFrame(Panel1);
            line->setFrameShape(QFrame::VLine);
            line->setFrameShadow(QFrame::Raised);
            table->addWidget(line, 0, first - 1, 5, 1);
        }
        for (int head = 0; head < 5; ++head) {
            QLabel *label = BoldLabel(Text(kHeads[head]), Panel1, true);
            if (head == 2)
                SetTextColour(label, clBlue);
            if (head == 4)
                SetTextColour(label, clRed);
            table->addWidget(label, 0, first + head);
        }
        TSide &shown = sides_[std::size_t(side)];
        // The heads stand over points, games, wins, draws and losses in this order.
        constexpr int kColumnOfFigure[] = {1, 0, 2, 3, 4, 5};
        for (int line = 0; line < 3; ++line)
            for (int figure = 0; figure < 6; ++figure) {
                QLabel *label = BoldLabel(QString(), Panel1);
                if (figure == 2)
                    SetTextColour(label, clBlue);
                if (figure == 4)
                    SetTextColour(label, clRed);
                shown.Figures[std::size_t(line)][std::size_t(figure)] = label;
                table->addWidget(label, line + 1, first + kColumnOfFigure[figure]);
            }
        table->addWidget(BoldLabel(SpecialPointsCaption(), Panel1, true), 4, first, 1, 4);
        shown.Special = BoldLabel(QString(), Panel1);
        table->addWidget(shown.Special, 4, first + 4, 1, 2);
    }
    return Panel1;
}

tav::shared::ChooserLists TPinForm::ShowModalWith(const std::optional<tav::shared::ChooserLists> &lists)
{
    handedLists_ = lists;
    RunModal(*this);
    handedLists_.reset();
    return Chooser->Lists();
}

void TPinForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPinForm::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

void TPinForm::FormShow()
{
    TWaitCursor wait;
    ClearPickers();
    for (TSide &side : sides_) {
        for (auto &line : side.Figures)
            for (QLabel *label : line)
                label->clear();
        side.Special->clear();
        side.ViewedTeam.clear();
        side.PrintButton->setEnabled(false);
    }
    ShowingErrors([this] {
        TTavrolinDM &dm = TavrolinDM();
        for (TTable *table : {&dm.Diorganvseis, &dm.Agvnes, &dm.POmades, &dm.Krath, &dm.Kathgories})
            tav::data::OpenIfClosed(*table);
        if (!TblPOm.Active())
            TblPOm.Open();
        if (handedLists_ && !handedLists_->Categories.isEmpty()) {
            Chooser->SetLists(*handedLists_);
        } else {
            Chooser->FillAllSeasons();
            Chooser->FillAllCategories();
        }
        tav::data::LocateCompetition(dm, Chooser->Choice());
    });
}

void TPinForm::FormClose()
{
    for (TSide &side : sides_)
        side.Matches->Close();
    ShowingErrors([this] { Chooser->ChooseShown(); });
}

void TPinForm::ClearPickers()
{
    for (TSide &side : sides_)
        side.Picker->SetKeyValue(QVariant());
}

void TPinForm::Picked(int side)
{
    TSide &picked = sides_[std::size_t(side)];
    picked.Matches->Close();
    picked.PrintButton->setEnabled(false);
}

void TPinForm::DBLookupComboBox1Click()
{
    Picked(0);
}

void TPinForm::DBLookupComboBox2Click()
{
    Picked(1);
}

void TPinForm::SpeedButton1Click()
{
    ViewSide(0);
}

void TPinForm::SpeedButton2Click()
{
    ViewSide(1);
}

void TPinForm::ViewSide(int side)
{
    TSide &shown = sides_[std::size_t(side)];
    const QString team = shown.Picker->Text().trimmed();
    const QVariant record = shown.Picker->KeyValue();
    if (team.isEmpty() || record.isNull())
        return;
    TWaitCursor wait;
    ShowingErrors([&] {
        TTavrolinDM &dm = TavrolinDM();
        TTable &competition = dm.Diorganvseis;
        OpenTeamMatches(*shown.Matches, competition.FieldByName(QStringLiteral("DNo")).Value(),
                        record.toInt(), ChkDaily->isChecked());
        const TPointsRule rule{competition.FieldByName(QStringLiteral("Nikh")).AsInteger(),
                               competition.FieldByName(QStringLiteral("Isop")).AsInteger(),
                               competition.FieldByName(QStringLiteral("Htta")).AsInteger()};
        const TTeamForm form = TeamForm(ReadFormRows(*shown.Matches), record.toInt(), rule);
        ShowTeamSuccesses(side, form);
        ShowSpecialPoints(side, form);
        shown.ViewedTeam = shown.Picker->Text();
        shown.PrintButton->setEnabled(true);
    });
}

void TPinForm::ShowTeamSuccesses(int side, const TTeamForm &form)
{
    TSide &shown = sides_[std::size_t(side)];
    const TSuccessLine *lines[] = {&form.Home, &form.Away, &form.Overall};
    for (std::size_t i = 0; i < 3; ++i) {
        const TSuccessLine &line = *lines[i];
        auto &labels = shown.Figures[i];
        labels[0]->setText(QString::number(line.Games));
        labels[1]->setText(QString::number(line.Points));
        labels[2]->setText(WinsText(line.Wins));
        labels[3]->setText(DrawsText(line.Draws));
        labels[4]->setText(QString::number(line.Losses));
        // A line without games shows no percentages rather than those of an earlier view.
        labels[5]->setText(line.Percentages);
    }
}

void TPinForm::ShowSpecialPoints(int side, const TTeamForm &form)
{
    sides_[std::size_t(side)].Special->setText(QString::number(form.SpecialPoints));
}

void TPinForm::DBGridDrawColumnCell(int side, const TRect &rect, int dataCol, TColumn &column,
                                    TCanvas &canvas)
{
    TDBGrid &grid = *sides_[std::size_t(side)].Grid;
    const int row = grid.DrawingRow();
    // The score stands in the column of the side the team played, so an empty score column
    // tells the other side.
    const bool atHome = !grid.CellText(row, kEntosColumn).isEmpty();
    const bool away = !grid.CellText(row, kEktosColumn).isEmpty();
    const QString text = grid.CellText(row, dataCol);
    canvas.FillRect(rect);
    if (dataCol == kHomeColumn || dataCol == kAwayColumn) {
        if (dataCol == kHomeColumn ? atHome : away)
            canvas.Font.Style.Include(fsBold);
    } else {
        switch (ScoreOutcome(text, dataCol == kEntosColumn)) {
        case TFormOutcome::Win:
            canvas.Font.Color = clBlue;
            break;
        case TFormOutcome::Loss:
            canvas.Font.Color = clRed;
            break;
        default:
            canvas.Font.Color = clBlack;
            break;
        }
    }
    Q_UNUSED(column);
    canvas.TextOut(rect.Left, rect.Top, text);
}

void TPinForm::BBtnPrint1Click()
{
    PrintSide(0);
}

void TPinForm::StyButton2Click()
{
    PrintSide(1);
}

void TPinForm::PrintSide(int side)
{
    TSide &printed = sides_[std::size_t(side)];
    PrintState.PrnFromRow = -1;
    PrintState.PrnToRow = -1;
    // Only a viewed side has a list to print.
    if (!printed.Matches->Active())
        return;
    if (!ExecutePrintDialog(this))
        return;
    TQuery &matches = *printed.Matches;
    QList<QStringList> lineTexts;
    for (const auto &line : printed.Figures) {
        QStringList texts;
        for (QLabel *label : line)
            texts.append(label->text());
        lineTexts.append(texts);
    }
    TGridPageDescription document;
    document.Title = windowTitle();
    const QString captionLine = GridCaptionLine(windowTitle());
    document.FirstHead = {
        GridProgramLine(), QStringLiteral("  "), captionLine,
        FormPrintTitle(PeriodCombo->currentText(), DiorgCombo->currentText(), printed.ViewedTeam), QString()};
    document.LaterHead = {GridProgramLine(), QString(), captionLine};
    TDBGrid &grid = *printed.Grid;
    TGridLine header;
    for (int col = 0; col < grid.Columns().Count(); ++col)
        header.append({grid.Columns()[col].Caption(), ScreenWidthTenths(grid.columnWidth(col))});
    document.Header = {header};
    ShowingErrors([&] {
        matches.DisableControls();
        try {
            for (matches.First(); !matches.Eof(); matches.Next()) {
                TGridLine line;
                for (int col = 0; col < grid.Columns().Count(); ++col) {
                    const TColumn &column = grid.Columns()[col];
                    line.append(
                        {matches.FieldByName(column.FieldName()).DisplayText(), header.at(col).Tenths});
                }
                document.Rows.append(line);
            }
            matches.First();
        } catch (...) {
            matches.EnableControls();
            throw;
        }
        matches.EnableControls();
    });
    document.Summary = FormSummaryLines(lineTexts, printed.Special->text());
    document.EnableWindow = [this](bool enabled) { setEnabled(enabled); };
    document.BeforeRow = ProcessMessages;
    ShowingErrors([&] { PrintGridPages(Printer(), document, PrintState); });
}

TPinForm *PinForm()
{
    // Destroyed only by a test's reset: the window lives to the end of the program.
    static TPinForm *form = nullptr;
    return LongLived(form, [] { return new TPinForm; });
}
