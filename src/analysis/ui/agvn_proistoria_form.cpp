#include "analysis/ui/agvn_proistoria_form.h"

#include "analysis/ui/analysis_view_output.h"
#include "controls/formulagrid/fg_string_grid.h"
#include "data/data_module.h"
#include "platform/core/long_lived.h"
#include "platform/ui/db_text.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/wait_cursor.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace tav::analysis;

namespace {

const char *const kCaption = "Προϊστορία Αγώνων";
const char *const kMatchday = "Αγωνιστική";
const char *const kMatchdayLabel = "Αγωνιστική %1η";
const char *const kSave = "Σώσιμο";
const char *const kPrint = "ΕΚΤΥΠΩΣΗ";
const char *const kBack = "ΕΠΙΣΤΡΟΦΗ";
const char *const kCompetitionGap = "    ";
// The columns after the seasons: wins, draws, losses, the goals of both sides and the score.
constexpr int kTotalColumns = 6;
constexpr int kDefaultWidth = 60;
constexpr int kTitleWidth = 200;
constexpr int kCountWidth = 25;
constexpr int kGoalsWidth = 30;

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TAgvnProistoriaForm::TAgvnProistoriaForm(QWidget *parent)
    : QWidget(parent, Qt::Window), Panel1(new QFrame(this)), DBText1(new TDBText(Panel1)),
      AgvnLabel(new QLabel(Text(kMatchday), Panel1)), SaveButton(new QPushButton(Text(kSave), Panel1)),
      StyButton1(new TStyButton(Panel1)), BBtnBack(new TStyButton(Panel1)),
      ProistoriaGrid(new TfgStringGrid(this))
{
    setWindowTitle(Text(kCaption));
    BuildPanel1();
    BuildGrid();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel1);
    layout->addWidget(ProistoriaGrid, 1);
    resize(900, 600);
    setWindowState(Qt::WindowMaximized);
}

TAgvnProistoriaForm::~TAgvnProistoriaForm() = default;

void TAgvnProistoriaForm::BuildPanel1()
{
    Panel1->setFixedHeight(59);
    DBText1->setGeometry(8, 4, 420, 24);
    QFont title = DBText1->font();
    title.setPixelSize(15);
    DBText1->setFont(title);
    DBText1->SetDataSource(&TavrolinDM().dsDiorganvseis);
    DBText1->SetDataField(QStringLiteral("Onomasia"));
    AgvnLabel->setGeometry(8, 32, 200, 22);
    StyButton1->setText(Text(kPrint));
    BBtnBack->setText(Text(kBack));
    const QList<QPushButton *> buttons{SaveButton, StyButton1, BBtnBack};
    for (int i = 0; i < buttons.size(); ++i)
        buttons.at(i)->setGeometry(440 + i * 110, 14, 104, 30);
    connect(SaveButton, &QPushButton::clicked, this, &TAgvnProistoriaForm::SaveButtonClick);
    StyButton1->OnClick = [this](QObject *) { StyButton1Click(); };
    BBtnBack->OnClick = [this](QObject *) { BBtnBackClick(); };
}

void TAgvnProistoriaForm::BuildGrid()
{
    TfgStringGrid &grid = *ProistoriaGrid;
    grid.SetColCount(kTotalColumns + 1);
    grid.SetRowCount(2);
    grid.SetDefaultColWidth(kDefaultWidth);
    grid.SetDefaultRowHeight(20);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    grid.setFont(font);
    grid.SetOptions({goVertLine, goHorzLine});
    grid.SetNumberFormat(QStringLiteral("%.2f"));
    grid.SetAutoCalculate(true);
    grid.SetNumbersalRight(false);
    grid.SetBandsShow(false);
    grid.SetHighlightURL(false);
    grid.SetShowValues(false);
    grid.OnDrawCell = [this](int col, int row, const TRect &rect, TGridDrawState state, TCanvas &canvas) {
        ProistoriaGridDrawCell(col, row, rect, state, canvas);
    };
}

