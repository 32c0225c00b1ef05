#include "coupons/ui/make_user_kup_frm.h"

#include "controls/styled/sty_design.h"
#include "controls/styled/sty_group_box.h"
#include "coupons/kup_file.h"
#include "coupons/ui/check_column.h"
#include "data/data_module.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/ui/string_grid.h"
#include "platform/ui/wait_cursor.h"
#include "shared/dialog_parts.h"

#include <QDateEdit>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <array>

using namespace tav::coupons;

namespace {

const char *const kCaption = "Κουπόνια Χρήστη";
const char *const kGroupCaption = "Π Α Ρ Α Μ Ε Τ Ρ Ο Ι";
const char *const kSeasons = "Χρονικές Περίοδοι";
const char *const kCategories = "Διοργανώσεις";
const char *const kFrom = "Από";
const char *const kTo = "Έως";
const char *const kMake = "&ΔΗΜΙΟΥΡΓΙΑ";
const char *const kBack = "Ε&ΠΙΣΤΡΟΦΗ";
const char *const kSave = "&ΑΠΟΘΗΚΕΥΣΗ";
const char *const kSaveCaption = "ΑΠΟΘΗΚΕΥΣΗ";
const char *const kNumberPrompt = "ΔΩΣΤΕ ΑΡΙΘΜΟ ΓΙΑ ΤΟ ΚΟΥΠΟΝΙ";
const char *const kSeasonsSql = "Select Periodos from Periodos order by Periodos.Periodos desc";
const char *const kCategoriesSql = "Select GrName from Kathgories order by Kathgories.GrName";
constexpr int kCheckedSeasons = 2;

struct TColumn
{
    const char *title;
    int width;
};
const std::array<TColumn, ukColumnCount> kColumns{{{"", 20},
                                                   {"ΚΩΔ OΠΑΠ", 30},
                                                   {"ΗΜ/ΝΙΑ", 67},
                                                   {"ΩΡΑ", 37},
                                                   {"ΔΙΟΡ", 75},
                                                   {"ΓΗΠΕΔΟΥΧΟΣ", 110},
                                                   {"ΦΙΛΟΞΕΝΟΥΜΕΝΗ", 110},
                                                   {"ΣΚΟΡ", 35},
                                                   {"ΣΗΜ", 25},
                                                   {"AΠ1", 30},
                                                   {"ΑΠΧ", 30},
                                                   {"ΑΠ2", 30}}};

// The first and last day offered for today: the coming weekend's matches.
struct TRangeOffsets
{
    int from;
    int to;
};
// Indexed by QDate::dayOfWeek() - 1, Monday first.
const std::array<TRangeOffsets, 7> kRanges{{{-3, 0}, {0, 2}, {-1, 1}, {-2, 0}, {0, 3}, {-1, 2}, {-2, 1}}};

QStringList CheckedTexts(const QListWidget &list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i)->checkState() == Qt::Checked)
            texts.append(list.item(i)->text());
    }
    return texts;
}

void FillCheckList(QListWidget &list, const QStringList &texts, int checked)
{
    list.clear();
    for (int i = 0; i < texts.size(); ++i) {
        auto *item = new QListWidgetItem(texts[i], &list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(i < checked ? Qt::Checked : Qt::Unchecked);
    }
}

} // namespace

