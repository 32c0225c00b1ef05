#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The proposals of the coupon analysis screen: its grid (row 0 the titles, the columns of
// analysis_grid.h) written to a proposal file and read back into the grid with a score against
// the results. The proposal column is that of the grid's layout: 27 in the ordinary layout, 30 in
// the extended one, for writing and reading alike. The screen owns the file dialogs; these
// functions take the chosen path and tell the user the outcome through the message service.
namespace tav::coupons {

// The folder the screen's file dialogs start in, "PROTASEIS" under the program folder, created
// with its parents when missing.
QString ProposalDialogFolder();

// Writes the proposal file: the coupon number of kupFileName, one "code,sign" line per row whose
// trimmed code and trimmed proposal are both set (the code as it stands, the sign trimmed), and
// the two closing comment lines. On success copies the file into the Dys folder of the sister
// program Drumlane when its folder is set, and shows "Η αποθήκευση ολοκληρώθηκε!". When the file
// cannot be written, says so naming it, copies nothing and returns false; an earlier file of that
// name stays whole.
bool SaveProposal(const QString &fileName, const QList<QStringList> &grid, const QString &kupFileName);

// The outcome of a proposal load.
struct TProposalScore
{
    int Matches = 0; // named rows with a result sign (a "?" included)
    int Hits = 0;    // named rows whose proposal equals their result
    int Played = 0;  // named rows with both a result sign and a proposal
    double OddsSum = 0.0;
};

// "Αγώνες :3  Επιτυχίες 1 από 3 Αποδοση :2,10".
QString ProposalScoreSummary(const TProposalScore &score);

// Reads the proposal file into the grid's proposal column and shows the summary. The file must be
// of the coupon loaded (the first coupon file in Kouponia of its number must be kupFileName);
// otherwise the mismatch message is shown. Every row whose trimmed code equals a line's trimmed
// code takes that line's sign; the score counts the rows named. A file that cannot be read, or a
// hit whose odds are no number, is reported in Greek. The grid changes only when the load
// succeeds; returns whether it did.
bool LoadProposal(const QString &fileName, QList<QStringList> &grid, const QString &kupFileName);

} // namespace tav::coupons
