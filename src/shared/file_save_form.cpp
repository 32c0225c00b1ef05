#include "shared/file_save_form.h"

#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"
#include "shared/dialog_parts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using tav::shared::NewCheckBox;
using tav::shared::NewGroup;

namespace {

const char *const kCaption = "Επιλογή Δημιουργίας Αρχείων";
const char *const kLanguage = "Γλώσσα";
const char *const kGreek = "Ελληνικά";
const char *const kEnglish = "Αγγλικά";
const char *const kItalian = "Ιταλικά";
const char *const kKind = "Είδος Αρχείου";
const char *const kText = "Αρχείο Κειμένου";
const char *const kPage = "Σελίδα Internet";
const char *const kQXpress = "Κείμενο για QXpress";
const char *const kName = "Όνομα Αρχείου :";
const char *const kOk = "&OK";
const char *const kCancel = "&Άκυρο";

QString Text(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

TFileSaveForm::TFileSaveForm(QWidget *parent)
    : QDialog(parent), CheckBoxGR(NewCheckBox(kGreek, true, this)),
      CheckBoxEn(NewCheckBox(kEnglish, true, this)), CheckBoxIt(NewCheckBox(kItalian, true, this)),
      CheckBoxTxt(NewCheckBox(kText, false, this)), CheckBoxHtm(NewCheckBox(kPage, true, this)),
      CheckBoxDoc(NewCheckBox(kQXpress, false, this)), NameLabel(new QLabel(Text(kName), this)),
      FNameEdit(new QLineEdit(this)), OkBtn(new QPushButton(Text(kOk), this)),
      CancelBtn(new QPushButton(Text(kCancel), this))
{
    setObjectName(QStringLiteral("FileSaveForm"));
    setWindowTitle(Text(kCaption));
    LanguageGroup = NewGroup(kLanguage, {CheckBoxGR, CheckBoxEn, CheckBoxIt}, this);
    KindGroup = NewGroup(kKind, {CheckBoxTxt, CheckBoxHtm, CheckBoxDoc}, this);
    NameLabel->setBuddy(FNameEdit);
    OkBtn->setDefault(true);

    auto *groups = new QHBoxLayout;
    groups->addWidget(LanguageGroup);
    groups->addWidget(KindGroup);
    auto *name = new QHBoxLayout;
    name->addWidget(NameLabel);
    name->addWidget(FNameEdit, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(name);
    layout->addLayout(buttons);
    // A fixed dialog border: the dialog keeps the size its contents ask for.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OkBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

int TFileSaveForm::ExecuteSave(const QString &FileName)
{
    FNameEdit->setText(FileName);
    FNameEdit->setFocus();
    return exec();
}

void TFileSaveForm::reject()
{
    done(mrCancel);
}

TFileSaveForm *FileSaveForm()
{
    static TFileSaveForm *form = nullptr;
    return LongLived(form, [] { return new TFileSaveForm; });
}

bool TFileSaveForm::LanguageTicked(tav::report::TExportLanguage language) const
{
    return tav::shared::LanguageTicked(language, CheckBoxGR, CheckBoxEn, CheckBoxIt);
}

tav::report::TExportOptions TFileSaveForm::ExportOptions() const
{
    return tav::shared::ExportOptions(CheckBoxGR, CheckBoxEn, CheckBoxIt, CheckBoxTxt, CheckBoxHtm,
                                      CheckBoxDoc, FNameEdit->text());
}
