#pragma once

#include "analysis/prediction_engine.h"

#include <QByteArray>
#include <QString>

namespace tav::analysis {

// The conditions file ("*.nor") hands the percentages of the predicted matches to coupon-system
// programs: one block of a fixed number of matches, the missing ones as sure home wins.
constexpr int ConditionsFileMatches = 13;

// The file's bytes: 14 empty lines, the block line, the percentages line ("P2", for every match
// " 1 X 2" of its percentages, " 98 1 1" for every missing match, then " 0 " and the sum of every
// match's top percentage), "END" and 4 empty lines, every line ended by CR LF. The display mode
// of the window plays no part. More matches than the block holds raise EInOutError with a Greek
// message.
QByteArray ConditionsFileBytes(const TAnalysisTable &table);

// Writes the bytes under the path, replacing a file of that name. Raises EInOutError with a Greek
// message when the table does not fit (nothing is touched) or the file cannot be written (a file of
// that name keeps its old content).
void WriteConditionsFile(const QString &path, const TAnalysisTable &table);

} // namespace tav::analysis
