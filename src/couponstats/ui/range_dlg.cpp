#include "couponstats/ui/range_dlg.h"

#include "couponstats/ui/key_press_filter.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"
#include "platform/ui/modal_runner.h"
#include "platform/ui/showing_errors.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace tav::couponstats;

namespace {

const char *const kFromRow = "Από γραμμή";
const char *const kToRow = "Έως γραμμή";
const char *const kOk = "&ΟΚ";
const char *const kClearCaption = "ΠΕΡΙΟΧΗ ΚΑΘΑΡΙΣΜΟΥ";
const char *const kClearAll = "Καθαρισμός Όλων των γραμμών";
const char *const kCalcCaption = "ΠΕΡΙΟΧΗ ΥΠΟΛΟΓΙΣΜΟΥ";
const char *const kCalcAll = "Υπολογισμός Όλων των γραμμών";

} // namespace

TRangeDlg::TRangeDlg(const char *caption, const char *allRows, QWidget *parent)
    : QDialog(parent), Label1(new QLabel(kFromRow, this)), Edit1(new QLineEdit(QStringLiteral("1"), this)),
      Label2(new QLabel(kToRow, this)), Edit2(new QLineEdit(QStringLiteral("10"), this)),
      ChkAll(new QCheckBox(allRows, this)), BtnOK(new QPushButton(kOk, this))
{
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    auto *form = new QGridLayout(this);
    form->addWidget(Label1, 0, 0);
    form->addWidget(Edit1, 0, 1);
    form->addWidget(Label2, 1, 0);
    form->addWidget(Edit2, 1, 1);
    form->addWidget(ChkAll, 2, 0, 1, 2);
    form->addWidget(BtnOK, 3, 1, Qt::AlignRight);
    form->setSizeConstraint(QLayout::SetFixedSize);
    for (QLineEdit *edit : {Edit1, Edit2})
        SetKeyPress(edit, [this](QChar &key) { Edit1KeyPress(key); });
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, [this] { done(mrOk); });
}

void TRangeDlg::Edit1KeyPress(QChar &key)
{
    const bool passes = key == QLatin1Char('\b') || key == QLatin1Char('\t') || key == QLatin1Char('\r') ||
                        (key >= QLatin1Char('0') && key <= QLatin1Char('9'));
    if (!passes)
        key = QChar();
}

void TRangeDlg::Prepare(int rowCount)
{
    Edit1->setText(QStringLiteral("1"));
    Edit2->setText(QString::number(rowCount));
    ChkAll->setChecked(false);
}

std::pair<int, int> TRangeDlg::Rows(int rowCount) const
{
    if (ChkAll->isChecked())
        return {1, rowCount};
    return {StrToInt(Edit1->text()), StrToInt(Edit2->text())};
}

void TRangeDlg::RunOverRows(int rowCount, const std::function<void(int fromRow, int toRow)> &command)
{
    Prepare(rowCount);
    if (RunModal(*this) == mrCancel)
        return;
    ShowingErrors([&] {
        const auto [from, to] = Rows(rowCount);
        command(from, to);
    });
}

void TRangeDlg::reject()
{
    done(mrCancel);
}

TClearRangeDlg::TClearRangeDlg(QWidget *parent) : TRangeDlg(kClearCaption, kClearAll, parent) {}

TCalcRangeDlg::TCalcRangeDlg(QWidget *parent) : TRangeDlg(kCalcCaption, kCalcAll, parent) {}

TClearRangeDlg *ClearRangeDlg()
{
    static TClearRangeDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TClearRangeDlg; });
}

TCalcRangeDlg *CalcRangeDlg()
{
    static TCalcRangeDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TCalcRangeDlg; });
}
