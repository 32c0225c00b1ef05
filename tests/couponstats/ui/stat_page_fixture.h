#pragma once

// What the tests of the statistics pages set up alike: rows, stand-in engines and column sets,
// coupon and proposal files, and the answers to the dialogs the pages open.

#include "coupons/kup_file.h"
#include "coupons/kup_test_files.h"
#include "coupons/proposal_file.h"
#include "couponstats/page_engine.h"
#include "couponstats/page_rows.h"
#include "couponstats/proposal_rule.h"
#include "couponstats/ui/kupstat_first_page.h"
#include "couponstats/ui/prn_options_frm.h"
#include "couponstats/ui/scor_options_frm.h"
#include "couponstats/ui/stat_options_forma_b_frm.h"
#include "couponstats/ui/stat_options_frm.h"
#include "platform/core/codepage.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"
#include "platform/core/registry.h"
#include "platform/ui/printer.h"
#include "platform/ui/string_grid.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

inline QByteArray Cp1253(const QString &text)
{
    return ToCodePage(text, CodePage::Windows1253);
}

// The cells of a column of a page's rows, top to bottom.
template <class Page> QStringList Column(const Page &page, int col)
{
    QStringList cells;
    for (const QStringList &row : page.Rows())
        cells.append(row[col]);
    return cells;
}

// Clicks the cell as the user does; row 0 is the title row.
inline void ClickCell(TStringGrid &grid, int col, int row)
{
    const TRect cell = grid.CellRect(col, row);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(cell.Left + 3, cell.Top + 3));
}

// The columns whose cell of the row can become current.
inline QList<int> SelectableColumns(TStringGrid &grid, int row)
{
    QList<int> selectable;
    for (int col = 0; col < grid.ColCount(); ++col) {
        if (grid.CanSelect(col, row))
            selectable.append(col);
    }
    return selectable;
}

// A ticked first-page row of the match with the code on the day: teams "A" and "B" with the code,
// every odd 2,00, and the running number.
inline QStringList FirstPageRow(const tav::couponstats::TPageColumnSet &columns, int code,
                                const QString &diorg, const QString &day, int number)
{
    QStringList row = tav::couponstats::BlankRow(columns);
    row[0] = "1";
    row[1] = QString::number(code);
    row[2] = diorg;
    row[3] = day;
    row[5] = "A" + row[1];
    row[6] = "B" + row[1];
    row[7] = row[8] = row[9] = "2,00";
    row[11] = QString::number(number);
    return row;
}

// A ticked page row of a competition the program does not hold, with its difference and proposal.
inline QStringList PageRowOf(const tav::couponstats::TPageColumnSet &columns, int code, const QString &day,
                             int number, const QString &difference, const QString &proposal)
{
    QStringList row = tav::couponstats::BlankRow(columns);
    row[0] = "1";
    row[1] = QString::number(code);
    row[2] = "C" + row[1];
    row[3] = day;
    row[11] = QString::number(number);
    row[columns.differenceColumn] = difference;
    row[columns.proposalColumn] = proposal;
    return row;
}

// The first page made ready as loading the coupon leaves it.
template <class Page>
Page &FirstPageOf(Page &page, const QString &coupon, const tav::couponstats::TPageRows &rows)
{
    page.InitGrid();
    page.KupFileName = coupon;
    page.SetRows(rows);
    return page;
}

// A stand-in column set: the columns titled with the prefix and their position, 30 wide, every
// one carried to the next page, sorted by absolute value and printed from column 1 at a tenth of
// an inch a pixel.
inline tav::couponstats::TPageColumnSet CarriedColumnSet(const QString &prefix, int count)
{
    tav::couponstats::TPageColumnSet set;
    for (int c = 0; c < count; ++c) {
        set.columns.append({prefix + QString::number(c), 30});
        set.carriedColumns.append(c);
    }
    set.sortRule.absoluteValues = true;
    set.printFactor = 0.1;
    set.firstPrintedColumn = 1;
    return set;
}

// Hands each ticked row to the fill as the engine steps over it.
template <class Fill> void ForEachAnalysedRow(tav::couponstats::TPageRun &run, Fill fill)
{
    for (qsizetype r = 0; r < run.rows.size(); ++r) {
        if (run.checks[r] != 1 || !run.step())
            continue;
        fill(run.rows[r]);
    }
}

// The statistic of the tests: the home value is the row's code, the away value 2, the difference
// and the proposal as an engine writes them.
inline void CodeLessTwo(tav::couponstats::TPageRun &run, int home, int away, int difference, int proposal)
{
    ForEachAnalysedRow(run, [&](QStringList &row) {
        const int code = row[1].toInt();
        row[home] = QString::number(code);
        row[away] = "2";
        row[difference] = QString::number(code - 2);
        row[proposal] =
            tav::couponstats::ProposalFor(code - 2, tav::couponstats::ThresholdsFromTexts(run.thresholds));
    });
}

