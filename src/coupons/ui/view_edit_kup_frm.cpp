#include "coupons/ui/view_edit_kup_frm.h"

#include "coupons/kup_file.h"
#include "coupons/ui/kup_grid_print.h"
#include "coupons/ui/list_deltia_frm.h"
#include "coupons/ui/view_edit_opt_dlg.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/core/rounding.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/string_grid.h"

#include <QComboBox>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTime>

#include <algorithm>
#include <array>

using namespace tav::coupons;

namespace {

const char *const kCaption = "ΕΜΦΑΝΙΣΗ-ΑΛΛΑΓΕΣ KΟYΠΟΝΙΟΥ";
const char *const kKup = "KOYΠΟΝΙ ΟΠΑΠ";
const char *const kPrint = "&ΕΚΤΥΠΩΣΗ";
const char *const kBack = "&ΕΠΙΣΤΡΟΦΗ";
const char *const kSave = "ΑΠΟΘΗΚΕΥΣΗ";

struct TViewColumn
{
    const char *title;
    int width;
};

const std::array<TViewColumn, 20> kColumns{{
    {"ΚΩΔ.", 30},           {"ΔΙΟΡ", 30},   {"Η/Μ", 60},  {"ΩΡΑ", 30},  {"ΓΗΠΕΔΟΥΧΟΣ", 120},
    {"ΦΙΛΟΞΕΝΟΥΜΕΝΗ", 120}, {"ΑΠ 1", 30},   {"ΑΠ X", 30}, {"ΑΠ 2", 30}, {"ΔΕ(1X)", 35},
    {"ΔΕ(12)", 35},         {"ΔΕ(X2)", 35}, {"Η/Τ", 30},  {"Α/Σ", 30},  {"ΣΚΟΡ", 30},
    {"ΣΗΜΕΙΟ", 25},         {"Ε/Ε", 20},    {"ΠΓ", 30},   {"ΠΦ", 30},   {"A/A", 30},
}};

enum TViewCol
{
    cCode,
    cDiorg,
    cDate,
    cTime,
    cHome,
    cAway,
    cOdd1,
    cOddX,
    cOdd2,
    cDE1X,
    cDE12,
    cDEX2,
    cHT,
    cAS,
    cScore,
    cSign,
    cEE,
    cPG,
    cPF,
    cNumber,
};

constexpr int kPanelHeight = 41;

// The nearest cell above that is not blank; blank when there is none.
QString FilledDown(const TStringGrid &grid, int col, int row)
{
    for (int above = row - 1; above >= 1; --above) {
        if (!grid.Cells(col, above).trimmed().isEmpty())
            return grid.Cells(col, above);
    }
    return {};
}

QString ShiftedTime(const QString &text, double hours)
{
    const QTime time = StrToTime(text.trimmed());
    return time.addSecs(int(Round(hours * 3600.0))).toString(QStringLiteral("hh:mm"));
}

// Odds written with a comma or a point; blank odds show as "1".
QString ShiftedOdds(const QString &text, double shift)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("1");
    return FloatToStr(StrToFloat(text.trimmed()) + shift);
}

} // namespace

