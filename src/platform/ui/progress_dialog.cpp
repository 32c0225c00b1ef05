#include "platform/ui/progress_dialog.h"

#include "platform/core/long_lived.h"
#include "platform/core/modal_result.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const char *const kCaption = "ΠΑΡΑΚΑΛΩ ΠΕΡΙΜΕΝΕΤΕ ΕΝΗΜΕΡΩΝΩ";
const char *const kCancelText = "ΑΚΥΡΩΣΗ";
constexpr int kLabelPixelHeight = 11;

} // namespace

TProgressDlg::TProgressDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ProgBar(new TProgressBar(this)), Label1(new QLabel(this)),
      BitBtn1(new QPushButton(QString::fromUtf8(kCancelText), this)), modalResult_(mrNone)
{
    setWindowTitle(QString::fromUtf8(kCaption));
    setFixedSize(392, 67);

    ProgBar->setGeometry(8, 8, 377, 16);
    ProgBar->SetStep(1);

    Label1->move(8, 37);
    Label1->resize(272, 16);
    QFont labelFont = Label1->font();
    labelFont.setPixelSize(kLabelPixelHeight);
    labelFont.setBold(true);
    Label1->setFont(labelFont);

    BitBtn1->setGeometry(288, 32, 99, 25);
    // Enter must not stop a long run by accident: the button is pressed on purpose only.
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
}

void TProgressDlg::reject()
{
    SetModalResult(mrCancel);
}

void TProgressDlg::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

TProgressDlg *ProgressDlg()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TProgressDlg *dialog = nullptr;
    return LongLived(dialog, [] { return new TProgressDlg; });
}