TMakeUserKupFrm::TMakeUserKupFrm(QWidget *parent)
    : QDialog(parent), Today([] { return QDate::currentDate(); }), StyGroupBox1(new TStyGroupBox(this)),
      Label1(new QLabel(QString::fromUtf8(kSeasons), StyGroupBox1)),
      PeriodCombo(new QListWidget(StyGroupBox1)),
      Label2(new QLabel(QString::fromUtf8(kCategories), StyGroupBox1)),
      DiorgListBox(new QListWidget(StyGroupBox1)), Label3(new QLabel(QString::fromUtf8(kFrom), StyGroupBox1)),
      DateFrom(new QDateEdit(StyGroupBox1)), Label4(new QLabel(QString::fromUtf8(kTo), StyGroupBox1)),
      DateTo(new QDateEdit(StyGroupBox1)), BBtnMake(new QPushButton(QString::fromUtf8(kMake), StyGroupBox1)),
      BtnBack(new QPushButton(QString::fromUtf8(kBack), StyGroupBox1)), SGrd(new TStringGrid(this)),
      Panel1(new QWidget(this)), BBtnSave(new QPushButton(QString::fromUtf8(kSave), Panel1))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    resize(760, 560);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(13);
    StyGroupBox1->setFont(arial);
    tav::styled::ReadDesign(*StyGroupBox1, {{{"Bevel.Mode", "bmStandard"},
                                             {"Bevel.StandardStyle", "lsFrameInset"},
                                             {"Caption", QString::fromUtf8(kGroupCaption)},
                                             {"CaptionFont", arial},
                                             {"CaptionFont3D.LightDepth", 2},
                                             {"CaptionFont3D.Style", "tdRaised"},
                                             {"CaptionParentFont", false}}});
    auto *params = new QGridLayout(StyGroupBox1);
    params->setContentsMargins(10, 24, 10, 10);
    params->addWidget(Label1, 0, 0);
    params->addWidget(PeriodCombo, 1, 0, 4, 1);
    params->addWidget(Label2, 0, 1);
    params->addWidget(DiorgListBox, 1, 1, 4, 1);
    params->addWidget(Label3, 0, 2);
    params->addWidget(DateFrom, 1, 2);
    params->addWidget(Label4, 2, 2);
    params->addWidget(DateTo, 3, 2);
    params->addWidget(BBtnMake, 0, 3);
    params->addWidget(BtnBack, 1, 3);
    PeriodCombo->setFixedHeight(110);
    DiorgListBox->setFixedHeight(110);
    for (QDateEdit *date : {DateFrom, DateTo}) {
        date->setCalendarPopup(true);
        date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    }

    SGrd->SetColCount(ukColumnCount);
    SGrd->SetFixedCols(0);
    SGrd->SetFixedRows(1);
    SGrd->SetDefaultRowHeight(19);
    SGrd->SetOptions({goVertLine, goHorzLine, goEditing});
    SGrd->OnSelectCell = [this](int col, int row) { return SGrdSelectCell(col, row); };
    SGrd->OnDrawCell = [this](int col, int row, const TRect &rect, TGridDrawState, TCanvas &canvas) {
        if (col == ukCheck && row >= SGrd->FixedRows()) {
            canvas.FillRect(rect);
            DrawCheckCell(canvas, rect, SGrd->Cells(col, row));
        }
    };
    SGrd->viewport()->installEventFilter(this);

    auto *panel = new QHBoxLayout(Panel1);
    panel->addStretch();
    panel->addWidget(BBtnSave);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(StyGroupBox1);
    layout->addWidget(SGrd, 1);
    layout->addWidget(Panel1);

    connect(BBtnMake, &QPushButton::clicked, this, &TMakeUserKupFrm::BBtnMakeClick);
    connect(BtnBack, &QPushButton::clicked, this, [this] { done(mrCancel); });
    connect(BBtnSave, &QPushButton::clicked, this, &TMakeUserKupFrm::BBtnSaveClick);
}

void TMakeUserKupFrm::FormShow()
{
    TTavrolinDM &dm = TavrolinDM();
    if (!dm.Diorganvseis.Active())
        dm.Diorganvseis.Open();
    const QDate today = Today();
    const TRangeOffsets range = kRanges[today.dayOfWeek() - 1];
    DateFrom->setDate(today.addDays(range.from));
    DateTo->setDate(today.addDays(range.to));
    FillCheckList(*PeriodCombo, tav::shared::ListTexts({QString::fromUtf8(kSeasonsSql)}), kCheckedSeasons);
    FillCheckList(*DiorgListBox, tav::shared::ListTexts({QString::fromUtf8(kCategoriesSql)}), 0);
    if (DiorgListBox->count() > 0)
        DiorgListBox->setCurrentRow(0);
    for (int col = 0; col < ukColumnCount; ++col) {
        SGrd->SetCell(col, 0, QString::fromUtf8(kColumns[col].title));
        SGrd->SetColWidth(col, kColumns[col].width);
    }
    ClearGrid();
}

