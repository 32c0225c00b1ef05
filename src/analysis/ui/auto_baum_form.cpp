#include "analysis/ui/auto_baum_form.h"

#include "analysis/competition_filter.h"
#include "analysis/team_stat_update.h"
#include "data/data_module.h"
#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"
#include "platform/ui/application.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/wait_cursor.h"
#include "shared/dialog_parts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

using namespace tav::analysis;

namespace {

const char FormCaption[] = "Ενημέρωση Βαθμολογιών";
const char CompetitionLabel[] = "Διοργάνωση";
const char MatchdayLabel[] = "Αγωνιστική";
const char OkCaption[] = "&OK";
const char CancelCaption[] = "Άκυρο";
const char StopCaption[] = "Stop";
const char AllCaption[] = "ΕΠΙΛΟΓΗ ΟΛΩΝ";
const QStringList SeasonsSql{QStringLiteral("Select Periodos from Periodos order by Periodos.Periodos desc")};
// The categories in alphabetical order.
const QStringList CategoriesSql{QStringLiteral("Select GrName from Kathgories order by Kathgories.GrName")};

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

QLineEdit *NewProgressEdit(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setEnabled(false);
    QFont font = edit->font();
    font.setBold(true);
    edit->setFont(font);
    return edit;
}

void FillCheckList(QListWidget *list, const QStringList &names)
{
    list->clear();
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name, list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

} // namespace

TAutoBaumForm::TAutoBaumForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      BitBtn1(new QPushButton(Text(OkCaption), this)), BitBtn2(new QPushButton(Text(CancelCaption), this)),
      edDiorg(NewProgressEdit(this)), edAgvn(NewProgressEdit(this)), ChkLst1(new QListWidget(this)),
      BitBtn3(new QPushButton(Text(StopCaption), this)), PeriodCombo(new QListWidget(this)),
      BitBtn4(new QPushButton(Text(AllCaption), this))
{
    setObjectName(QStringLiteral("AutoBaumForm"));
    setWindowTitle(Text(FormCaption));

    auto *progress = new QGridLayout;
    progress->addWidget(new QLabel(Text(CompetitionLabel), this), 0, 0);
    progress->addWidget(edDiorg, 0, 1);
    progress->addWidget(new QLabel(Text(MatchdayLabel), this), 1, 0);
    progress->addWidget(edAgvn, 1, 1);
    auto *lists = new QHBoxLayout;
    lists->addWidget(PeriodCombo, 1);
    lists->addWidget(ChkLst1, 2);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {BitBtn4, BitBtn3})
        buttons->addWidget(button);
    buttons->addStretch();
    for (QPushButton *button : {BitBtn1, BitBtn2})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(progress);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(520, 420);

    connect(BitBtn1, &QPushButton::clicked, this, &TAutoBaumForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(mrCancel); });
    connect(BitBtn3, &QPushButton::clicked, this, &TAutoBaumForm::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TAutoBaumForm::BitBtn4Click);
}

void TAutoBaumForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TAutoBaumForm::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

void TAutoBaumForm::FormShow()
{
    StopRequested = false;
    ShowingErrors([this] {
        FillCheckList(PeriodCombo, tav::shared::ListTexts(SeasonsSql));
        // The two newest seasons.
        for (int row = 0; row < std::min(2, PeriodCombo->count()); ++row)
            PeriodCombo->item(row)->setCheckState(Qt::Checked);
        FillCategoryList();
        const QStringList names = [this] {
            QStringList all;
            for (int row = 0; row < ChkLst1->count(); ++row)
                all.append(ChkLst1->item(row)->text());
            return all;
        }();
        for (int row : TCheckListMemory(Text(StandingsUpdateSelectionFile)).TickedRows(names))
            ChkLst1->item(row)->setCheckState(Qt::Checked);
    });
}

void TAutoBaumForm::FormClose()
{
    ShowingErrors([this] { TCheckListMemory(Text(StandingsUpdateSelectionFile)).Save(Ticked(ChkLst1)); });
}

void TAutoBaumForm::FillCategoryList()
{
    FillCheckList(ChkLst1, tav::shared::ListTexts(CategoriesSql));
    ChkLst1->setCurrentRow(0);
}

QStringList TAutoBaumForm::Ticked(const QListWidget *list)
{
    QStringList ticked;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked)
            ticked.append(list->item(row)->text());
    return ticked;
}

void TAutoBaumForm::BitBtn4Click()
{
    for (int row = 0; row < ChkLst1->count(); ++row)
        ChkLst1->item(row)->setCheckState(Qt::Checked);
}

void TAutoBaumForm::BitBtn3Click()
{
    StopRequested = true;
    // A run in hand stops before its next matchday and then closes the dialog itself.
    if (!running_)
        done(mrOk);
}

void TAutoBaumForm::BitBtn1Click()
{
    running_ = true;
    ShowingErrors([this] { UpdateTeamStat(); });
    running_ = false;
    StopRequested = false;
    done(mrOk);
}

void TAutoBaumForm::UpdateTeamStat()
{
    TWaitCursor wait;
    TTeamStatUpdateHooks hooks;
    hooks.ShowCompetition = [this](const QString &grName) {
        edDiorg->setText(grName);
        edDiorg->repaint();
    };
    hooks.ShowMatchday = [this](int matchday) {
        edAgvn->setText(QString::number(matchday));
        edAgvn->repaint();
    };
    hooks.StopRequested = [this] {
        ProcessMessages();
        return StopRequested;
    };
    tav::analysis::UpdateTeamStat(TavrolinDM(), Ticked(ChkLst1), Ticked(PeriodCombo), hooks);
}

TAutoBaumForm *AutoBaumForm()
{
    // Destroyed only by a test's reset: the dialog lives to the end of the program.
    static TAutoBaumForm *form = nullptr;
    return LongLived(form, [] { return new TAutoBaumForm; });
}
