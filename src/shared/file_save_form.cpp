#include "shared/file_save_form.h"

#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

QCheckBox *NewCheckBox(const char *caption, bool checked, QWidget *parent)
{
    auto *box = new QCheckBox(Text(caption), parent);
    box->setChecked(checked);
    return box;
}

QGroupBox *NewGroup(const char *caption, std::initializer_list<QCheckBox *> boxes, QWidget *parent)
{
    auto *group = new QGroupBox(Text(caption), parent);
    auto *layout = new QVBoxLayout(group);
    for (QCheckBox *box : boxes) {
        box->setParent(group);
        layout->addWidget(box);
    }
    return group;
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
