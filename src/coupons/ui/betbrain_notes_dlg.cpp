#include "coupons/ui/betbrain_notes_dlg.h"

#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"
#include "platform/ui/string_grid.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const int kWidths[] = {65, 35, 30, 90, 90, 40, 40, 40, 35, 30, 35};

} // namespace

TNotesDlg::TNotesDlg(QWidget *parent)
    : QDialog(parent), SGrd(new TStringGrid(this)), Label5(new QLabel(QStringLiteral("ΠΑΡΑΤΗΡΗΣΕΙΣ"), this)),
      Memo2(new QPlainTextEdit(this)), BtnCancel(new QPushButton(QStringLiteral("&ΣΥΝΕΧΕΙΑ"), this))
{
    setWindowTitle(QStringLiteral("ΠΑΡΑΤΗΡΗΣΕΙΣ - ΕΙΣΑΓΩΓΗ"));
    resize(620, 460);
    SGrd->SetColCount(int(SourceColumns().size()));
    SGrd->SetRowCount(2);
    SGrd->SetFixedCols(0);
    SGrd->SetFixedRows(1);
    SGrd->SetOptions(SGrd->Options() + goRowSelect);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SGrd, 3);
    layout->addWidget(Label5);
    layout->addWidget(Memo2, 2);
    layout->addWidget(BtnCancel, 0, Qt::AlignHCenter);
    connect(BtnCancel, &QPushButton::clicked, this, [this] { done(mrOk); });
}

const QList<int> &TNotesDlg::SourceColumns()
{
    static const QList<int> columns{2, 3, 1, 4, 5, 6, 7, 8, 0, 13, 14};
    return columns;
}

void TNotesDlg::FillRows(const QStringList &titles, const QList<QStringList> &rows)
{
    for (int r = 0; r < SGrd->RowCount(); ++r)
        for (int c = 0; c < SGrd->ColCount(); ++c)
            SGrd->SetCell(c, r, QString());
    SGrd->SetRowCount(int(rows.size()) + 1);
    for (int c = 0; c < SourceColumns().size(); ++c) {
        SGrd->SetCell(c, 0, titles.value(SourceColumns().at(c)));
        for (int r = 0; r < rows.size(); ++r)
            SGrd->SetCell(c, r + 1, rows.at(r).value(SourceColumns().at(c)));
    }
}

QStringList TNotesDlg::Notes() const
{
    const QString text = Memo2->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TNotesDlg::reject()
{
    done(mrCancel);
}

void TNotesDlg::showEvent(QShowEvent *event)
{
    for (int c = 0; c < SGrd->ColCount(); ++c)
        SGrd->SetColWidth(c, kWidths[c]);
    QDialog::showEvent(event);
}

TNotesDlg *NotesDlg()
{
    static TNotesDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TNotesDlg; });
}
