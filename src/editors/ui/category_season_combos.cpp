#include "editors/ui/category_season_combos.h"

#include "shared/dialog_parts.h"

#include <QComboBox>

namespace tav::editors {

namespace {

void Fill(QComboBox *combo, const QString &sql, const QString &selected)
{
    combo->clear();
    combo->addItems(tav::shared::ListTexts({sql}));
    combo->setCurrentIndex(combo->findText(selected, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

} // namespace

void FillCategoryCombo(QComboBox *combo, const QString &selected)
{
    Fill(combo, QStringLiteral("Select GrName from Kathgories order by Kathgories.GrName"), selected);
}

void FillSeasonCombo(QComboBox *combo, const QString &selected)
{
    Fill(combo, QStringLiteral("Select Periodos from Periodos order by Periodos.Periodos desc"), selected);
}

} // namespace tav::editors
