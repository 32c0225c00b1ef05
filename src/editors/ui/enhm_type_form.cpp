#include "editors/ui/enhm_type_form.h"

#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"
#include "platform/core/text_file.h"
#include "platform/ui/showing_errors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QVBoxLayout>

using namespace tav::editors;

namespace {

const char kCaption[] = "Τύπος Ενημέρωσης";
const char kFilter[] = "Τύποι Ενημέρωσης (*.fte)";
const char kFrom[] = "Από Θέση :";
const char kLength[] = "Μήκος :";
const char kFormat[] = "Μορφή";
const char *const kDateTypes[] = {"ηη/μμ/εεεε", "μμ/ηη/εεεε", "μμμ ηη, εεεε", "ηη gennaio εεεε",
                                  "dddd d mmmm "};
const char *const kScoreTypes[] = {"nn - nn", "[n] - [n]", "n - n"};

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QFileDialog *NewLayoutDialog(QFileDialog::AcceptMode mode, QWidget *parent)
{
    auto *dialog = new QFileDialog(parent);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilter(Text(kFilter));
    dialog->setDefaultSuffix(QStringLiteral("fte"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    return dialog;
}

// A group of a start box, a length box and, for the date and the score, a format choice.
QGroupBox *Group(const char *caption, QLineEdit *start, QLineEdit *length, QComboBox *format, QWidget *parent)
{
    auto *group = new QGroupBox(Text(caption), parent);
    auto *form = new QFormLayout(group);
    form->addRow(Text(kFrom), start);
    form->addRow(Text(kLength), length);
    if (format)
        form->addRow(Text(kFormat), format);
    return group;
}

} // namespace

TEnhmTypeForm::TEnhmTypeForm(QWidget *parent)
    : QDialog(parent), DateStart(new QLineEdit(this)), DateLen(new QLineEdit(this)),
      DateType(new QComboBox(this)), DateDivision(new QCheckBox(Text("Χωρίζει Αγωνιστικές"), this)),
      GhpStart(new QLineEdit(this)), GhpLen(new QLineEdit(this)), FilStart(new QLineEdit(this)),
      FilLen(new QLineEdit(this)), ScoreStart(new QLineEdit(this)), ScoreLen(new QLineEdit(this)),
      ScoreType(new QComboBox(this)),
      LineDivision(new QCheckBox(Text("Αγωνιστικές χωρίζονται με γραμμή"), this)),
      Button1(new QPushButton(Text("Άνοιγμα"), this)), Button2(new QPushButton(Text("Σώσιμο"), this)),
      BitBtn1(new QPushButton(Text("OK"), this)), BitBtn2(new QPushButton(Text("Άκυρο"), this)),
      OpenDialog(NewLayoutDialog(QFileDialog::AcceptOpen, this)),
      SaveDialog(NewLayoutDialog(QFileDialog::AcceptSave, this))
{
    setObjectName(QStringLiteral("EnhmTypeForm"));
    setWindowTitle(Text(kCaption));
    for (const char *caption : kDateTypes)
        DateType->addItem(Text(caption));
    for (const char *caption : kScoreTypes)
        ScoreType->addItem(Text(caption));
    DateType->setCurrentIndex(-1);
    ScoreType->setCurrentIndex(-1);

    QGroupBox *date = Group("Ημερομηνία", DateStart, DateLen, DateType, this);
    static_cast<QFormLayout *>(date->layout())->addRow(DateDivision);
    auto *groups = new QHBoxLayout;
    groups->addWidget(date);
    groups->addWidget(Group("Γηπεδούχος", GhpStart, GhpLen, nullptr, this));
    groups->addWidget(Group("Φιλοξενούμενη", FilStart, FilLen, nullptr, this));
    groups->addWidget(Group("Σκόρ", ScoreStart, ScoreLen, ScoreType, this));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(LineDivision);
    bottom->addStretch(1);
    for (QPushButton *button : {Button1, Button2, BitBtn1, BitBtn2})
        bottom->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(bottom);
    BitBtn1->setDefault(true);

    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(Button1, &QPushButton::clicked, this, &TEnhmTypeForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TEnhmTypeForm::Button2Click);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

TResultLayout TEnhmTypeForm::Layout() const
{
    TResultLayout layout;
    layout.DateStart = DateStart->text();
    layout.DateLen = DateLen->text();
    layout.GhpStart = GhpStart->text();
    layout.GhpLen = GhpLen->text();
    layout.FilStart = FilStart->text();
    layout.FilLen = FilLen->text();
    layout.ScoreStart = ScoreStart->text();
    layout.ScoreLen = ScoreLen->text();
    layout.DateType = DateType->currentIndex();
    layout.ScoreType = ScoreType->currentIndex();
    layout.DateDivision = DateDivision->isChecked();
    layout.LineDivision = LineDivision->isChecked();
    return layout;
}

void TEnhmTypeForm::SetLayout(const TResultLayout &layout)
{
    DateStart->setText(layout.DateStart);
    DateLen->setText(layout.DateLen);
    GhpStart->setText(layout.GhpStart);
    GhpLen->setText(layout.GhpLen);
    FilStart->setText(layout.FilStart);
    FilLen->setText(layout.FilLen);
    ScoreStart->setText(layout.ScoreStart);
    ScoreLen->setText(layout.ScoreLen);
    DateType->setCurrentIndex(layout.DateType);
    ScoreType->setCurrentIndex(layout.ScoreType);
    DateDivision->setChecked(layout.DateDivision);
    LineDivision->setChecked(layout.LineDivision);
}

void TEnhmTypeForm::Button1Click()
{
    if (OpenDialog->exec() != QDialog::Accepted || OpenDialog->selectedFiles().isEmpty())
        return;
    const QString path = OpenDialog->selectedFiles().constFirst();
    ShowingErrors([&] { OpenLayoutFile(path); });
}

void TEnhmTypeForm::Button2Click()
{
    if (SaveDialog->exec() != QDialog::Accepted || SaveDialog->selectedFiles().isEmpty())
        return;
    const QString path = SaveDialog->selectedFiles().constFirst();
    ShowingErrors([&] { SaveLayoutFile(path); });
}

// The boxes read before a line that is no number keep their new values.
void TEnhmTypeForm::OpenLayoutFile(const QString &path)
{
    setWindowTitle(path);
    TResultLayout layout = Layout();
    const auto show = qScopeGuard([&] { SetLayout(layout); });
    ReadLayoutFileLines(ReadTextLines(path), layout);
}

void TEnhmTypeForm::SaveLayoutFile(const QString &path)
{
    setWindowTitle(path);
    WriteTextLines(path, LayoutFileLines(Layout()));
}

TEnhmTypeForm *EnhmTypeForm()
{
    static TEnhmTypeForm *form = nullptr;
    return LongLived(form, [] { return new TEnhmTypeForm; });
}