void TAgvnProistoriaForm::ShowHistory(const QString &matchday, const QString &group)
{
    group_ = group;
    SetMatchday(matchday);
    TWaitCursor wait;
    const bool computed = ShowingErrors([this] {
        ComputeHistory();
        FillHistoryGrid();
    });
    wait.Restore();
    if (!computed)
        return;
    showMaximized();
    raise();
    activateWindow();
}

void TAgvnProistoriaForm::SetMatchday(const QString &matchday)
{
    matchday_ = matchday;
    pageMatchday_ = matchday;
    AgvnLabel->setText(Text(kMatchdayLabel).arg(matchday));
}

void TAgvnProistoriaForm::ComputeHistory()
{
    TTavrolinDM &dm = TavrolinDM();
    listed_ = ReadHistoryMatches(dm.Agvnes);
    HistoryRows = THistoryEngine(dm).ComputeHistory(listed_);
}

void TAgvnProistoriaForm::FillHistoryGrid()
{
    HistorySeasons = tav::analysis::HistorySeasons(HistoryRows);
    const std::vector<QStringList> cells = HistoryGrid(HistoryRows, HistorySeasons);
    const int seasons = int(HistorySeasons.size());
    TfgStringGrid &grid = *ProistoriaGrid;
    grid.SetRowCount(int(cells.size()));
    grid.SetDefaultColWidth(kDefaultWidth);
    grid.SetColCount(seasons + kTotalColumns + 1);
    grid.SetColWidth(0, kTitleWidth);
    for (int col = seasons + 1; col <= seasons + 3; ++col)
        grid.SetColWidth(col, kCountWidth);
    for (int col = seasons + 4; col <= seasons + 5; ++col)
        grid.SetColWidth(col, kGoalsWidth);
    for (int row = 0; row < int(cells.size()); ++row)
        for (int col = 0; col < grid.ColCount(); ++col)
            grid.SetCell(col, row, cells[row].value(col));
}

void TAgvnProistoriaForm::RetitleHistory()
{
    listed_ = ReadHistoryMatches(TavrolinDM().Agvnes);
    tav::analysis::RetitleHistory(HistoryRows, listed_);
    for (int i = 0; i < int(HistoryRows.size()); ++i)
        ProistoriaGrid->SetCell(0, i + 1, HistoryRows[i].Title);
}

void TAgvnProistoriaForm::ProistoriaGridDrawCell(int col, int row, const TRect &rect, TGridDrawState,
                                                 TCanvas &canvas)
{
    const QString text = ProistoriaGrid->Cells(col, row);
    const int width = canvas.TextWidth(text);
    // The match's own home club first: the forward rows are bold.
    if (row % 2 == 1)
        canvas.Font.Style.Include(fsBold);
    if (col > 0)
        canvas.TextRect(rect, rect.Left + (rect.Right - rect.Left) / 2 - width / 2 - 2, rect.Top + 2, text);
    else
        canvas.TextRect(rect, rect.Left, rect.Top, text);
}

void TAgvnProistoriaForm::StyButton1Click()
{
    TGridPageDescription document;
    const QStringList head{GridProgramLine(), QString(), GridCaptionLine(windowTitle())};
    document.FirstHead = head;
    document.FirstHead.append(DBText1->text() + Text(kCompetitionGap) + AgvnLabel->text());
    document.LaterHead = head;
    const int last = ProistoriaGrid->ColCount() - 1;
    document.Header = {GridLineOf(*ProistoriaGrid, 0, 0, last)};
    for (int row = 1; row < ProistoriaGrid->RowCount(); ++row)
        document.Rows.append(GridLineOf(*ProistoriaGrid, row, 0, last));
    document.EndAtBlankSecondCell = true;
    document.Layout = glRuledRows;
    PrintWindowGrid(*this, document);
}

void TAgvnProistoriaForm::BBtnBackClick()
{
    close();
}

TAgvnProistoriaForm *AgvnProistoriaForm()
{
    // Destroyed only by a test's reset: the window lives to the end of the program.
    static TAgvnProistoriaForm *form = nullptr;
    return LongLived(form, [] { return new TAgvnProistoriaForm; });
}
