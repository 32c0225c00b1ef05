#include "editors/ui/t_names_form.h"

#include "data/data_module.h"
#include "editors/team_name_aliases.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/ui/showing_errors.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace tav::editors;

namespace {

const char kCaption[] = "Ονόματα Ομάδων";
const char kNotStored[] = "Προσοχή!Δεν καταχωρήθηκε η ομάδα!";
const int kDropRows = 20;

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TTNamesForm::TTNamesForm(QWidget *parent)
    : QDialog(parent), DefaultPanel(new QWidget(this)), Edit1(new QLineEdit(DefaultPanel)),
      ComboBox1(new QComboBox(DefaultPanel)), ComboBox2(new QComboBox(DefaultPanel)),
      Button1(new QPushButton(Text("Νέα Ομάδα"), DefaultPanel)), BitBtn1(new QPushButton(Text("ΟΚ"), this)),
      BitBtn2(new QPushButton(Text("Άκυρο"), this)), BitBtn3(new QPushButton(Text("Έξοδος"), this)),
      NewPanel(new QWidget(this)), Label3(new QLabel(Text("Όνομα νέας ομάδας"), NewPanel)),
      Edit2(new QLineEdit(NewPanel)), Label4(new QLabel(NewPanel)),
      Button2(new QPushButton(Text("Σώσιμο"), NewPanel)), Button3(new QPushButton(Text("Ακύρωση"), NewPanel))
{
    setObjectName(QStringLiteral("TNamesForm"));
    setWindowTitle(Text(kCaption));
    Edit1->setReadOnly(true);
    for (QComboBox *list : {ComboBox1, ComboBox2})
        list->setMaxVisibleItems(kDropRows);
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);

    auto *fields = new QFormLayout(DefaultPanel);
    fields->addRow(Text("Όνομα:"), Edit1);
    fields->addRow(Text("Ομάδα :"), ComboBox1);
    fields->addRow(QString(), ComboBox2);
    fields->addRow(QString(), Button1);
    auto *newTeam = new QFormLayout(NewPanel);
    newTeam->addRow(Label3, Edit2);
    newTeam->addRow(QString(), Label4);
    auto *newButtons = new QHBoxLayout;
    newButtons->addWidget(Button2);
    newButtons->addWidget(Button3);
    newTeam->addRow(newButtons);
    NewPanel->hide();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *button : {BitBtn1, BitBtn2, BitBtn3})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DefaultPanel);
    layout->addWidget(NewPanel);
    layout->addLayout(buttons);

    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(ComboBox1, &QComboBox::activated, this, &TTNamesForm::ComboBox1Click);
    connect(ComboBox2, &QComboBox::activated, this, &TTNamesForm::ComboBox2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TTNamesForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TTNamesForm::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, [this] { done(mrAbort); });
    connect(Button1, &QPushButton::clicked, this, &TTNamesForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TTNamesForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TTNamesForm::Button3Click);
}

void TTNamesForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TTNamesForm::FormShow()
{
    ComboBox1->clear();
    ComboBox2->clear();
    ShowingErrors([this] {
        for (const TCountryTeamName &team : CountryTeamNames(TavrolinDM(), country_)) {
            ComboBox1->addItem(team.Name);
            ComboBox2->addItem(team.EnName);
        }
    });
    ComboBox1->setCurrentIndex(-1);
    ComboBox2->setCurrentIndex(-1);
}

void TTNamesForm::ComboBox1Click()
{
    ComboBox2->setCurrentIndex(ComboBox1->currentIndex());
}

void TTNamesForm::ComboBox2Click()
{
    ComboBox1->setCurrentIndex(ComboBox2->currentIndex());
}

// The dialog closes with OK whatever became of the store; a refusal has said why.
void TTNamesForm::BitBtn1Click()
{
    ShowingErrors([this] {
        if (StoreTeamAlias(TavrolinDM(), country_, Edit1->text(), ComboBox1->currentText()) ==
            TAliasStore::NoTeam)
            ShowMessage(Text(kNotStored));
    });
    done(mrOk);
}

void TTNamesForm::BitBtn2Click()
{
    done(mrCancel);
}

void TTNamesForm::Button1Click()
{
    NewPanel->show();
    ComboBox1->setEnabled(false);
    ComboBox2->setEnabled(false);
    TTavrolinDM &dm = TavrolinDM();
    ShowingErrors([&] {
        tav::data::OpenIfClosed(dm.Krath);
        if (dm.Krath.Locate(QStringLiteral("RecNo"), {country_}))
            Label4->setText(dm.Krath.FieldByName(QStringLiteral("Name")).AsString());
    });
}

// A refused team keeps the dialog open on the new-team panel.
void TTNamesForm::Button2Click()
{
    TAliasStore stored = TAliasStore::Refused;
    ShowingErrors([&] { stored = StoreNewTeam(TavrolinDM(), country_, Edit1->text(), Edit2->text()); });
    if (stored != TAliasStore::Stored)
        return;
    ShowDefaultPanel();
    done(mrOk);
}

void TTNamesForm::Button3Click()
{
    ShowDefaultPanel();
}

void TTNamesForm::reject()
{
    done(mrAbort);
}

void TTNamesForm::ShowDefaultPanel()
{
    ComboBox1->setEnabled(true);
    ComboBox2->setEnabled(true);
    NewPanel->hide();
    DefaultPanel->show();
    Edit2->clear();
}

TTNamesForm *TNamesForm()
{
    static TTNamesForm *form = nullptr;
    return LongLived(form, [] { return new TTNamesForm; });
}

int ResolveTeamName(const QString &name)
{
    TTavrolinDM &dm = TavrolinDM();
    const QVariant country = CurrentCompetitionCountry(dm);
    if (IsKnownTeamName(dm, country, name.toUpper()))
        return mrCancel;
    TTNamesForm *form = TNamesForm();
    form->SetCountry(country);
    form->Edit1->setText(name);
    return form->exec();
}
