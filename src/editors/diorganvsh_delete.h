#pragma once

#include <QVariant>

class TTavrolinDM;

namespace tav::editors {

// Removes competition dNo with everything that belongs to it: the statistics rows of its teams,
// its matches, its teams and the competition itself. The statements run on the data module's
// QryDel with the number bound, all in one transaction: when any of them fails nothing is
// removed and the error (EDatabaseError) reaches the caller.
void DeleteCompetition(TTavrolinDM &dm, const QVariant &dNo);

} // namespace tav::editors
