#include "shared/competition_chooser.h"

#include "shared/dialog_parts.h"

#include "data/data_module.h"
#include "platform/core/message_service.h"
#include "platform/ui/showing_errors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tav::shared {

namespace {

const char *const kAllSeasonsHint = "Τσεκαρισμένο δείχνει όλες τις περιόδους";
const char *const kAllCategoriesHint = "Τσεκαρισμένο δείχνει όλες τις διοργανώσεις";
const char *const kNoCompetition = NoCompetitionWarning;

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

// The text a combo last acted on, so that a commit of the same text does not act twice.
const char *const kActedText = "actedText";

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
    combo->setProperty(kActedText, combo->currentText());
}

void ChooseIndex(QComboBox *combo, int index)
{
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index);
    combo->setProperty(kActedText, combo->currentText());
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

    ChkP->setVisible(rules_.CheckBoxes);
    ChkD->setVisible(rules_.CheckBoxes);
    ActOnCommits(PeriodCombo, &CompetitionChooser::PeriodComboChange);
    ActOnCommits(DiorgCombo, &CompetitionChooser::DiorgComboChange);
    connect(ChkP, &QCheckBox::clicked, this, [this] { ChkPClick(); });
    connect(ChkD, &QCheckBox::clicked, this, [this] { ChkDClick(); });
}

// A pick from the list acts at once; a typed text when Enter commits it or the focus leaves the
// combo, and only when it differs from the text last acted on.
void CompetitionChooser::ActOnCommits(QComboBox *combo, void (CompetitionChooser::*handler)())
{
    connect(combo, &QComboBox::activated, this, [this, combo, handler] {
        combo->setProperty(kActedText, combo->currentText());
        (this->*handler)();
    });
    if (!rules_.Editable)
        return;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, combo, handler] {
        if (combo->currentText() == combo->property(kActedText).toString())
            return;
        combo->setProperty(kActedText, combo->currentText());
        (this->*handler)();
    });
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
    Complete(PeriodCombo, ListTexts(kAllSeasonsSql), data::CurrentChoice().Season);
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
    Complete(DiorgCombo, ListTexts(kAllCategoriesSql), data::CurrentChoice().Category);
}

void CompetitionChooser::FillSeasonCategories()
{
    Narrow(DiorgCombo,
           ListTexts(kSeasonCategoriesSql, QStringLiteral("Periodos"), PeriodCombo->currentText()),
           data::CurrentChoice().Category);
}

void CompetitionChooser::Complete(QComboBox *combo, const QStringList &items, const QString &remembered)
{
    SetItems(combo, items, remembered);
    if (rules_.CompleteTakesFirst && combo->currentIndex() < 0 && combo->count() > 0)
        ChooseIndex(combo, 0);
}

// A window that chooses later keeps the item shown (blank when the list lost it); the others take
// the remembered item, else by their rules.
void CompetitionChooser::Narrow(QComboBox *combo, const QStringList &items, const QString &remembered)
{
    const QString previous = combo->currentText();
    if (rules_.OnPick == PickAction::NarrowOnly) {
        SetItems(combo, items, previous);
        return;
    }
    SetItems(combo, items, remembered);
    if (combo->currentIndex() >= 0 || combo->count() == 0)
        return;
    ChooseIndex(combo, rules_.NarrowedKeepsPreviousText ? IndexOf(combo, previous) : 0);
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

void CompetitionChooser::Picked(QComboBox *picked)
{
    switch (rules_.OnPick) {
    case PickAction::NarrowAndChoose:
        NarrowAndChoose(picked);
        break;
    case PickAction::NarrowOnly:
        NarrowOther(picked);
        break;
    case PickAction::LocateOnly:
        LocateShown(picked);
        break;
    }
}

// A pick with both combos chosen narrows the other list by its box and chooses the pair; a pair
// that names no competition is remembered all the same, after the warning.
void CompetitionChooser::NarrowAndChoose(QComboBox *picked)
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

// The other list narrows to what goes with the pick, whatever its box shows.
void CompetitionChooser::NarrowOther(QComboBox *picked)
{
    if (Blank(picked))
        return;
    ShowingErrors([this, picked] { picked == PeriodCombo ? FillSeasonCategories() : FillCategorySeasons(); });
}

// The pair as shown, blank or not, becomes the current competition; nothing is remembered.
void CompetitionChooser::LocateShown(QComboBox *picked)
{
    ShowingErrors([this, picked] {
        if (!data::LocateCompetition(TavrolinDM(), Choice())) {
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
