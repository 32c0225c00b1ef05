#include "shared/dialog_parts.h"

#include "data/data_module.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace tav::shared {

QCheckBox *NewCheckBox(const char *caption, bool checked, QWidget *parent)
{
    auto *box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setChecked(checked);
    return box;
}

QGroupBox *NewGroup(const char *caption, std::initializer_list<QWidget *> controls, QWidget *parent)
{
    auto *group = new QGroupBox(QString::fromUtf8(caption), parent);
    auto *layout = new QVBoxLayout(group);
    for (QWidget *control : controls) {
        control->setParent(group);
        layout->addWidget(control);
    }
    return group;
}

bool LanguageTicked(tav::report::TExportLanguage language, const QCheckBox *greek, const QCheckBox *english,
                    const QCheckBox *italian)
{
    switch (language) {
    case tav::report::TExportLanguage::Greek:
        return greek->isChecked();
    case tav::report::TExportLanguage::English:
        return english->isChecked();
    case tav::report::TExportLanguage::Italian:
        return italian->isChecked();
    }
    return false;
}

tav::report::TExportOptions ExportOptions(const QCheckBox *greek, const QCheckBox *english,
                                          const QCheckBox *italian, const QCheckBox *text,
                                          const QCheckBox *page, const QCheckBox *desktop,
                                          const QString &fileName)
{
    using tav::report::TExportKind;
    tav::report::TExportOptions options;
    for (const tav::report::TExportLanguage language : tav::report::ExportLanguages)
        if (LanguageTicked(language, greek, english, italian))
            options.Languages.append(language);
    for (const auto &[kind, box] :
         {std::pair{TExportKind::Text, text}, {TExportKind::Page, page}, {TExportKind::Desktop, desktop}})
        if (box->isChecked())
            options.Kinds.append(kind);
    options.FileName = fileName;
    return options;
}

QStringList ListTexts(const QStringList &sql, const QString &param, const QVariant &value)
{
    TQuery &query = TavrolinDM().ComboQuery;
    query.Close();
    query.SQL().Clear();
    for (const QString &line : sql)
        query.SQL().Add(line);
    if (!param.isEmpty())
        query.ParamByName(param).SetValue(value);
    query.Open();
    QStringList texts;
    for (query.First(); !query.Eof(); query.Next())
        texts.append(query.Fields()[0].AsString());
    query.Close();
    return texts;
}

} // namespace tav::shared
