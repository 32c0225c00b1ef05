#include "editors/ui/agvn_save_form.h"

#include "data/competition_choice.h"
#include "data/data_module.h"
#include "editors/ui/category_season_combos.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/text_file.h"
#include "platform/ui/showing_errors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace tav::editors;

namespace {

const char kCaption[] = "Σώσιμο Αγώνων";
const char kNoCompetition[] = "Δεν υπάρχουν στοιχεία για την διοργάνωση που επιλέξατε";
const char kFilter[] = "Αρχεία Κειμένου (*.txt)";
const char *const kColumns[] = {"Ημερομηνία", "Αγωνιστική", "Γηπεδούχος", "Φιλοξενούμενη", "ΓΓ", "ΓΦ"};

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString Goals(const QVariant &goals)
{
    return goals.isNull() ? QString() : QString::number(goals.toInt());
}

// A stored file name with a path separator in it still names one file in the chosen folder.
QString PlainFileName(QString name)
{
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return name;
}

} // namespace

TAgvnSaveForm::TAgvnSaveForm(QWidget *parent)
    : QWidget(parent, Qt::Window), DiorgCombo(new QComboBox(this)), PeriodCombo(new QComboBox(this)),
      Edit1(new QLineEdit(this)), Edit2(new QLineEdit(this)),
      Button1(new QPushButton(Text("Δημιουργία"), this)), BitBtn1(new QPushButton(Text("Σώσιμο"), this)),
      chk2ndround(new QCheckBox(Text("Δημιουργία 2ου Γύρου"), this)), DBGrid1(new QTableWidget(this)),
      StatusBar1(new QStatusBar(this)), SaveDialog(new QFileDialog(this))
{
    setObjectName(QStringLiteral("AgvnSaveForm"));
    setWindowTitle(Text(kCaption));
    SaveDialog->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog->setNameFilter(Text(kFilter));
    SaveDialog->setDefaultSuffix(QStringLiteral("txt"));
    SaveDialog->setOption(QFileDialog::DontUseNativeDialog);
    DBGrid1->setColumnCount(int(std::size(kColumns)));
    QStringList titles;
    for (const char *title : kColumns)
        titles.append(Text(title));
    DBGrid1->setHorizontalHeaderLabels(titles);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->hide();

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(Text("Διοργάνωση"), this));
    top->addWidget(DiorgCombo, 2);
    top->addWidget(new QLabel(Text("Περίοδος"), this));
    top->addWidget(PeriodCombo, 1);
    top->addWidget(new QLabel(Text("Από Αγων."), this));
    top->addWidget(Edit1);
    top->addWidget(new QLabel(Text("Έως Αγων."), this));
    top->addWidget(Edit2);
    top->addWidget(Button1);
    top->addWidget(BitBtn1);
    top->addWidget(chk2ndround);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(StatusBar1);

    connect(DiorgCombo, &QComboBox::activated, this, &TAgvnSaveForm::DiorgComboChange);
    connect(PeriodCombo, &QComboBox::activated, this, &TAgvnSaveForm::DiorgComboChange);
    connect(Button1, &QPushButton::clicked, this, &TAgvnSaveForm::Button1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TAgvnSaveForm::BitBtn1Click);
}

void TAgvnSaveForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAgvnSaveForm::FormShow()
{
    ShowingErrors([this] {
        TTavrolinDM &dm = TavrolinDM();
        tav::data::OpenIfClosed(dm.Diorganvseis);
        const bool any = !dm.Diorganvseis.IsEmpty();
        FillCategoryCombo(DiorgCombo, any ? dm.Diorganvseis.FieldByName(QStringLiteral("KatName")).AsString()
                                          : QString());
        FillSeasonCombo(PeriodCombo,
                        any ? dm.Diorganvseis.FieldByName(QStringLiteral("Periodos")).AsString() : QString());
    });
}

void TAgvnSaveForm::DiorgComboChange()
{
    ShowingErrors([this] {
        TTavrolinDM &dm = TavrolinDM();
        if (!tav::data::LocateCompetition(dm, {DiorgCombo->currentText(), PeriodCombo->currentText()})) {
            MessageDlg(Text(kNoCompetition), mtWarning, {mbOK});
            return;
        }
        Edit1->setText(QStringLiteral("1"));
        Edit2->setText(QString::number(dm.GetCurrAgvnistikh()));
    });
}

void TAgvnSaveForm::Button1Click()
{
    listed_.clear();
    DBGrid1->setRowCount(0);
    ShowingErrors([this] {
        TTavrolinDM &dm = TavrolinDM();
        tav::data::OpenIfClosed(dm.Diorganvseis);
        const int from = StrToInt(Edit1->text());
        const int to = StrToInt(Edit2->text());
        listed_ = ReadMatchRange(dm, dm.Diorganvseis.FieldByName(QStringLiteral("DNo")).Value(), from, to);
    });
    DBGrid1->setRowCount(int(listed_.size()));
    for (int row = 0; row < listed_.size(); ++row) {
        const TSavedMatch &match = listed_[row];
        const QStringList cells = {DateToStr(match.Date),
                                   QString::number(match.Agvnistikh),
                                   match.GName,
                                   match.FName,
                                   Goals(match.TelGGoals),
                                   Goals(match.TelFGoals)};
        for (int column = 0; column < cells.size(); ++column)
            DBGrid1->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

void TAgvnSaveForm::BitBtn1Click()
{
    TTavrolinDM &dm = TavrolinDM();
    const QString proposed = dm.Diorganvseis.Active() && !dm.Diorganvseis.IsEmpty()
                                 ? dm.Diorganvseis.FieldByName(QStringLiteral("FileName")).AsString()
                                 : QString();
    SaveDialog->selectFile(PlainFileName(proposed));
    if (SaveDialog->exec() != QDialog::Accepted || SaveDialog->selectedFiles().isEmpty())
        return;
    const QString path = SaveDialog->selectedFiles().constFirst();
    ShowingErrors([&] { SaveListed(path); });
}

void TAgvnSaveForm::SaveListed(const QString &path)
{
    WriteTextLines(path, MatchTextLines(listed_, chk2ndround->isChecked()));
}

TAgvnSaveForm *AgvnSaveForm()
{
    static TAgvnSaveForm *form = nullptr;
    return LongLived(form, [] { return new TAgvnSaveForm; });
}
