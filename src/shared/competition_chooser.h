#pragma once

#include "data/competition_choice.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;

namespace tav::shared {

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
// pick handlers; only the user's choice does. Database errors are shown to the user.
class CompetitionChooser : public QWidget
{
public:
    // Where the windows differ: the order of a category's seasons, and the item a narrowed list
    // takes when the remembered name is not in it.
    struct Rules
    {
        bool CategorySeasonsNewestFirst = true;
        // The combo's previous text when it is in the list (else none); false: the first entry.
        bool NarrowedKeepsPreviousText = true;
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

    Rules rules_;
};

} // namespace tav::shared
