#pragma once

#include "couponstats/ui/stat_options_dialog.h"

#include <QStringList>

// "ΕΠΙΛΕΞΤΕ" of the points analysis: its one statistic (the home matches of the home team and
// the away matches of the away team) and over how many recent matches (N, "0" for all). It keeps
// its values between uses; callers show it modally and read its controls back.
class TStatOptionsFormaBFrm : public TStatOptionsDialog
{
    Q_OBJECT
public:
    explicit TStatOptionsFormaBFrm(QWidget *parent = nullptr);

    // Sets the caption of N, N and the all-matches box for the statistic.
    void RadioGroup1Click() override;

    // Shows the dialog modally; false when cancelled. N is read from it: one that is no number
    // raises EConvertError.
    bool Ask(int &N);
    // The filter code of the page it fills: "BA" for all matches, else "B" and N.
    QString FilterCode() const;

protected:
    // A dialog of the same look whose kinds are these captions, the first one chosen.
    TStatOptionsFormaBFrm(const QStringList &items, QWidget *parent);
};

// The points analysis options of the program, created on first use; it lives to the end of the
// program.
TStatOptionsFormaBFrm *StatOptionsFormaBFrm();
