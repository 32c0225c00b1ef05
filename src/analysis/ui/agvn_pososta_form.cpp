#include "analysis/ui/agvn_pososta_form.h"

#include "analysis/prediction_runs.h"
#include "analysis/prediction_store.h"
#include "analysis/ui/agvn_pososta_analysh_form.h"
#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/ui/db_text.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/wait_cursor.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace tav::analysis;

namespace {

const char *const kCaption = "Ανάλυση Αγώνων";
const char *const kMatchdayLabel = "Αγωνιστική %1η";
const char *const kPercentages = "Ποσοστά";
const char *const kOdds = "Odds";
const char *const kCompute = "Υπολογισμός";
const char *const kSave = "Σώσιμο";
const char *const kPrint = "Εκτύπωση";
const char *const kSaveNor = "Σώσιμο Nor";
const char *const kOk = "OK";
const char *const kCancel = "Άκυρο";
const char *const kConditionsFilter = "Αρχεία Όρων Ν2 (*.nor)";
const char *const kRecentNotWhole = "Ο αριθμός των προηγούμενων αγώνων πρέπει να είναι ακέραιος αριθμός.";
const char *const kPercentNotWhole =
    "Τα ποσοστά της γραμμής %1 πρέπει να είναι ακέραιοι αριθμοί από 0 έως 100.";
const char *const kStrengthSkipped =
    "Η ισχύς δεν έδωσε αριθμό σε %1 από τους προηγούμενους αγώνες· υπολογίστηκαν χωρίς αυτούς.";
const char *const kHeaders[12] = {"",   "Ημ/νία", "Ομάδες", "1",     "X",    "2",
                                  "ΒΣ", "Πιθ.",   "Πλήρ.",  "Εκπλ.", "Σκόρ", "ΝΣ"};
const int kWidths[12] = {30, 70, 150, 35, 35, 35, 0, 0, 0, 0, 35, 35};
// The longest teams text of a prediction row.
constexpr int kTeamsLength = 50;
const char *const kMethodCaptions[6] = {"Α1", "Α2", "Α3", "Α4", "Α5", "Α6"};
// The sign of each of the columns 3 to 5.
const char *const kColumnSigns[3] = {"1", "X", "2"};

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The background of the result column: green for a home win, orange for an away win, light blue
// for a draw and for a match not played.
QColor ResultColour(const QString &sign)
{
    if (sign == QLatin1String("1"))
        return QColor(155, 241, 153);
    if (sign == QLatin1String("2"))
        return QColor(247, 179, 105);
    return QColor(153, 241, 255);
}

} // namespace

TAgvnPosostaForm::TAgvnPosostaForm(QWidget *parent)
    : QWidget(parent, Qt::Window), Panel1(new QFrame(this)), DBText1(new TDBText(Panel1)),
      AgvnLabel(new QLabel(Panel1)), RadioGroup1(new QGroupBox(Panel1)), RadioButtons(new QButtonGroup(this)),
      AgBack(new QLineEdit(QStringLiteral("9"), Panel1)), Button1(new QPushButton(Text(kCompute), Panel1)),
      Button2(new QPushButton(Text(kMethodCaptions[0]), Panel1)),
      Button3(new QPushButton(Text(kMethodCaptions[1]), Panel1)),
      Button4(new QPushButton(Text(kMethodCaptions[2]), Panel1)),
      Button5(new QPushButton(Text(kMethodCaptions[3]), Panel1)),
      Button6(new QPushButton(Text(kMethodCaptions[4]), Panel1)),
      Button7(new QPushButton(Text(kMethodCaptions[5]), Panel1)),
      SaveButton(new QPushButton(Text(kSave), Panel1)), PrintButton(new QPushButton(Text(kPrint), Panel1)),
      BitBtn1(new QPushButton(Text(kSaveNor), Panel1)), OkBtn(new QPushButton(Text(kOk), Panel1)),
      CancelBtn(new QPushButton(Text(kCancel), Panel1)), AnalyshGrid(new TStringGrid(this)),
      SaveDialog1(new QFileDialog(this))
{
    setWindowTitle(Text(kCaption));
    BuildPanel1();
    BuildGrid();
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setNameFilter(Text(kConditionsFilter));
    SaveDialog1->setDefaultSuffix(QStringLiteral("nor"));
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
    // A file of the name chosen is replaced without asking.
    SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel1);
    layout->addWidget(AnalyshGrid, 1);
    resize(900, 600);
    setWindowState(Qt::WindowMaximized);
}

