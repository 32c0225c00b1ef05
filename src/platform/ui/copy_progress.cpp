#include "platform/ui/copy_progress.h"

#include "platform/core/message_service.h"
#include "platform/ui/application.h"
#include "platform/ui/progress_bar.h"

#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kTitle = "Παρακαλώ περιμένετε να ολοκληρωθεί η αντιγραφή των αρχείων";

// The progress window of one copy: the title, a bar and a cancel button, no file names.
class CopyProgressWindow : public QDialog
{
public:
    explicit CopyProgressWindow(QWidget *owner)
        : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
          bar_(new TProgressBar(this))
    {
        setWindowTitle(QString::fromUtf8(kTitle));
        setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QString::fromUtf8(kTitle), this));
        layout->addWidget(bar_);
        auto *cancel = new QPushButton(ButtonText(mbCancel), this);
        cancel->setAutoDefault(false);
        layout->addWidget(cancel, 0, Qt::AlignRight);
        connect(cancel, &QPushButton::clicked, this, &CopyProgressWindow::reject);
    }

    bool Cancelled() const { return cancelled_; }

    bool Advance(const FileCopyProgress &progress)
    {
        bar_->SetMax(progress.total);
        bar_->SetPosition(progress.done);
        ProcessMessages();
        return !cancelled_;
    }

    // Escape and the cancel button stop the copy before the next file; the window closes when
    // the copy returns.
    void reject() override { cancelled_ = true; }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        cancelled_ = true;
        event->ignore();
    }

private:
    TProgressBar *bar_;
    bool cancelled_ = false;
};

} // namespace

FileCopyResult CopyFilesWithProgress(QWidget *owner, const QString &sourcePattern,
                                     const QString &targetFolder, const FileNameTest &leaveOut)
{
    CopyProgressWindow window(owner);
    window.show();
    ProcessMessages();
    return CopyFiles(
        sourcePattern, targetFolder,
        [&window](const FileCopyProgress &progress) { return window.Advance(progress); }, leaveOut);
}
