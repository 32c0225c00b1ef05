#include "analysis/ui/standings_window.h"

#include "platform/db/data_source.h"
#include "platform/ui/db_image.h"
#include "platform/ui/up_down_edit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tav::analysis {

namespace {

const char GroupLabelCaption[] = "Όμιλος";
const char GlvsaCaption[] = "Ονόματα Ομάδων";
const char GreekNamesCaption[] = "Ελληνικά";
const char LatinNamesCaption[] = "Λατινικά";
const char AgvnButtonCaption[] = "Αποτελέσματα";

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

TStandingsChoicesView NewStandingsChoices(QWidget *window)
{
    TStandingsChoicesView view;
    view.Label2 = new QLabel(Text(GroupLabelCaption), window);
    view.OmiloiEdit = new TUpDownEdit(window);
    view.OmiloiEdit->SetMin(0);
    view.OmiloiEdit->SetPosition(0);

    view.GlvsaRadio = new QGroupBox(Text(GlvsaCaption), window);
    view.GlvsaButtons = new QButtonGroup(view.GlvsaRadio);
    auto *radioLayout = new QHBoxLayout(view.GlvsaRadio);
    const char *const names[] = {GreekNamesCaption, LatinNamesCaption};
    for (int i = 0; i < 2; ++i) {
        auto *button = new QRadioButton(Text(names[i]), view.GlvsaRadio);
        view.GlvsaButtons->addButton(button, i);
        radioLayout->addWidget(button);
    }
    view.GlvsaButtons->button(0)->setChecked(true);

    view.AgvnButton = new QPushButton(Text(AgvnButtonCaption), window);
    return view;
}

TCountryFlagView NewCountryFlag(QWidget *window, TDataSet *countries)
{
    TCountryFlagView view;
    view.DataSource1 = new TDataSource(window);
    if (countries)
        view.DataSource1->SetDataSet(countries);
    view.DBImage1 = new TDBImage(window);
    view.DBImage1->SetDataSource(view.DataSource1);
    view.DBImage1->SetDataField(QStringLiteral("Flag"));
    view.DBImage1->SetStretch(true);
    view.DBImage1->setFixedSize(64, 42);
    return view;
}

TStandingsGridView NewStandingsLayout(QWidget *window, std::initializer_list<QWidget *> bar)
{
    auto *top = new QHBoxLayout;
    for (QWidget *widget : bar)
        top->addWidget(widget);
    top->addStretch();
    auto *layout = new QVBoxLayout(window);
    layout->addLayout(top);
    return NewStandingsGrid(window, layout);
}

} // namespace tav::analysis
