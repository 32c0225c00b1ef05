#include "coupons/ui/prn_kup_frm.h"

#include "coupons/kup_file.h"
#include "coupons/ui/kup_grid_print.h"
#include "coupons/ui/list_deltia_frm.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/string_grid.h"

#include <QDateTime>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <array>

using namespace tav::coupons;

namespace {

const char *const kCaption = "ΕΚΤΥΠΩΣΗ KΟYΠΟΝΙΟΥ ΟΠΑΠ";
const char *const kChosenCaption = "ΕΚΤΥΠΩΣΗ KΟYΠΟΝΙΟΥ ";
const char *const kLoadedCaption = "EΚΤΥΠΩΣΗ ΚΟΥΠΟΝΙΟΥ ";
const char *const kKup = "KOYΠΟΝΙ ΟΠΑΠ";
const char *const kPrint = "&ΕΚΤΥΠΩΣΗ";
const char *const kBack = "&ΕΠΙΣΤΡΟΦΗ";

struct TPrnColumn
{
    const char *title;
    int width;
};

const std::array<TPrnColumn, 12> kColumns{{
    {"ΚΩΔ.", 35},
    {"ΔΙΟΡ", 35},
    {"Η/Μ", 65},
    {"ΩΡΑ", 60},
    {"ΓΗΠΕΔΟΥΧΟΣ", 120},
    {"ΦΙΛΟΞΕΝΟΥΜΕΝΗ", 120},
    {"ΑΠ 1", 35},
    {"ΑΠ Χ", 35},
    {"ΑΠ 2", 35},
    {"ΣΚΟΡ", 40},
    {"ΣΗΜΕΙΟ", 44},
    {"Α/Α", 40},
}};

constexpr int kDateColumn = 2;
constexpr int kNumberColumn = 11;
constexpr int kButtonHeight = 29;

// A blank cell takes the nearest cell above that is not blank.
QString FilledDown(const TStringGrid &grid, int col, int row, const QString &text)
{
    if (!text.trimmed().isEmpty())
        return text;
    for (int above = row - 1; above >= 1; --above) {
        if (!grid.Cells(col, above).trimmed().isEmpty())
            return grid.Cells(col, above);
    }
    return {};
}

QString OddsText(const QString &text)
{
    return text.trimmed().isEmpty() ? QStringLiteral("1") : text;
}

} // namespace

TPrnKupFrm::TPrnKupFrm(QWidget *parent)
    : QDialog(parent), BitBtn1(new QPushButton(QString::fromUtf8(kKup), this)), SGrd(new TStringGrid(this)),
      BtnPrint(new QPushButton(QString::fromUtf8(kPrint), this)),
      BitBtn3(new QPushButton(QString::fromUtf8(kBack), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowState(Qt::WindowMaximized);
    resize(900, 600);
    SGrd->SetColCount(int(kColumns.size()));
    SGrd->SetFixedCols(0);
    SGrd->SetFixedRows(1);
    SGrd->SetRowCount(2);
    SGrd->SetDefaultRowHeight(19);
    SGrd->SetOptions({goVertLine, goHorzLine});
    SGrd->OnSelectCell = [this](int col, int row) { return SGrdSelectCell(col, row); };
    connect(BitBtn1, &QPushButton::clicked, this, &TPrnKupFrm::BitBtn1Click);
    connect(BtnPrint, &QPushButton::clicked, this, &TPrnKupFrm::BtnPrintClick);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
    FormResize();
}

void TPrnKupFrm::FormShow()
{
    for (int col = 0; col < SGrd->ColCount(); ++col) {
        SGrd->SetCell(col, 1, QString());
        SGrd->SetCell(col, 0, QString::fromUtf8(kColumns[col].title));
        SGrd->SetColWidth(col, kColumns[col].width);
    }
}

void TPrnKupFrm::FormResize()
{
    const int gridHeight = std::max(0, height() - kButtonHeight - 32);
    BitBtn1->setGeometry(8, 4, 130, kButtonHeight);
    SGrd->setGeometry(0, kButtonHeight + 8, width(), gridHeight);
    const int buttonsTop = std::min(height() - kButtonHeight - 2, kButtonHeight + 8 + gridHeight);
    BtnPrint->setGeometry(8, buttonsTop, 130, kButtonHeight);
    BitBtn3->setGeometry(148, buttonsTop, 130, kButtonHeight);
}

void TPrnKupFrm::BitBtn1Click()
{
    TListDeltiaFrm &picker = *ListDeltiaFrm();
    if (RunModal(picker) != mrOk)
        return;
    LoadKupGrid(picker.KupFilePath);
    SortGridRowsByText(*SGrd, 1, SGrd->RowCount() - 1, kDateColumn);
    setWindowTitle(QString::fromUtf8(kChosenCaption) + picker.SelectedLine());
}

void TPrnKupFrm::LoadKupGrid(const QString &path)
{
    QDateTime from;
    QDateTime to;
    int tag = 0;
    ReadKupDateRange(path, from, to, tag);
    const QString dayFormat = QStringLiteral("dddd d mmmm yyyy");
    setWindowTitle(QString::fromUtf8(kLoadedCaption) + FormatDateTime(dayFormat, from) + '-' +
                   FormatDateTime(dayFormat, to));
    SGrd->SetRowCount(2);
    for (int col = 0; col < SGrd->ColCount(); ++col)
        SGrd->SetCell(col, 1, QString());
    const TKupReadResult read = ReadKupRecords(path);
    int row = 0;
    for (const TKupRecord &record : read.records) {
        const TKupRow &values = record.Row;
        ++row;
        SGrd->SetRowCount(row + 1);
        SGrd->SetCell(0, row, values.Code);
        SGrd->SetCell(3, row, FilledDown(*SGrd, 3, row, values.TimeText));
        SGrd->SetCell(1, row, FilledDown(*SGrd, 1, row, values.Diorg));
        SGrd->SetCell(kDateColumn, row, FormatDateTime(QStringLiteral("dd/mm/yyyy"), values.MatchDate));
        SGrd->SetCell(4, row, values.Home);
        SGrd->SetCell(5, row, values.Away);
        SGrd->SetCell(6, row, OddsText(values.Odd1));
        SGrd->SetCell(7, row, OddsText(values.OddX));
        SGrd->SetCell(8, row, OddsText(values.Odd2));
        SGrd->SetCell(9, row, values.Score);
        SGrd->SetCell(10, row, values.Sign);
        SGrd->SetCell(kNumberColumn, row, IntToStr(row));
    }
    if (read.failed)
        ShowMessage(KupReadErrorText(path));
}

void TPrnKupFrm::BtnPrintClick()
{
    TKupGridPrint print;
    print.Caption = windowTitle();
    print.Columns = kNumberColumn;
    print.Window = this;
    PrintKupGridAsked(*SGrd, print, PrintState);
}

bool TPrnKupFrm::SGrdSelectCell(int col, int row) const
{
    return col == 1 && row == 1;
}

void TPrnKupFrm::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TPrnKupFrm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

TPrnKupFrm *PrnKupFrm()
{
    static QPointer<TPrnKupFrm> form;
    return LongLived(form, [] { return new TPrnKupFrm; });
}
