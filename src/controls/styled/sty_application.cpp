#include "controls/styled/sty_application.h"

#include "controls/styled/sty_theme.h"

#include "controls/styled/sty_ini_ctrl.h"
#include "controls/styled/sty_paths.h"
#include "platform/core/long_lived.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStyle>
#include <QWidget>

namespace {

// The program file's name without its folder.
QString ProgramFileName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

// The lock lives in the user's runtime folder, so that, like a named mutex of the session, it is
// shared by every start of the program under one login and vanishes with its holder.
std::unique_ptr<QLockFile> TakeInstanceLock(bool &alreadyRunning)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    auto lock =
        std::make_unique<QLockFile>(folder + QLatin1Char('/') + ProgramFileName().toUpper() + ".lock");
    lock->setStaleLockTime(0);
    alreadyRunning = !lock->tryLock(0) && lock->error() == QLockFile::LockFailedError;
    return lock;
}

} // namespace

TStyApplication::TStyApplication()
    : iniCtrl_(new TStyIniCtrl(this)), timerPool_(std::make_unique<TStyTimerPool>(nullptr, TickInterval)),
      performanceFrequency_(1'000'000'000)
{
    if (QCoreApplication::instance())
        instanceLock_ = TakeInstanceLock(alreadyRunning_);
    SetLogFileName(QString());
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        checkBoxWidth_ = QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth);
        checkBoxHeight_ = QApplication::style()->pixelMetric(QStyle::PM_IndicatorHeight);
    }
}

TStyApplication::~TStyApplication() = default;

std::uint16_t TStyApplication::AddTimer(int interval, TStyNotifyEvent event)
{
    int slot = 0;
    while (slot < TimerSlotCount && timerSlots_.test(std::size_t(slot)))
        ++slot;
    if (slot == TimerSlotCount)
        throw EOutOfResources(QStringLiteral("Δεν υπάρχουν άλλοι διαθέσιμοι χρονομετρητές"));
    const auto ident = std::uint16_t(FirstTimerIdent + slot);
    timerPool_->AddTimer(ident, interval, std::move(event));
    timerSlots_.set(std::size_t(slot));
    return ident;
}

void TStyApplication::RemoveTimer(std::uint16_t ident)
{
    if (ident < FirstTimerIdent || ident >= FirstTimerIdent + TimerSlotCount)
        return;
    timerPool_->RemoveTimer(ident);
    timerSlots_.reset(std::size_t(ident - FirstTimerIdent));
}

TStyTimerItem *TStyApplication::GetTimer(std::uint16_t ident) const
{
    return timerPool_->TimerByIdent(ident);
}

bool TStyApplication::ThemesAvailable() const
{
    return tav::styled::ThemesAvailable();
}

bool TStyApplication::UseThemes() const
{
    return tav::styled::GetUseThemes();
}

void TStyApplication::SetUseThemes(bool value)
{
    tav::styled::SetUseThemes(value);
}

void TStyApplication::SetLogFileName(const QString &name)
{
    QString fileName = name.isEmpty() ? QCoreApplication::applicationFilePath() : name;
    const QFileInfo info(fileName);
    if (name.isEmpty() || info.suffix().isEmpty())
        fileName = info.path() + QLatin1Char('/') + info.completeBaseName() + ".LOG";
    if (logPrefix_ == ppFixed)
        logFileName_ = name.isEmpty() ? fileName : name;
    else
        logFileName_ = tav::styled::PrefixPath(logPrefix_, true) + QFileInfo(fileName).fileName();
}

const QImage &TStyApplication::GetDitherBitmap(const QColor &color)
{
    if (ditherBitmap_.isNull() || color != ditherColor_) {
        ditherBitmap_ = QImage(8, 8, QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                ditherBitmap_.setPixelColor(x, y, (x + y) % 2 ? color : QColor(Qt::white));
        ditherColor_ = color;
    }
    return ditherBitmap_;
}

namespace tav::styled {

TStyApplication &StyApplication()
{
    static TStyApplication *application = nullptr;
    return *LongLived(application, [] { return new TStyApplication; });
}

StyEOneInstError OneInstanceError(const QString &name, int kind)
{
    if (kind == 0)
        return StyEOneInstError(name + ":\rInvalid owner (<>TForm) or second instance on a form");
    return StyEOneInstError(name + ":\rAlready one " + name + " control in this project!");
}

bool CheckOneInstance(const QObject *owner, const QMetaObject *componentClass, bool allowDataModule)
{
    if (!componentClass)
        return false;
    const auto *widget = qobject_cast<const QWidget *>(owner);
    const bool isForm = widget && widget->isWindow();
    const bool isDataModule = owner && !widget;
    if (!isForm && !(allowDataModule && isDataModule))
        return true;
    int count = 0;
    for (const QObject *child : owner->children())
        if (componentClass->cast(const_cast<QObject *>(child)))
            ++count;
    return count > 1;
}

} // namespace tav::styled
