#include "editors/ui/get_files_frm.h"

#include "editors/web_download.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"
#include "platform/core/text_file.h"
#include "platform/ui/application.h"
#include "platform/ui/progress_dialog.h"
#include "platform/ui/showing_errors.h"
#include "shared/dialog_parts.h"

#include <QButtonGroup>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace tav::editors;
using tav::report::TResultSpan;

namespace {

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString SelectionFile()
{
    return ProgramFolder() + QStringLiteral("/selDownload.txt");
}

} // namespace

TGetFilesFrm::TGetFilesFrm(QWidget *parent)
    : QDialog(parent), GroupBox1(new QGroupBox(Text("ΛΗΨΗ ΑΡΧΕΙΩΝ ΑΠΟ INTERNET"), this)),
      DiorgListBox(new QListWidget(this)), RdGroup(new QButtonGroup(this)),
      BitBtn1(new QPushButton(Text("ΛΗΨΗ ΑΡΧΕΙΟΥ"), this)),
      BitBtn2(new QPushButton(Text("ΑΠΟΘΗΚΕΥΣΗ"), this)),
      BitBtn3(new QPushButton(Text("ΠΡΟΒΟΛΗ ΔΕΛΤΙΟΥ"), this)), Memo1(new QPlainTextEdit(this)),
      OpenDialog1(new QFileDialog(this))
{
    setObjectName(QStringLiteral("GetFilesFrm"));
    setWindowTitle(Text("ΑΥΤΟΜΑΤΗ ΕΝΗΜΕΡΩΣΗ ΑΠΟ  INTERNET"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(QFont(QStringLiteral("Arial")));

    auto *options = new QGroupBox(Text("ΕΠΙΛΟΓΕΣ"), GroupBox1);
    auto *optionsLayout = new QVBoxLayout(options);
    const char *const items[] = {"Όλες οι αγωνιστικές", "Τελευταία αγωνιστική"};
    for (int index = 0; index < 2; ++index) {
        auto *button = new QRadioButton(Text(items[index]), options);
        RdGroup->addButton(button, index);
        optionsLayout->addWidget(button);
    }
    RdGroup->button(0)->setChecked(true);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {BitBtn1, BitBtn2, BitBtn3})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *top = new QHBoxLayout(GroupBox1);
    top->addWidget(DiorgListBox, 2);
    top->addWidget(options, 1);
    top->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(Memo1, 1);

    connect(BitBtn1, &QPushButton::clicked, this, &TGetFilesFrm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TGetFilesFrm::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TGetFilesFrm::BitBtn3Click);
}

void TGetFilesFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TGetFilesFrm::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

void TGetFilesFrm::FormShow()
{
    ShowingErrors([this] {
        FillCategoryList();
        if (!QFile::exists(SelectionFile()))
            return;
        for (const QString &name : ReadTextLines(SelectionFile())) {
            for (int row = 0; row < DiorgListBox->count(); ++row) {
                QListWidgetItem *item = DiorgListBox->item(row);
                if (item->text().compare(name, Qt::CaseInsensitive) == 0)
                    item->setCheckState(Qt::Checked);
            }
        }
    });
}

void TGetFilesFrm::FormClose()
{
    ShowingErrors([this] { WriteTextLines(SelectionFile(), Ticked()); });
}

void TGetFilesFrm::FillCategoryList()
{
    DiorgListBox->clear();
    for (const QString &name : tav::shared::ListTexts(
             {QStringLiteral("Select GrName from Kathgories order by Kathgories.GrName")})) {
        auto *item = new QListWidgetItem(name, DiorgListBox);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    DiorgListBox->setCurrentRow(0);
}

QStringList TGetFilesFrm::Ticked() const
{
    QStringList ticked;
    for (int row = 0; row < DiorgListBox->count(); ++row) {
        if (DiorgListBox->item(row)->checkState() == Qt::Checked)
            ticked.append(DiorgListBox->item(row)->text());
    }
    return ticked;
}

TResultSpan TGetFilesFrm::Span() const
{
    return RdGroup->checkedId() == 1 ? TResultSpan::LastMatchday : TResultSpan::AllMatchdays;
}

void TGetFilesFrm::BitBtn1Click()
{
    const QStringList ticked = Ticked();
    TProgressDlg *progress = ProgressDlg();
    progress->SetModalResult(mrNone);
    progress->setWindowTitle(windowTitle());
    progress->ProgBar->SetMin(0);
    progress->ProgBar->SetMax(int(ticked.size()));
    progress->ProgBar->SetPosition(0);
    progress->show();

    TWebDownload download(Span(), PageTimeout);
    download.OnCategory = [progress](const QString &name) {
        progress->ProgBar->StepBy(1);
        progress->Label1->setText(Text("Λήψη ") + name);
        progress->Label1->repaint();
        ProcessMessages();
    };
    download.Cancelled = [progress] { return progress->ModalResult() == mrCancel; };
    download.OnPane = [this](const QStringList &lines) {
        Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    };
    TDownloadResult result;
    const bool ran = ShowingErrors([&] { result = download.Run(ticked); });
    progress->hide();
    if (ran && !result.Failures.isEmpty())
        MessageDlg(DownloadFailureMessage(result.Failures), mtWarning, {mbOK});
}

void TGetFilesFrm::BitBtn2Click()
{
    ShowingErrors([this] {
        TWebDownload(Span(), PageTimeout).SaveTexts(Ticked(), Memo1->toPlainText().split(QLatin1Char('\n')));
    });
}

void TGetFilesFrm::BitBtn3Click()
{
    OpenDialog1->setDirectory(ProgramFolder() + QStringLiteral("/HtmlData"));
    if (OpenDialog1->exec() != QDialog::Accepted || OpenDialog1->selectedFiles().isEmpty())
        return;
    const QString path = OpenDialog1->selectedFiles().constFirst();
    ShowingErrors([&] { Memo1->setPlainText(ReadTextLines(path).join(QLatin1Char('\n'))); });
}

TGetFilesFrm *GetFilesFrm()
{
    static TGetFilesFrm *form = nullptr;
    return LongLived(form, [] { return new TGetFilesFrm; });
}
