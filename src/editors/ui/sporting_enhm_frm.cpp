#include "editors/ui/sporting_enhm_frm.h"

#include "editors/result_pages.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/paths.h"
#include "platform/core/text_file.h"
#include "platform/net/html_document.h"
#include "platform/ui/showing_errors.h"
#include "platform/ui/wait_cursor.h"
#include "report/export_folders.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace tav::editors;

namespace {

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TSportingEnhmFrm::TSportingEnhmFrm(QWidget *parent)
    : QDialog(parent), EdtURL(new QComboBox(this)), BitBtn1(new QPushButton(QStringLiteral("GO!"), this)),
      RichEdit1(new QPlainTextEdit(this)), BitBtn2(new QPushButton(Text("ΑΠΟΘΗΚΕΥΣΗ"), this)),
      BitBtn3(new QPushButton(Text("Ε&πιστροφή"), this)), SaveDialog1(new QFileDialog(this))
{
    setObjectName(QStringLiteral("SportingEnhmFrm"));
    setWindowTitle(Text("Ενημέρωση Αρχείων ΑΓΓΛΙΑΣ, ΣΚΩΤΙΑΣ,ΕΛΛΑΔΑΣ"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    EdtURL->setEditable(true);
    EdtURL->setInsertPolicy(QComboBox::NoInsert);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setNameFilter(Text("Αρχεία κειμένου (*.txt)"));
    SaveDialog1->setDefaultSuffix(QStringLiteral("txt"));
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
    // The chosen file is replaced without a question, as the command says it is.
    SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("URL"), this));
    top->addWidget(EdtURL, 1);
    top->addWidget(BitBtn1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(BitBtn2);
    bottom->addWidget(BitBtn3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(RichEdit1, 1);
    layout->addLayout(bottom);

    connect(BitBtn1, &QPushButton::clicked, this, &TSportingEnhmFrm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TSportingEnhmFrm::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::accept);
}

void TSportingEnhmFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TSportingEnhmFrm::FormShow()
{
    const QString links = ProgramFolder() + QStringLiteral("/SportingLinks.txt");
    if (QFile::exists(links)) {
        ShowingErrors([&] {
            const QStringList addresses = ReadTextLines(links);
            EdtURL->clear();
            EdtURL->addItems(addresses);
        });
    }
    if (EdtURL->count() > 0)
        EdtURL->setCurrentIndex(0);
}

void TSportingEnhmFrm::BitBtn1Click()
{
    ShowMessage(Text("Παρακαλώ βεβαιώσου ότι είσαι συνδεδεμένος στο Internet!"));
    const QString address = EdtURL->currentText().trimmed();
    if (address.isEmpty()) {
        ShowMessage(Text("Παρακαλώ επιλέξτε μία διεύθυνση!"));
        return;
    }
    RichEdit1->clear();
    ShowingErrors([&] {
        TWaitCursor wait;
        const THtmlDocument document = LoadHtmlDocument(QUrl::fromUserInput(address), PageTimeout);
        TPageWalker walker(TPageKind::Table, QDate::currentDate().year(),
                           [](const QString &message) { ShowMessage(message); });
        RichEdit1->setPlainText(walker.Walk(document).join(QLatin1Char('\n')));
    });
}

void TSportingEnhmFrm::BitBtn2Click()
{
    ShowingErrors([this] {
        SaveDialog1->setDirectory(tav::report::ResultTextFolder(tav::report::TResultSpan::LastMatchday));
        if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
            return;
        WriteTextLines(SaveDialog1->selectedFiles().constFirst(),
                       RichEdit1->toPlainText().split(QLatin1Char('\n')));
    });
}

TSportingEnhmFrm *SportingEnhmFrm()
{
    static TSportingEnhmFrm *form = nullptr;
    return LongLived(form, [] { return new TSportingEnhmFrm; });
}
