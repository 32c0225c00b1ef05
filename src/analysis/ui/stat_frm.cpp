#include "analysis/ui/stat_frm.h"

#include "data/data_module.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/ui/column_bands.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/wait_cursor.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace tav::analysis;

namespace {

const char FormCaption[] = "ΣΤΑΤΙΣΤΙΚΑ";
const char ViewCaption[] = "ΠΡΟΒΟΛΗ";
const char ViewHint[] = "Προβολή Στατιστικών";
const char ExitCaption[] = "ΕΞΟΔΟΣ";
const char HelpCaption[] = "ΒΟΗΘΕΙΑ";
const char SeasonTitle[] = "ΠΕΡΙΟΔΟΣ : ";
const char PlayedTitle[] = "ΑΓΩΝΕΣ :";
const char FullTimeTitle[] = "ΤΕΛΙΚΑ ΑΠΟΤΕΛΕΣΜΑΤΑ";
const char HalfTimeTitle[] = "ΑΠΟΤΕΛΕΣΜΑΤΑ ΗΜΙΧΡΟΝΩΝ";
const char HalfFullHeading[] = "ΗΜΙΧΡΟΝΟ-ΤΕΛΙΚΟ";
const char ScoresHeading[] = "ΤΕΛΙΚΟ   ΣΚΟΡ";
constexpr int StatColumns = 6;
constexpr int StatColumnWidth = 30;
constexpr int StatRowHeight = 19;
const QColor PanelColor{192, 192, 192};

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

QLabel *NewPanelLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QToolButton *NewPictureButton(const char *caption, QStyle::StandardPixmap picture, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(Text(caption));
    button->setIcon(parent->style()->standardIcon(picture));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return button;
}

template <std::size_t Rows> void WriteGrid(TStringGrid &grid, const TStatisticsGrid<Rows> &cells)
{
    grid.SetRowCount(0);
    grid.SetRowCount(int(Rows));
    for (std::size_t row = 0; row < Rows; ++row)
        for (int col = 0; col < StatColumns; ++col)
            grid.SetCell(col, int(row), cells[row][std::size_t(col)]);
}

} // namespace

TStatFrm::TStatFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("StatFrm"));
    setWindowTitle(Text(FormCaption));
    Chooser = new tav::shared::CompetitionChooser(tav::shared::CompetitionChooser::Rules::Statistics(), this);
    PeriodCombo = Chooser->PeriodCombo;
    ChkP = Chooser->ChkP;
    DiorgCombo = Chooser->DiorgCombo;
    ChkD = Chooser->ChkD;
    BitBtn1 = new QPushButton(Text(ViewCaption), this);
    BitBtn1->setToolTip(Text(ViewHint));
    dxfPictureButton1 = NewPictureButton(ExitCaption, QStyle::SP_DialogCloseButton, this);
    dxfPictureButton2 = NewPictureButton(HelpCaption, QStyle::SP_DialogHelpButton, this);
    // The help button of the design leads nowhere.
    dxfPictureButton2->setEnabled(false);

    Panel1 = new QFrame(this);
    Panel1->setAutoFillBackground(true);
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::Window, PanelColor);
    Panel1->setPalette(palette);
    Older = NewHalf(Panel1);
    Chosen = NewHalf(Panel1);
    auto *halves = new QHBoxLayout(Panel1);
    for (const THalf *half : {&Older, &Chosen}) {
        auto *column = new QGridLayout;
        column->addWidget(half->Season, 0, 0, 1, 2);
        column->addWidget(NewPanelLabel(Text(PlayedTitle), Panel1), 1, 0);
        column->addWidget(half->Played, 1, 1);
        column->addWidget(NewPanelLabel(Text(FullTimeTitle), Panel1), 2, 0, 1, 2);
        column->addWidget(half->FullTime, 3, 0, 1, 2);
        column->addWidget(NewPanelLabel(Text(HalfTimeTitle), Panel1), 4, 0, 1, 2);
        column->addWidget(half->HalfTime, 5, 0, 1, 2);
        column->addWidget(half->HalfFullHeading, 6, 0);
        column->addWidget(half->ScoresHeading, 6, 1);
        column->addWidget(half->HalfFull, 7, 0);
        column->addWidget(half->Scores, 7, 1);
        column->setRowStretch(7, 1);
        halves->addLayout(column);
    }

    auto *top = new QHBoxLayout;
    top->addWidget(Chooser);
    for (QWidget *button : std::initializer_list<QWidget *>{BitBtn1, dxfPictureButton1, dxfPictureButton2})
        top->addWidget(button);
    top->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Panel1, 1);
    resize(760, 560);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(dxfPictureButton1, &QToolButton::clicked, this, [this] { dxfPictureButton1Click(); });
}