TViewEditKupFrm::TViewEditKupFrm(QWidget *parent)
    : QDialog(parent), Panel1(new QWidget(this)), BtnKup(new QPushButton(QString::fromUtf8(kKup), Panel1)),
      BtnPrint(new QPushButton(QString::fromUtf8(kPrint), Panel1)),
      BtnBack(new QPushButton(QString::fromUtf8(kBack), Panel1)),
      BtnSave(new QPushButton(QString::fromUtf8(kSave), Panel1)), SGrd(new TStringGrid(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowState(Qt::WindowMaximized);
    resize(1000, 600);
    Panel1->setGeometry(0, 0, width(), kPanelHeight);
    int x = 8;
    for (QPushButton *button : {BtnKup, BtnPrint, BtnBack, BtnSave}) {
        button->setGeometry(x, 6, 130, 29);
        x += 140;
    }
    SGrd->SetColCount(int(kColumns.size()));
    SGrd->SetFixedCols(0);
    SGrd->SetFixedRows(1);
    SGrd->SetRowCount(2);
    SGrd->SetDefaultRowHeight(19);
    SGrd->SetOptions({goVertLine, goHorzLine, goEditing, goTabs});
    SGrd->OnSelectCell = [this](int col, int row) { return SGrdSelectCell(col, row); };
    SGrd->OnKeyPress = [this](QChar &key) { SGrdKeyPress(key); };
    connect(BtnKup, &QPushButton::clicked, this, &TViewEditKupFrm::BtnKupClick);
    connect(BtnPrint, &QPushButton::clicked, this, &TViewEditKupFrm::BtnPrintClick);
    connect(BtnBack, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnSave, &QPushButton::clicked, this, &TViewEditKupFrm::BtnSaveClick);
    FormResize();
}

void TViewEditKupFrm::FormShow()
{
    for (int col = 0; col < SGrd->ColCount(); ++col) {
        SGrd->SetCell(col, 1, QString());
        SGrd->SetCell(col, 0, QString::fromUtf8(kColumns[col].title));
        SGrd->SetColWidth(col, kColumns[col].width);
    }
    TViewEditOptDlg &options = *ViewEditOptDlg();
    options.TimeShiftMin = 0.0;
    options.TimeShiftMax = 0.0;
    options.OddsShiftMin = 0.0;
    options.OddsShiftMax = 0.0;
}

void TViewEditKupFrm::FormResize()
{
    Panel1->setGeometry(0, 0, width(), kPanelHeight);
    SGrd->setGeometry(0, kPanelHeight, width(), std::max(0, height() - kPanelHeight - 32));
}

void TViewEditKupFrm::BtnKupClick()
{
    TListDeltiaFrm &picker = *ListDeltiaFrm();
    if (RunModal(picker) != mrOk)
        return;
    TViewEditOptDlg &options = *ViewEditOptDlg();
    if (RunModal(options) == mrOk) {
        options.TimeShift = StrToFloat(options.CmbTime->currentText());
        options.OddsShift = StrToFloat(options.CmbAp->currentText());
    } else {
        options.TimeShift = 0.0;
        options.OddsShift = 0.0;
    }
    KupFile = picker.KupFilePath;
    LoadKupGrid(KupFile);
    setWindowTitle(QString::fromUtf8(kCaption) + ' ' + picker.SelectedLine());
}

void TViewEditKupFrm::LoadKupGrid(const QString &path)
{
    ReadKupDateRange(path, DateFrom, DateTo, KupTag);
    const QString dayFormat = QStringLiteral("dddd d mmmm yyyy");
    setWindowTitle(QString::fromUtf8(kCaption) + ' ' + FormatDateTime(dayFormat, DateFrom) + '-' +
                   FormatDateTime(dayFormat, DateTo));
    SGrd->SetRowCount(2);
    for (int col = 0; col < SGrd->ColCount(); ++col)
        SGrd->SetCell(col, 1, QString());
    const TKupReadResult read = ReadKupRecords(path);
    const TViewEditOptDlg &options = *ViewEditOptDlg();
    try {
        int row = 0;
        for (const TKupRecord &record : read.records) {
            const TKupRow &values = record.Row;
            ++row;
            SGrd->SetRowCount(row + 1);
            SGrd->SetCell(cNumber, row, IntToStr(row));
            SGrd->SetCell(cTime, row,
                          values.TimeText.trimmed().isEmpty()
                              ? FilledDown(*SGrd, cTime, row)
                              : ShiftedTime(values.TimeText, options.TimeShift));
            SGrd->SetCell(cDiorg, row,
                          values.Diorg.trimmed().isEmpty() ? FilledDown(*SGrd, cDiorg, row) : values.Diorg);
            SGrd->SetCell(cCode, row, values.Code);
            SGrd->SetCell(cDate, row, FormatDateTime(QStringLiteral("dd/mm/yyyy"), values.MatchDate));
            SGrd->SetCell(cHome, row, values.Home.toUpper());
            SGrd->SetCell(cAway, row, values.Away.toUpper());
            SGrd->SetCell(cOdd1, row, ShiftedOdds(values.Odd1, options.OddsShift));
            SGrd->SetCell(cOddX, row, ShiftedOdds(values.OddX, options.OddsShift));
            SGrd->SetCell(cOdd2, row, ShiftedOdds(values.Odd2, options.OddsShift));
            // The program's decimal mark is the comma, so the double-chance odds show as stored.
            SGrd->SetCell(cDE1X, row, values.DE1X);
            SGrd->SetCell(cDE12, row, values.DE12);
            SGrd->SetCell(cDEX2, row, values.DEX2);
            SGrd->SetCell(cHT, row, values.HT);
            SGrd->SetCell(cAS, row, values.AS);
            SGrd->SetCell(cScore, row, values.Score);
            SGrd->SetCell(cSign, row, values.Sign);
            SGrd->SetCell(cEE, row, values.EE);
            SGrd->SetCell(cPG, row, values.PG);
            SGrd->SetCell(cPF, row, values.PF);
        }
    } catch (const EConvertError &) {
        ShowMessage(KupReadErrorText(path));
        return;
    }
    if (read.failed)
        ShowMessage(KupReadErrorText(path));
}

void TViewEditKupFrm::BtnSaveClick()
{
    if (QFile::exists(KupFile) && !ConfirmKupOverwrite())
        return;
    QList<TKupGridRow> rows;
    try {
        for (int row = 1; row < SGrd->RowCount(); ++row) {
            if (SGrd->Cells(cNumber, row).isEmpty())
                continue;
            TKupGridRow line;
            line.record = StrToInt(SGrd->Cells(cNumber, row)) - 1;
            TKupRow &values = line.values;
            values.Code = SGrd->Cells(cCode, row);
            values.Diorg = SGrd->Cells(cDiorg, row);
            values.MatchDate = StrToDate(SGrd->Cells(cDate, row));
            values.TimeText = SGrd->Cells(cTime, row);
            values.Home = SGrd->Cells(cHome, row);
            values.Away = SGrd->Cells(cAway, row);
            values.Odd1 = SGrd->Cells(cOdd1, row);
            values.OddX = SGrd->Cells(cOddX, row);
            values.Odd2 = SGrd->Cells(cOdd2, row);
            values.DE1X = SGrd->Cells(cDE1X, row);
            values.DE12 = SGrd->Cells(cDE12, row);
            values.DEX2 = SGrd->Cells(cDEX2, row);
            values.HT = SGrd->Cells(cHT, row);
            values.AS = SGrd->Cells(cAS, row);
            values.Score = SGrd->Cells(cScore, row);
            values.Sign = SGrd->Cells(cSign, row);
            values.EE = SGrd->Cells(cEE, row);
            values.PG = SGrd->Cells(cPG, row);
            values.PF = SGrd->Cells(cPF, row);
            rows.append(line);
        }
    } catch (const EConvertError &) {
        ShowMessage(KupSaveErrorText());
        return;
    }
    SaveKupGrid(KupFile, rows);
}

void TViewEditKupFrm::BtnPrintClick()
{
    TKupGridPrint print;
    print.Caption = windowTitle();
    print.Columns = cNumber;
    print.Layout = glRuledCells;
    print.Window = this;
    PrintKupGridAsked(*SGrd, print, PrintState);
}

bool TViewEditKupFrm::SGrdSelectCell(int col, int row) const
{
    return row >= 1 && col >= cDiorg && col <= cPF;
}

void TViewEditKupFrm::SGrdKeyPress(QChar &key) const
{
    const bool control = key == u'\b' || key == u'\t' || key == u'\r';
    const int col = SGrd->Col();
    if (col >= cOdd1 && col <= cDEX2) {
        if (!key.isDigit() && !control && key != GreekFormatSettings().DecimalSeparator)
            key = QChar();
    } else if (col == cSign) {
        if (!control && key != u'1' && key != u'2' && key != u'X')
            key = QChar();
    } else if (col == cEE) {
        if (!control && key != u'1' && key != u'2' && key != u'3')
            key = QChar();
    }
}

void TViewEditKupFrm::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TViewEditKupFrm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

TViewEditKupFrm *ViewEditKupFrm()
{
    static QPointer<TViewEditKupFrm> form;
    return LongLived(form, [] { return new TViewEditKupFrm; });
}
