#pragma once

#include "shared/competition_chooser.h"

class TAgvnesForm;

namespace tav::app {

// The ways the windows of different features open each other. Their libraries do not see each
// other, so the program hands each window its openers here.

// The match list with its openers set: the league table on the listed competition, the
// head-to-head popup of the match under its cursor and the prediction of the listed matches. The program
// reaches the match list only through here, so a match list made again (after a reset) never lacks them.
TAgvnesForm *LinkedAgvnesForm();

// The way back to the match list from a window that hands it its choice (the league table).
void ReturnToMatchList(QObject *caller, const tav::shared::CompetitionHandover &handover);

} // namespace tav::app