TAgvnPosostaForm::~TAgvnPosostaForm() = default;

void TAgvnPosostaForm::BuildPanel1()
{
    Panel1->setFixedHeight(92);
    DBText1->setGeometry(8, 6, 320, 22);
    DBText1->SetDataSource(&TavrolinDM().dsDiorganvseis);
    DBText1->SetDataField(QStringLiteral("Onomasia"));
    AgvnLabel->setGeometry(8, 32, 200, 22);
    RadioGroup1->setGeometry(340, 4, 120, 80);
    auto *radios = new QVBoxLayout(RadioGroup1);
    for (const char *item : {kPercentages, kOdds}) {
        auto *radio = new QRadioButton(Text(item), RadioGroup1);
        RadioButtons->addButton(radio, RadioButtons->buttons().size());
        radios->addWidget(radio);
    }
    RadioButtons->button(0)->setChecked(true);
    AgBack->setGeometry(8, 60, 40, 24);
    const QList<QPushButton *> methods{Button1, Button2, Button3, Button4, Button5, Button6, Button7};
    for (int i = 0; i < methods.size(); ++i)
        methods.at(i)->setGeometry(470 + i * 64, 8, 60, 28);
    const QList<QPushButton *> files{SaveButton, PrintButton, BitBtn1, OkBtn, CancelBtn};
    for (int i = 0; i < files.size(); ++i)
        files.at(i)->setGeometry(470 + i * 100, 50, 96, 28);
    OkBtn->hide();
    CancelBtn->hide();
    for (QPushButton *button : {Button2, Button3, Button4, Button5})
        button->setEnabled(false);

    connect(Button1, &QPushButton::clicked, this, &TAgvnPosostaForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TAgvnPosostaForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TAgvnPosostaForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TAgvnPosostaForm::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TAgvnPosostaForm::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TAgvnPosostaForm::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TAgvnPosostaForm::Button7Click);
    connect(RadioButtons, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
    connect(PrintButton, &QPushButton::clicked, this, &TAgvnPosostaForm::PrintButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TAgvnPosostaForm::SaveButtonClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TAgvnPosostaForm::BitBtn1Click);
    connect(OkBtn, &QPushButton::clicked, this, &QWidget::hide);
    connect(CancelBtn, &QPushButton::clicked, this, &QWidget::hide);
}

void TAgvnPosostaForm::BuildGrid()
{
    AnalyshGrid->SetDefaultRowHeight(20);
    AnalyshGrid->SetColCount(12);
    AnalyshGrid->SetRowCount(2);
    for (int col = 0; col < 12; ++col) {
        AnalyshGrid->SetCell(col, 0, Text(kHeaders[col]));
        if (kWidths[col] > 0)
            AnalyshGrid->SetColWidth(col, kWidths[col]);
    }
    AnalyshGrid->OnDblClick = [this] { AnalyshGridDblClick(); };
    AnalyshGrid->OnDrawCell = [this](int col, int row, const TRect &rect, TGridDrawState state,
                                     TCanvas &canvas) { AnalyshGridDrawCell(col, row, rect, state, canvas); };
}

// --- showing ------------------------------------------------------------------------------------

void TAgvnPosostaForm::ShowAnalysis(const QString &matchday, const QString &group)
{
    group_ = group;
    if (!Prepare(matchday))
        return;
    SaveButton->show();
    PrintButton->show();
    BitBtn1->show();
    OkBtn->hide();
    CancelBtn->hide();
    showMaximized();
    raise();
    activateWindow();
}

bool TAgvnPosostaForm::PrepareAnalysis(const QString &matchday)
{
    Prepare(matchday);
    SaveButton->hide();
    PrintButton->hide();
    BitBtn1->hide();
    OkBtn->show();
    CancelBtn->show();
    return true;
}

bool TAgvnPosostaForm::Prepare(const QString &matchday)
{
    matchday_ = matchday;
    pageMatchday_ = matchday;
    for (QPushButton *button : {Button2, Button3, Button4, Button5})
        button->setEnabled(true);
    const bool computed = ShowingErrors([this] {
                              if (!TavrolinDM().POmades.Active())
                                  TavrolinDM().POmades.Open();
                          }) &&
                          PredictFromRecentResults(true);
    if (computed)
        FillDatesAndTeams();
    AgvnLabel->setText(Text(kMatchdayLabel).arg(matchday));
    return computed;
}

bool TAgvnPosostaForm::RecentCount(int &recent)
{
    bool whole = false;
    recent = AgBack->text().trimmed().toInt(&whole);
    if (!whole)
        MessageDlg(Text(kRecentNotWhole), mtError, {mbOK});
    return whole;
}

bool TAgvnPosostaForm::RunMethod(
    const std::function<void(const std::vector<TListedMatch> &, int recent)> &method)
{
    int recent = 0;
    if (!RecentCount(recent))
        return false;
    TWaitCursor wait;
    const bool ran = ShowingErrors([&] {
        listed_ = ReadListedMatches(TavrolinDM().Agvnes);
        method(listed_, recent);
    });
    wait.Restore();
    if (ran)
        ShowResult();
    return ran;
}

void TAgvnPosostaForm::ShowResult()
{
    ClassifySigns();
    AnalyshGrid->SetRowCount(Analysis.AnalysisCount + 2);
    FillAnalysisGrid();
}

// --- methods ------------------------------------------------------------------------------------

bool TAgvnPosostaForm::PredictFromRecentResults(bool Combine)
{
    return RunMethod([this, Combine](const auto &matches, int recent) {
        RunRecentResults(TavrolinDM(), Analysis, matches, recent, Combine);
    });
}

void TAgvnPosostaForm::PredictByRankGap()
{
    RunMethod(
        [this](const auto &matches, int recent) { RunRankGap(TavrolinDM(), Analysis, matches, recent); });
}

void TAgvnPosostaForm::PredictByOpponentRank()
{
    RunMethod([this](const auto &matches, int recent) {
        RunOpponentRank(TavrolinDM(), Analysis, matches, recent);
    });
}

void TAgvnPosostaForm::PredictByStrength()
{
    int skipped = 0;
    RunMethod([&](const auto &matches, int recent) {
        skipped = RunStrength(TavrolinDM(), Analysis, matches, recent);
    });
    if (skipped > 0)
        MessageDlg(Text(kStrengthSkipped).arg(skipped), mtWarning, {mbOK});
}

void TAgvnPosostaForm::PredictByPointsRate()
{
    RunMethod([this](const auto &matches, int) { RunPointsRate(TavrolinDM(), Analysis, matches); });
}

void TAgvnPosostaForm::ClassifySigns()
{
    tav::analysis::ClassifySigns(Analysis);
}

void TAgvnPosostaForm::FillAnalysisGrid()
{
    const TDisplayMode mode = DisplayMode() == 1 ? TDisplayMode::Odds : TDisplayMode::Percentages;
    for (int k = 1; k <= Analysis.AnalysisCount; ++k) {
        const TAnalysisRow &row = Analysis.AnalysisRows[k];
        AnalyshGrid->SetCell(0, k, QString::number(k));
        AnalyshGrid->SetCell(2, k, row.Teams);
        const std::array<QString, 3> percent = PercentCells(row, mode);
        for (int i = 0; i < 3; ++i)
            AnalyshGrid->SetCell(3 + i, k, percent[i]);
        const QString signs[6] = {row.BaseSigns,     row.ProbableSigns, row.FullSigns,
                                  row.SurpriseSigns, row.Score,         row.ResultSign};
        for (int i = 0; i < 6; ++i)
            AnalyshGrid->SetCell(6 + i, k, signs[i]);
    }
    const std::array<QString, 12> totals = TotalsRow(Analysis);
    for (int col = 2; col < 12; ++col)
        AnalyshGrid->SetCell(col, Analysis.AnalysisCount + 1, totals[col]);
}

void TAgvnPosostaForm::FillDatesAndTeams()
{
    listed_ = ReadListedMatches(TavrolinDM().Agvnes);
    const int count = std::min<int>(Analysis.AnalysisCount, int(listed_.size()));
    for (int k = 1; k <= count; ++k) {
        Analysis.AnalysisRows[k].Teams = listed_[k - 1].Teams.left(kTeamsLength);
        AnalyshGrid->SetCell(1, k, DateToStr(listed_[k - 1].Date));
    }
    for (int k = 1; k <= Analysis.AnalysisCount; ++k)
        AnalyshGrid->SetCell(2, k, Analysis.AnalysisRows[k].Teams);
}

// --- handlers -----------------------------------------------------------------------------------

void TAgvnPosostaForm::Button1Click()
{
    if (DisplayMode() != 0)
        return;
    // Every percentage is read before any is taken, so a wrong cell changes nothing.
    std::vector<std::array<std::uint8_t, 3>> read;
    for (int k = 1; k <= Analysis.AnalysisCount; ++k) {
        std::array<std::uint8_t, 3> percent{};
        for (int i = 0; i < 3; ++i) {
            bool whole = false;
            const int value = AnalyshGrid->Cells(3 + i, k).trimmed().toInt(&whole);
            if (!whole || value < 0 || value > 100) {
                MessageDlg(Text(kPercentNotWhole).arg(k), mtError, {mbOK});
                return;
            }
            percent[i] = std::uint8_t(value);
        }
        read.push_back(percent);
    }
    for (int k = 1; k <= Analysis.AnalysisCount; ++k) {
        auto &percent = Analysis.AnalysisRows[k].Percent;
        percent[Percent1] = read[k - 1][0];
        percent[PercentX] = read[k - 1][1];
        percent[Percent2] = read[k - 1][2];
    }
    ClassifySigns();
    FillAnalysisGrid();
}

void TAgvnPosostaForm::Button2Click()
{
    PredictFromRecentResults(false);
}

void TAgvnPosostaForm::Button3Click()
{
    PredictFromRecentResults(true);
}

void TAgvnPosostaForm::Button4Click()
{
    PredictByRankGap();
}

void TAgvnPosostaForm::Button5Click()
{
    PredictByOpponentRank();
}

void TAgvnPosostaForm::Button6Click()
{
    PredictByStrength();
}

void TAgvnPosostaForm::Button7Click()
{
    PredictByPointsRate();
}

void TAgvnPosostaForm::RadioGroup1Click()
{
    FillAnalysisGrid();
}

void TAgvnPosostaForm::AnalyshGridDblClick()
{
    const int row = AnalyshGrid->Row();
    if (row < 1 || row > tav::analysis::AnalysisCapacity)
        return;
    ShowMatchDetail(*AgvnPosostaAnalyshForm(), Analysis.AnalysisRows[row].GameNo);
}

void TAgvnPosostaForm::AnalyshGridDrawCell(int col, int row, const TRect &rect, TGridDrawState state,
                                           TCanvas &canvas)
{
    if (state.Contains(gdFixed) || row < 1)
        return;
    if (row > Analysis.AnalysisCount) {
        canvas.Brush.Color = clAqua;
    } else {
        const QString &sign = Analysis.AnalysisRows[row].ResultSign;
        const TAnalysisRow &match = Analysis.AnalysisRows[row];
        const QString *signs[4] = {&match.BaseSigns, &match.ProbableSigns, &match.FullSigns,
                                   &match.SurpriseSigns};
        if (col >= 3 && col <= 5 && sign == QLatin1String(kColumnSigns[col - 3]))
            canvas.Brush.Color = clLime;
        else if (col >= 6 && col <= 9 && !sign.isEmpty() && signs[col - 6]->contains(sign))
            canvas.Brush.Color = clLime;
        else if (col == 11) {
            canvas.Brush.Color = ResultColour(sign);
            canvas.Font.Style = {fsBold};
        } else
            return;
    }
    canvas.FillRect(rect);
    canvas.TextOut(rect.Left + 2, rect.Top + 2, AnalyshGrid->Cells(col, row));
}

void TAgvnPosostaForm::closeEvent(QCloseEvent *event)
{
    ShowingErrors([] {
        TDataSet &matches = TavrolinDM().Agvnes;
        matches.SetFilter(QString());
        matches.SetFiltered(false);
    });
    QWidget::closeEvent(event);
}

int TAgvnPosostaForm::DisplayMode() const
{
    return RadioButtons->checkedId();
}

void TAgvnPosostaForm::SetDisplayMode(int index)
{
    if (QAbstractButton *button = RadioButtons->button(index))
        button->setChecked(true);
}

TAgvnPosostaForm *AgvnPosostaForm()
{
    // Destroyed only by a test's reset: the window lives to the end of the program.
    static TAgvnPosostaForm *form = nullptr;
    return LongLived(form, [] { return new TAgvnPosostaForm; });
}
