#include "editors/ui/category_season_combos.h"

#include "data/data_module.h"

#include <QComboBox>

namespace tav::editors {

namespace {

void Fill(QComboBox *combo, const QString &sql, const QString &field, const QString &selected)
{
    TQuery &query = TavrolinDM().ComboQuery;
    combo->clear();
    query.Close();
    query.SQL().SetText(sql);
    query.Open();
    for (query.First(); !query.Eof(); query.Next())
        combo->addItem(query.FieldByName(field).AsString());
    query.Close();
    combo->setCurrentIndex(combo->findText(selected, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

} // namespace

void FillCategoryCombo(QComboBox *combo, const QString &selected)
{
    Fill(combo, QStringLiteral("Select GrName from Kathgories order by Kathgories.GrName"),
         QStringLiteral("GrName"), selected);
}

void FillSeasonCombo(QComboBox *combo, const QString &selected)
{
    Fill(combo, QStringLiteral("Select Periodos from Periodos order by Periodos.Periodos desc"),
         QStringLiteral("Periodos"), selected);
}

} // namespace tav::editors
