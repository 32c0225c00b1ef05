#pragma once

#include "data/competition_choice.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;

namespace tav::shared {

// The warning when the chosen season and category name no competition.
inline constexpr char NoCompetitionWarning[] = "Δεν υπάρχουν στοιχεία για την διοργάνωση που επιλέξατε";

// A chooser's lists with the items chosen in them, as one window hands them to another.
struct ChooserLists
{
    QStringList Categories;
    QStringList Seasons;
    data::CompetitionChoice Chosen;
};

// What a window hands over when it opens another window on its competition, or goes back to the
// window that opened it: its chooser's lists and its matchday text.
struct CompetitionHandover
{
    ChooserLists Lists;
    QString Matchday;
};

// The way back to the window that opened another: called with the closing window's control that
// leads back and the closing window's handover.
using ReturnToCaller = std::function<void(QObject *caller, const CompetitionHandover &handover)>;

// The season combo PeriodCombo and the category combo DiorgCombo, each with its check box (ChkP,
// ChkD) that widens the list to every season or category. Unchecked, a pick in one combo narrows
// the other to what goes with it; the pair then becomes the program's current competition
// (tav::data::Choose), or the user is warned that it names none. Filling a list never runs the
// pick handlers; only the user's choice does: a pick from the list, or in a combo that takes
// typing, a text committed by Enter or by leaving the combo (never a keystroke). Database errors
// are shown to the user. The windows differ only by their rules.
class CompetitionChooser : public QWidget
{
public:
    // What a pick does.
    enum class PickAction
    {
        // Narrows the other list by its box and makes the pair the current and remembered
        // competition, warning when it names none.
        NarrowAndChoose,
        // Narrows the other list whatever its box shows; the window chooses later (statistics).
        NarrowOnly,
        // Moves to the competition the pair names without remembering it, warning when it names
        // none; the lists stay complete (results grid).
        LocateOnly,
    };

    // Where the windows differ: the order of a category's seasons, the item a list takes when the
    // remembered name is not in it, the check boxes, typing, and what a pick does.
    struct Rules
    {
        bool CategorySeasonsNewestFirst = true;
        // The combo's previous text when it is in the list (else none); false: the first entry.
        bool NarrowedKeepsPreviousText = true;
        // A complete list without the remembered name takes its first entry (else none).
        bool CompleteTakesFirst = false;
        bool CheckBoxes = true;
        bool Editable = false;
        PickAction OnPick = PickAction::NarrowAndChoose;

        // The four analysis windows that choose a competition.
        static Rules TeamForm() { return {false, false, true}; }
        static Rules Statistics() { return {true, true, false, true, false, PickAction::NarrowOnly}; }
        static Rules DateStandings() { return {true, true, false, true, true}; }
        static Rules ResultsGrid() { return {true, true, false, false, true, PickAction::LocateOnly}; }
    };

    explicit CompetitionChooser(Rules rules, QWidget *parent = nullptr);

    QComboBox *PeriodCombo;
    QCheckBox *ChkP;
    QComboBox *DiorgCombo;
    QCheckBox *ChkD;

    // Called after a pick made its pair the current competition, with the combo picked in.
    std::function<void(QComboBox *picked)> OnCompetitionChosen;

    // The combos' texts.
    data::CompetitionChoice Choice() const;
    ChooserLists Lists() const;
    // Takes another window's lists and chosen items as they are.
    void SetLists(const ChooserLists &lists);

    // The four fills, each from the data module's scratch query ComboQuery. The complete lists
    // take the remembered item (none when it is missing); the narrowed ones the remembered item,
    // else by the rules.
    void FillAllSeasons();
    void FillCategorySeasons();
    void FillAllCategories();
    void FillSeasonCategories();

    // Makes the combos' pair the current competition (tav::data::Choose); true when it names one.
    bool ChooseShown();

    // --- handlers ---
    void PeriodComboChange();
    void DiorgComboChange();
    void ChkPClick();
    void ChkDClick();

private:
    void Picked(QComboBox *picked);
    void Narrow(QComboBox *combo, const QStringList &items, const QString &remembered);
    void Complete(QComboBox *combo, const QStringList &items, const QString &remembered);
    void ActOnCommits(QComboBox *combo, void (CompetitionChooser::*handler)());
    void NarrowAndChoose(QComboBox *picked);
    void NarrowOther(QComboBox *picked);
    void LocateShown(QComboBox *picked);

    Rules rules_;
};

} // namespace tav::shared
