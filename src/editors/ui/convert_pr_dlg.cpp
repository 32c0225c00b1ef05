#include "editors/ui/convert_pr_dlg.h"

#include "editors/saved_page_convert.h"
#include "platform/core/errors.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/paths.h"
#include "platform/core/text_file.h"
#include "platform/net/page_text.h"
#include "platform/ui/up_down_edit.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TConvertPRDlg::TConvertPRDlg(QWidget *parent)
    : QDialog(parent), Edit1(new QLineEdit(this)), SpeedButton1(new QToolButton(this)),
      UpDown1(new TUpDownEdit(this)), Edit2(UpDown1->Edit),
      BitBtn1(new QPushButton(Text("&ΑΠΟΘΗΚΕΥΣΗ"), this)), BitBtn2(new QPushButton(Text("&ΕΠΙΣΤΡΟΦΗ"), this)),
      RichEdit1(new QPlainTextEdit(this)), OpenDialog1(new QFileDialog(this)),
      SaveDialog1(new QFileDialog(this))
{
    setObjectName(QStringLiteral("ConvertPRDlg"));
    setWindowTitle(Text("ΜΕΤΑΤΡΟΠΗ ΑΡΧΕΙΩΝ ΑΓΓΛΙΑΣ , ΣΚΩΤΙΑΣ"));
    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setAutoRaise(true);
    UpDown1->SetMin(1990);
    UpDown1->SetMax(2100);
    UpDown1->SetWrap(false);
    UpDown1->SetPosition(2002);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setNameFilters({Text("Αρχεία HTM (*.htm)"), Text("Αρχεία Ιστοσελίδων (*.html)")});
    OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setNameFilter(Text("Αρχεία Κειμένου (*.txt)"));
    SaveDialog1->setDefaultSuffix(QStringLiteral("txt"));
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
    // The chosen file is replaced without a question, as the command says it is.
    SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite);

    auto *panel = new QFrame(this);
    auto *top = new QHBoxLayout(panel);
    top->addWidget(new QLabel(Text("ΕΠΙΛΕΞΤΕ ΑΡΧΕΙΟ"), panel));
    top->addWidget(Edit1, 1);
    top->addWidget(SpeedButton1);
    top->addWidget(new QLabel(Text("Έτος"), panel));
    top->addWidget(UpDown1);
    top->addWidget(BitBtn1);
    top->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(RichEdit1, 1);

    connect(SpeedButton1, &QToolButton::clicked, this, &TConvertPRDlg::SpeedButton1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TConvertPRDlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TConvertPRDlg::SpeedButton1Click()
{
    OpenDialog1->setDirectory(ProgramFolder());
    if (OpenDialog1->exec() != QDialog::Accepted || OpenDialog1->selectedFiles().isEmpty())
        return;
    const QString path = OpenDialog1->selectedFiles().constFirst();
    Edit1->setText(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageDlg(Text("Το αρχείο %1 δεν ανοίγει").arg(path), mtError, {mbOK});
        return;
    }
    RichEdit1->setPlainText(DecodePage(file.readAll(), QString()));
}

void TConvertPRDlg::BitBtn1Click()
{
    SaveDialog1->setDirectory(QFileInfo(Edit1->text()).absolutePath());
    const QStringList chosen = OpenDialog1->selectedFiles();
    const QString proposed = chosen.isEmpty() ? QString() : QFileInfo(chosen.constFirst()).fileName();
    SaveDialog1->selectFile(QString(proposed).remove(QStringLiteral(".htm")));
    if (SaveDialog1->exec() == QDialog::Accepted && !SaveDialog1->selectedFiles().isEmpty())
        ConvertSavedPage();
}

void TConvertPRDlg::ConvertSavedPage()
{
    const QString path = SaveDialog1->selectedFiles().constFirst();
    const QStringList rows = tav::editors::ConvertSavedPage(
        RichEdit1->toPlainText().split(QLatin1Char('\n')), UpDown1->Position(),
        [] { MessageDlg(Text("Η μορφή ημερομηνίας δεν είναι έγκυρη!"), mtError, {mbOK}); });
    try {
        WriteTextLines(path, rows);
    } catch (const EInOutError &) {
        MessageDlg(Text("Σφάλμα ! Το αρχείο πιθανόν χρησιμοποιείται από άλλη εφαρμογή!"), mtError, {mbOK});
    }
}

TConvertPRDlg *ConvertPRDlg()
{
    static TConvertPRDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TConvertPRDlg; });
}
