#pragma once

#include "couponstats/auto_list.h"
#include "couponstats/ui/stat_options_dialog.h"

#include <QList>

// "ΕΠΙΛΕΞΤΕ": the statistic kind that the next analysis page computes and over how many recent
// matches (N, "0" for all), and the AUTO list that replays such choices one page after another.
// Callers show it modally and read its controls back.
class TStatOptionsFrm : public TStatOptionsDialog
{
    Q_OBJECT
public:
    static constexpr int KindCount = 13;

    explicit TStatOptionsFrm(QWidget *parent = nullptr);

    // Fills the kinds, selects the first and reads the AUTO list.
    void FormCreate();
    // A kind without its own caption of N leaves the controls as the previous kind set them.
    void RadioGroup1Click() override;
    // Chooses the kind as a click on its item does.
    void SetItemIndex(int kind);

    // The next AUTO step: while steps are left, sets the AUTO flag, takes the step's kind and N with
    // all matches unchecked and returns true (the page then goes on without showing the dialog);
    // once the list is used up, clears the flag and returns false.
    bool TakeAutoStep();
    int AutoCount() const { return static_cast<int>(AutoSteps.size()); }

    // The AUTO list of this run, the steps already taken, and whether a chain is running.
    QList<tav::couponstats::TAutoStep> AutoSteps;
    int AutoCursor = 0;
    bool AutoMode = false;

private:
    void ReadAutoList();
};

// The statistic options of the program, created on first use; it lives to the end of the program.
TStatOptionsFrm *StatOptionsFrm();
