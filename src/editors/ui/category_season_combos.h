#pragma once

#include <QString>

class QComboBox;

// The category and season combos of the windows that import and save result files: every
// category by Greek name, every season newest first, each selecting the given text when listed.
// Database errors propagate.
namespace tav::editors {

void FillCategoryCombo(QComboBox *combo, const QString &selected);
void FillSeasonCombo(QComboBox *combo, const QString &selected);

} // namespace tav::editors
