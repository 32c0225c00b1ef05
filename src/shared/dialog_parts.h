#pragma once

#include "report/analysis_export.h"
#include "report/export_language.h"

#include <QStringList>
#include <QVariant>

#include <initializer_list>

class QCheckBox;
class QGroupBox;
class QWidget;

// Pieces the dialogs over the data module share: captioned check boxes in groups, the language
// boxes of the export dialogs and the texts of the lists they offer.

namespace tav::shared {

QCheckBox *NewCheckBox(const char *caption, bool checked, QWidget *parent);

// A captioned group with the controls one below the other.
QGroupBox *NewGroup(const char *caption, std::initializer_list<QWidget *> controls, QWidget *parent);

// Whether the box of the language is ticked among the Greek, English and Italian boxes.
bool LanguageTicked(tav::report::TExportLanguage language, const QCheckBox *greek, const QCheckBox *english,
                    const QCheckBox *italian);

// What an export dialog's language and kind boxes ask for, with the name of the text files.
tav::report::TExportOptions ExportOptions(const QCheckBox *greek, const QCheckBox *english,
                                          const QCheckBox *italian, const QCheckBox *text,
                                          const QCheckBox *page, const QCheckBox *desktop,
                                          const QString &fileName);

// The first column of every row of the statement, its parameter bound, read through the data
// module's scratch query ComboQuery. Database errors propagate.
QStringList ListTexts(const QStringList &sql, const QString &param = {}, const QVariant &value = {});

} // namespace tav::shared
