#include "platform/ui/command_guard.h"

#include "platform/core/message_service.h"
#include "platform/db/dataset.h"
#include "platform/db/db_errors.h"

#include <QDebug>

#include <algorithm>
#include <new>

namespace {

const char *const kOutOfMemory = "Δεν υπάρχει αρκετή μνήμη για την εργασία.\n"
                                 "Κλείστε κάποια παράθυρα και δοκιμάστε ξανά.";
const char *const kUnexpected = "Η εργασία διακόπηκε από απρόβλεπτο σφάλμα.\n"
                                "Το πρόγραμμα συνεχίζει· αν το σφάλμα επαναληφθεί, επικοινωνήστε μαζί μας.";
constexpr std::size_t kMostDataSets = 64;

std::vector<TDataSet *> &GuardedDataSets()
{
    static std::vector<TDataSet *> dataSets;
    return dataSets;
}

bool Editing(const TDataSet &dataSet)
{
    return dataSet.State() == TDataSetState::dsEdit || dataSet.State() == TDataSetState::dsInsert;
}

quint64 EditingNow()
{
    quint64 editing = 0;
    const std::vector<TDataSet *> &dataSets = GuardedDataSets();
    for (std::size_t i = 0; i < dataSets.size(); ++i)
        if (Editing(*dataSets[i]))
            editing |= quint64(1) << i;
    return editing;
}

// Cancels what the command left half-written, details before their masters (the later ones).
void CancelStartedEdits(quint64 editingBefore)
{
    const std::vector<TDataSet *> &dataSets = GuardedDataSets();
    for (std::size_t i = dataSets.size(); i-- > 0;) {
        if ((editingBefore >> i) & 1 || !Editing(*dataSets[i]))
            continue;
        try {
            dataSets[i]->Cancel();
        } catch (...) {
            // A dataset that cannot even cancel is left to the user's next action on it.
        }
    }
}

void Show(const QString &text)
{
    static bool showing = false;
    if (showing) {
        qWarning().noquote() << text;
        return;
    }
    showing = true;
    try {
        MessageDlg(text, mtError, {mbOK});
    } catch (...) {
        qWarning().noquote() << text;
    }
    showing = false;
}

} // namespace

void SetGuardedDataSets(std::vector<TDataSet *> dataSets)
{
    Q_ASSERT(dataSets.size() <= kMostDataSets);
    dataSets.resize(std::min(dataSets.size(), kMostDataSets));
    GuardedDataSets() = std::move(dataSets);
}

QString ErrorText(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const EAbort &) {
        return QString();
    } catch (const Exception &platformError) {
        return platformError.Message();
    } catch (const std::bad_alloc &) {
        return QString::fromUtf8(kOutOfMemory);
    } catch (const std::exception &other) {
        return QString::fromUtf8(kUnexpected) + QStringLiteral("\n\n") + QString::fromLocal8Bit(other.what());
    } catch (...) {
        return QString::fromUtf8(kUnexpected);
    }
}

TCommandGuard::TCommandGuard() : editing_(EditingNow()) {}

void TCommandGuard::Failed() const noexcept
{
    const std::exception_ptr error = std::current_exception();
    CancelStartedEdits(editing_);
    QString text;
    try {
        text = ErrorText(error);
    } catch (...) {
        text = QString::fromUtf8(kUnexpected);
    }
    if (!text.isEmpty())
        Show(text);
}

bool RunGuarded(const std::function<void()> &command)
{
    const TCommandGuard guard;
    try {
        command();
        return true;
    } catch (...) {
        guard.Failed();
        return false;
    }
}