void TMakeUserKupFrm::ClearGrid()
{
    SetGridRows({});
    SGrd->SetRowCount(2);
    for (int col = 0; col < ukColumnCount; ++col)
        SGrd->SetCell(col, 1, QString());
}

void TMakeUserKupFrm::BBtnMakeClick()
{
    TTavrolinDM &dm = TavrolinDM();
    const QString filter = BuildDiorgFilter(dm, CheckedTexts(*DiorgListBox), CheckedTexts(*PeriodCombo));
    SetGridRows(FillUserKupGrid(dm, DateFrom->date(), DateTo->date(), filter));
}

void TMakeUserKupFrm::BBtnSaveClick()
{
    const QList<TUserKupRow> rows = GridRows();
    const QString problem = CheckUserKupRows(rows);
    if (!problem.isEmpty()) {
        ShowMessage(problem);
        return;
    }
    const QString number =
        InputBox(QString::fromUtf8(kSaveCaption), QString::fromUtf8(kNumberPrompt), QString());
    int kupTag = 0;
    if (!TryStrToInt(number, kupTag))
        return;
    WriteUserKup(kupTag, KupFileName(number, DateFrom->date(), DateTo->date()), DateFrom->date(),
                 DateTo->date(), UserKupFileRows(rows));
    // The matches take the codes and odds even when an older coupon of that name was kept.
    UpdateMatchesFromUserKup(TavrolinDM(), rows);
}

void TMakeUserKupFrm::SGrdMouseUp(Qt::MouseButton button, int x, int y)
{
    if (button != Qt::LeftButton)
        return;
    int col = -1;
    int row = -1;
    SGrd->MouseToCell(x, y, col, row);
    if (col < 0 || row < 0)
        return;
    if (row == 0 && col == ukCheck) {
        for (int r = 1; r < SGrd->RowCount(); ++r)
            SGrd->SetCell(ukCheck, r, CheckText(!IsChecked(SGrd->Cells(ukCheck, r))));
    } else if (row == 0) {
        SortUserKupGrid(col);
    } else if (col == ukCheck && row - 1 < gameNos_.size()) {
        SGrd->SetCell(ukCheck, row, CheckText(!IsChecked(SGrd->Cells(ukCheck, row))));
    }
    SGrd->viewport()->update();
}

bool TMakeUserKupFrm::SGrdSelectCell(int col, int)
{
    return col >= ukCode && col < ukColumnCount;
}

void TMakeUserKupFrm::SortUserKupGrid(int column)
{
    TWaitCursor wait;
    QList<TUserKupRow> rows = GridRows();
    tav::coupons::SortUserKupGrid(rows, column);
    SetGridRows(rows);
}

QList<TUserKupRow> TMakeUserKupFrm::GridRows() const
{
    QList<TUserKupRow> rows;
    for (int i = 0; i < gameNos_.size(); ++i) {
        TUserKupRow row;
        row.gameNo = gameNos_[i];
        for (int col = 0; col < ukColumnCount; ++col)
            row.cells.append(SGrd->Cells(col, i + 1));
        rows.append(row);
    }
    return rows;
}

void TMakeUserKupFrm::SetGridRows(const QList<TUserKupRow> &rows)
{
    gameNos_.clear();
    SGrd->SetRowCount(1 + int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        gameNos_.append(rows[i].gameNo);
        for (int col = 0; col < ukColumnCount; ++col)
            SGrd->SetCell(col, i + 1, rows[i].cells.value(col));
    }
    if (!rows.isEmpty())
        SGrd->SetRow(1);
}

void TMakeUserKupFrm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

bool TMakeUserKupFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SGrd->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        SGrdMouseUp(mouse->button(), mouse->position().toPoint().x(), mouse->position().toPoint().y());
    }
    return QDialog::eventFilter(watched, event);
}

TMakeUserKupFrm *MakeUserKupFrm()
{
    static TMakeUserKupFrm *form = nullptr;
    return LongLived(form, [] { return new TMakeUserKupFrm; });
}