TStatFrm::THalf TStatFrm::NewHalf(QWidget *parent)
{
    THalf half;
    half.Season = NewPanelLabel(QString(), parent);
    half.Played = NewPanelLabel(QString(), parent);
    half.FullTime = NewPanelLabel(QString(), parent);
    half.HalfTime = NewPanelLabel(QString(), parent);
    for (TStringGrid **grid : {&half.HalfFull, &half.Scores}) {
        *grid = new TStringGrid(parent);
        (*grid)->SetColCount(StatColumns);
        (*grid)->SetFixedCols(0);
        (*grid)->SetFixedRows(0);
        (*grid)->SetDefaultColWidth(StatColumnWidth);
        (*grid)->SetDefaultRowHeight(StatRowHeight);
        (*grid)->SetDefaultDrawing(false);
        (*grid)->setMinimumWidth(StatColumns * (StatColumnWidth + 1) + 4);
        TStringGrid *drawn = *grid;
        drawn->OnDrawCell = [this, drawn](int col, int row, const TRect &rect, TGridDrawState,
                                          TCanvas &canvas) { SGrd1DrawCell(drawn, col, row, rect, canvas); };
    }
    half.HalfFullHeading = new TColumnBands(half.HalfFull, parent);
    half.HalfFullHeading->SetBands({{Text(HalfFullHeading), 0, StatColumns - 1}});
    half.ScoresHeading = new TColumnBands(half.Scores, parent);
    half.ScoresHeading->SetBands({{Text(ScoresHeading), 0, StatColumns - 1}});
    return half;
}

void TStatFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TStatFrm::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

void TStatFrm::FormShow()
{
    ShowSeason(Chosen, std::nullopt);
    ShowSeason(Older, std::nullopt);
    ShowingErrors([this] {
        TTavrolinDM &dm = TavrolinDM();
        for (TTable *table :
             {&dm.Diorganvseis, &dm.Agvnes, &dm.POmades, &dm.Krath, &dm.Kathgories, &dm.Periodos})
            tav::data::OpenIfClosed(*table);
        Chooser->FillAllSeasons();
        Chooser->FillAllCategories();
        // The seasons follow the remembered category, as after a pick of it.
        Chooser->DiorgComboChange();
    });
}

void TStatFrm::FormClose()
{
    ShowingErrors([this] { Chooser->ChooseShown(); });
}

void TStatFrm::BitBtn1Click()
{
    ShowStatistics();
}

void TStatFrm::dxfPictureButton1Click()
{
    done(mrOk);
}

void TStatFrm::ShowStatistics()
{
    const QString category = DiorgCombo->currentText().trimmed();
    const QString season = PeriodCombo->currentText().trimmed();
    if (category.isEmpty() || season.isEmpty())
        return;
    TWaitCursor wait;
    ShowingErrors([&] {
        QStringList seasons;
        for (int i = 0; i < PeriodCombo->count(); ++i)
            seasons.append(PeriodCombo->itemText(i));
        const TCompetitionStatistics statistics = tav::analysis::ShowStatistics(
            TavrolinDM(), DiorgCombo->currentText(), PeriodCombo->currentText(), seasons);
        ShowSeason(Chosen, statistics.Chosen);
        ShowSeason(Older, statistics.Older);
        if (!statistics.Chosen) {
            wait.Restore();
            MessageDlg(Text(tav::shared::NoCompetitionWarning), mtWarning, {mbOK});
        }
    });
}

void TStatFrm::ShowSeason(THalf &half, const std::optional<TSeasonHalf> &season)
{
    if (!season) {
        for (QLabel *label : {half.Season, half.Played, half.FullTime, half.HalfTime})
            label->clear();
        for (TStringGrid *grid : {half.HalfFull, half.Scores}) {
            grid->SetRowCount(0);
            grid->SetRowCount(1);
        }
        return;
    }
    const TSeasonStatistics &statistics = season->Statistics;
    half.Season->setText(Text(SeasonTitle) + season->Season);
    half.Played->setText(QString::number(statistics.Played));
    half.FullTime->setText(statistics.FullTimeSummary);
    half.HalfTime->setText(statistics.HalfTimeSummary);
    WriteGrid(*half.HalfFull, statistics.HalfFullTable);
    WriteGrid(*half.Scores, statistics.ScoreTable);
}

void TStatFrm::SGrd1DrawCell(TStringGrid *grid, int col, int row, const TRect &rect, TCanvas &canvas)
{
    const QString text = grid->Cells(col, row);
    // The labels of the outcomes are bold, their counts plain.
    canvas.Font.Style = col % 2 == 0 ? TFontStyles{fsBold} : TFontStyles{};
    canvas.FillRect(rect);
    canvas.TextOut(rect.Left + rect.Width() / 2 - canvas.TextWidth(text) / 2 - 2, rect.Top + 2, text);
}

TStatFrm *StatFrm()
{
    // Destroyed only by a test's reset: the window lives to the end of the program.
    static TStatFrm *form = nullptr;
    return LongLived(form, [] { return new TStatFrm; });
}