// The same on the special analysis pages, whose statistic lies in columns 12 to 15.
inline void SpecialCodeLessTwoEngine(tav::couponstats::TPageRun &run)
{
    CodeLessTwo(run, 12, 13, 14, 15);
}

// A match of the coupon files of the tests: on 1 January 2005 at 20:00, won by the home side,
// with 1,50 and 4,00 around the X odd.
struct CouponMatch
{
    QString code;
    QString diorg;
    QString oddX;
    QString score;
    QString ht;
};

// Writes the matches as a coupon whose first record holds its first and last day (days as the
// coupon file counts them).
inline void WriteCouponFile(const QString &path, const QList<CouponMatch> &matches, double lastDay)
{
    QByteArray bytes;
    for (const CouponMatch &match : matches) {
        tav::coupons::TKupRow row =
            KupRow(match.code, QDate(2005, 1, 1), "20:00", match.diorg, "A" + match.code, "B" + match.code);
        row.Odd1 = "1,50";
        row.OddX = match.oddX;
        row.Odd2 = "4,00";
        row.Score = match.score;
        row.HT = match.ht;
        row.Sign = "1";
        bytes += KupBytes(row, bytes.isEmpty() ? 38353.0 : 0.0, bytes.isEmpty() ? lastDay : 0.0);
    }
    WriteBytes(path, bytes);
}

// A file of the coupon folder, the folder made.
inline QString CouponFile(const QString &name)
{
    QDir().mkpath(tav::coupons::KouponiaFolder());
    return JoinPath(tav::coupons::KouponiaFolder(), name);
}

// A coupon of one blank record: enough for a proposal to find its coupon.
inline void WriteBlankCoupon(const QString &name)
{
    WriteBytes(CouponFile(name), QByteArray(488, 0));
}

// A file of the proposal folder, the folder made.
inline QString ProposalFile(const QString &name)
{
    QDir().mkpath(tav::coupons::ProposalFolder());
    return JoinPath(tav::coupons::ProposalFolder(), name);
}

// Names the Drumlane folder of the program folder as the one a saved proposal is copied into
// (under Dys) and gives its path.
inline QString RegisterDrumlane()
{
    const QString drumlane = JoinPath(ProgramFolder(), "Drumlane");
    TRegIniFile(QStringLiteral("Software\\Tavrolin\\Directories"))
        .WriteString("Options", "Drumlane", drumlane);
    return drumlane;
}

// Sends the printouts of its lifetime into a PDF file of the program folder.
class PdfPrintout
{
public:
    explicit PdfPrintout(const QString &name) : path(JoinPath(ProgramFolder(), name))
    {
        Printer().SetOutputFileName(path);
    }
    ~PdfPrintout() { Printer().SetOutputFileName(QString()); }
    PdfPrintout(const PdfPrintout &) = delete;
    PdfPrintout &operator=(const PdfPrintout &) = delete;

    const QString path;
};

// Chooses the path in the file dialog, as a user typing it and pressing OK.
inline int ChooseFile(QDialog &dialog, const QString &path)
{
    dynamic_cast<QFileDialog &>(dialog).selectFile(path);
    return int(QDialog::Accepted);
}

// Picks the printout (0: the coupon's rows, 1: the proposals) and presses OK.
inline int ChoosePrintout(QDialog &dialog, int item)
{
    auto &options = dynamic_cast<TPrnOptionsfrm &>(dialog);
    options.RadioButtons->button(item)->click();
    QTest::mouseClick(options.BBtnOK, Qt::LeftButton);
    return dialog.result();
}

// Picks the statistic, N and "all matches" on the options of the special analysis and presses OK.
inline int ChooseKind(QDialog &dialog, int kind, const QString &n, bool all)
{
    auto &options = dynamic_cast<TStatOptionsFrm &>(dialog);
    options.SetItemIndex(kind);
    options.EdtParam->setText(n);
    options.ChkAll->setChecked(all);
    QTest::mouseClick(options.BBtnOK, Qt::LeftButton);
    return dialog.result();
}

// Sets N and "all matches" on the options of the points, over/under or score pages and presses OK.
inline int ChooseN(QDialog &dialog, const QString &n, bool all = false)
{
    auto &options = dynamic_cast<TStatOptionsFormaBFrm &>(dialog);
    options.EdtParam->setText(n);
    options.ChkAll->setChecked(all);
    QTest::mouseClick(options.BBtnOK, Qt::LeftButton);
    return dialog.result();
}

// Answers the options dialog with an N that is no number; any other dialog fails the test, for no
// page may be shown after it.
inline int ChooseNoNumberAndNoPage(QDialog &dialog)
{
    if (dynamic_cast<TStatOptionsFormaBFrm *>(&dialog))
        return ChooseN(dialog, "x");
    ADD_FAILURE() << "no page is shown";
    return int(mrOk);
}

// Picks the score statistic of the item, then N and "all matches".
inline int ChooseScore(QDialog &dialog, int item, const QString &n, bool all)
{
    dynamic_cast<TScorOptionsFrm &>(dialog).RadioButtons->button(item)->click();
    return ChooseN(dialog, n, all);
}
