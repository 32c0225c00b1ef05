#pragma once

#include "analysis/ui/standings_grid.h"

#include <QString>
#include <QWidget>

#include <initializer_list>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class TDBImage;
class TDataSet;
class TDataSource;
class TUpDownEdit;

namespace tav::analysis {

// The controls the league table windows (by matchday and by dates) show after their own period
// edits: the group edit with its label, the choice between the teams' Greek names (id 0, chosen
// first) and Latin names (id 1), and the button back to the match list.
struct TStandingsChoicesView
{
    QLabel *Label2 = nullptr;
    TUpDownEdit *OmiloiEdit = nullptr;
    QGroupBox *GlvsaRadio = nullptr;
    QButtonGroup *GlvsaButtons = nullptr;
    QPushButton *AgvnButton = nullptr;
};

// Makes the controls in the window, in the order the user tabs through them.
TStandingsChoicesView NewStandingsChoices(QWidget *window);

// NewStandingsChoices into the window's controls of the same names.
template <typename Window> void AddStandingsChoices(Window &window)
{
    const TStandingsChoicesView view = NewStandingsChoices(&window);
    window.Label2 = view.Label2;
    window.OmiloiEdit = view.OmiloiEdit;
    window.GlvsaRadio = view.GlvsaRadio;
    window.GlvsaButtons = view.GlvsaButtons;
    window.AgvnButton = view.AgvnButton;
}

// The flag of the current country of the data set countries; a null countries leaves the source
// without a data set, for the window to give it one later.
struct TCountryFlagView
{
    TDataSource *DataSource1 = nullptr;
    TDBImage *DBImage1 = nullptr;
};

TCountryFlagView NewCountryFlag(QWidget *window, TDataSet *countries);

// NewCountryFlag into the window's controls of the same names.
template <typename Window> void AddCountryFlag(Window &window, TDataSet *countries)
{
    const TCountryFlagView view = NewCountryFlag(&window, countries);
    window.DataSource1 = view.DataSource1;
    window.DBImage1 = view.DBImage1;
}

// Puts the controls of bar in one row at the top of the window and makes the grid with its
// captions and titles under them, taking the room left.
TStandingsGridView NewStandingsLayout(QWidget *window, std::initializer_list<QWidget *> bar);

// NewStandingsLayout, the grid into the window's controls of the same names.
template <typename Window> void LayOutStandingsWindow(Window &window, std::initializer_list<QWidget *> bar)
{
    const TStandingsGridView view = NewStandingsLayout(&window, bar);
    window.HeaderControl1 = view.HeaderControl1;
    window.HeaderControl2 = view.HeaderControl2;
    window.SGrd = view.SGrd;
}

// A click on the column title section: the place and name titles order nothing; another orders
// the engine's table by it, fillGrid writes the grid again and an ordering with a caption of its
// own gives it to the window as its title.
template <typename Engine, typename FillGrid>
void OrderByColumnTitle(QWidget &window, Engine &engine, int section, FillGrid fillGrid)
{
    if (section < 2)
        return;
    const std::optional<QString> caption = engine.ApplySpecialOrdering(section);
    fillGrid();
    if (caption)
        window.setWindowTitle(*caption);
}

} // namespace tav::analysis
