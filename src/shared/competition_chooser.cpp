#include "shared/competition_chooser.h"

#include "shared/dialog_parts.h"

#include "data/data_module.h"
#include "platform/core/message_service.h"
#include "platform/ui/showing_errors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace tav::shared {

namespace {

const char *const kAllSeasonsHint = "Τσεκαρισμένο δείχνει όλες τις περιόδους";
const char *const kAllCategoriesHint = "Τσεκαρισμένο δείχνει όλες τις διοργανώσεις";
const char *const kNoCompetition = "Δεν υπάρχουν στοιχεία για την διοργάνωση που επιλέξατε";

const QStringList kAllSeasonsSql{
    QStringLiteral("Select Periodos from Periodos order by Periodos.Periodos desc")};
const QStringList kAllCategoriesSql{QStringLiteral("Select GrName from Kathgories"),
                                    QStringLiteral(" order by Kathgories.GrName")};
const QStringList kSeasonCategoriesSql{QStringLiteral("Select GrName from Kathgories, Diorganvseis"),
                                       QStringLiteral("where Diorganvseis.Katno=kathgories.katno and"),
                                       QStringLiteral("diorganvseis.periodos = :Periodos"),
                                       QStringLiteral("order by Kathgories.GrName")};
const QStringList kCategorySeasonsSql{
    QStringLiteral("Select DISTINCT diorganvseis.periodos from Diorganvseis,Kathgories "),
    QStringLiteral("where Diorganvseis.KatNo=:KatNo")};
const QString kOldestFirst = QStringLiteral(" order by diorganvseis.periodos");
const QString kNewestFirst = QStringLiteral(" order by diorganvseis.periodos desc");

// The geometry of the bar: the season combo, its box, the category combo, its box.
constexpr int kPeriodWidth = 110;
constexpr int kDiorgWidth = 260;
constexpr int kBoxWidth = 20;
constexpr int kBoxGap = 4;
constexpr int kPairGap = 8;

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

int IndexOf(const QComboBox *combo, const QString &text)
{
    return combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// The combo's list, with the item of that exact text chosen (none when it is missing).
void SetItems(QComboBox *combo, const QStringList &items, const QString &chosen)
{
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(IndexOf(combo, chosen));
}

bool Blank(const QComboBox *combo)
{
    return combo->currentText().trimmed().isEmpty();
}

QStringList Items(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

} // namespace

CompetitionChooser::CompetitionChooser(Rules rules, QWidget *parent)
    : QWidget(parent), PeriodCombo(new QComboBox(this)), ChkP(new QCheckBox(this)),
      DiorgCombo(new QComboBox(this)), ChkD(new QCheckBox(this)), rules_(rules)
{
    ChkP->setToolTip(Text(kAllSeasonsHint));
    ChkD->setToolTip(Text(kAllCategoriesHint));
    PeriodCombo->setFixedWidth(kPeriodWidth);
    DiorgCombo->setFixedWidth(kDiorgWidth);
    for (QComboBox *combo : {PeriodCombo, DiorgCombo})
        combo->setMaxVisibleItems(20);
    for (QCheckBox *box : {ChkP, ChkD})
        box->setFixedWidth(kBoxWidth);
    // Every control takes the bar's whole height, as the windows always placed them.
    for (QWidget *control : std::initializer_list<QWidget *>{PeriodCombo, ChkP, DiorgCombo, ChkD})
        control->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PeriodCombo);
    layout->addSpacing(kBoxGap);
    layout->addWidget(ChkP);
    layout->addSpacing(kPairGap);
    layout->addWidget(DiorgCombo);
    layout->addSpacing(kBoxGap);
    layout->addWidget(ChkD);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    connect(PeriodCombo, &QComboBox::activated, this, [this] { PeriodComboChange(); });
    connect(DiorgCombo, &QComboBox::activated, this, [this] { DiorgComboChange(); });
    connect(ChkP, &QCheckBox::clicked, this, [this] { ChkPClick(); });
    connect(ChkD, &QCheckBox::clicked, this, [this] { ChkDClick(); });
}

data::CompetitionChoice CompetitionChooser::Choice() const
{
    return {DiorgCombo->currentText(), PeriodCombo->currentText()};
}

ChooserLists CompetitionChooser::Lists() const
{
    return {Items(DiorgCombo), Items(PeriodCombo), Choice()};
}

void CompetitionChooser::SetLists(const ChooserLists &lists)
{
    SetItems(DiorgCombo, lists.Categories, lists.Chosen.Category);
    SetItems(PeriodCombo, lists.Seasons, lists.Chosen.Season);
}

// --- fills ---

void CompetitionChooser::FillAllSeasons()
{
    SetItems(PeriodCombo, ListTexts(kAllSeasonsSql), data::CurrentChoice().Season);
}

void CompetitionChooser::FillCategorySeasons()
{
    const QVariant katNo = data::CategoryKatNo(TavrolinDM(), DiorgCombo->currentText());
    const QStringList sql = QStringList(kCategorySeasonsSql)
                            << (rules_.CategorySeasonsNewestFirst ? kNewestFirst : kOldestFirst);
    Narrow(PeriodCombo, ListTexts(sql, QStringLiteral("KatNo"), katNo), data::CurrentChoice().Season);
}

void CompetitionChooser::FillAllCategories()
{
    SetItems(DiorgCombo, ListTexts(kAllCategoriesSql), data::CurrentChoice().Category);
}

void CompetitionChooser::FillSeasonCategories()
{
    Narrow(DiorgCombo,
           ListTexts(kSeasonCategoriesSql, QStringLiteral("Periodos"), PeriodCombo->currentText()),
           data::CurrentChoice().Category);
}

void CompetitionChooser::Narrow(QComboBox *combo, const QStringList &items, const QString &remembered)
{
    const QString previous = combo->currentText();
    SetItems(combo, items, remembered);
    if (combo->currentIndex() >= 0 || combo->count() == 0)
        return;
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(rules_.NarrowedKeepsPreviousText ? IndexOf(combo, previous) : 0);
}

bool CompetitionChooser::ChooseShown()
{
    return data::Choose(TavrolinDM(), Choice());
}

// --- handlers ---

void CompetitionChooser::PeriodComboChange()
{
    Picked(PeriodCombo);
}

void CompetitionChooser::DiorgComboChange()
{
    Picked(DiorgCombo);
}

// A pick with both combos chosen narrows the other list by its box and chooses the pair; a pair
// that names no competition is remembered all the same, after the warning.
void CompetitionChooser::Picked(QComboBox *picked)
{
    if (Blank(PeriodCombo) || Blank(DiorgCombo))
        return;
    ShowingErrors([this, picked] {
        if (picked == DiorgCombo)
            ChkP->isChecked() ? FillAllSeasons() : FillCategorySeasons();
        else
            ChkD->isChecked() ? FillAllCategories() : FillSeasonCategories();
        if (!ChooseShown()) {
            MessageDlg(Text(kNoCompetition), mtWarning, {mbOK});
            return;
        }
        if (OnCompetitionChosen)
            OnCompetitionChosen(picked);
    });
}

void CompetitionChooser::ChkPClick()
{
    ShowingErrors([this] { ChkP->isChecked() ? FillAllSeasons() : FillCategorySeasons(); });
}

void CompetitionChooser::ChkDClick()
{
    ShowingErrors([this] { ChkD->isChecked() ? FillAllCategories() : FillSeasonCategories(); });
}

} // namespace tav::shared
