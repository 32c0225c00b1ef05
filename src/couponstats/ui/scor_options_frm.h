#pragma once

#include "couponstats/ui/stat_options_forma_b_frm.h"

// "ΕΠΙΛΕΞΤΕ" of the score prediction: how the goals are counted (item 0: the home matches of the
// home team and the away matches of the away team; item 1: all matches of both) and over how many
// recent matches (N, "0" for all), in the look of the points analysis options. It keeps its values
// between uses; callers show it modally and read its controls back.
class TScorOptionsFrm : public TStatOptionsFormaBFrm
{
    Q_OBJECT
public:
    explicit TScorOptionsFrm(QWidget *parent = nullptr);
};

// The score prediction's options, created on first use; it lives to the end of the
// program.
TScorOptionsFrm *ScorOptionsFrm();
