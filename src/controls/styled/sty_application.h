#pragma once

#include "controls/styled/sty_errors.h"
#include "controls/styled/sty_procs.h"
#include "controls/styled/sty_timer_pool.h"

#include <QColor>
#include <QImage>
#include <QObject>

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>

class QLockFile;
class TStyIniCtrl;

// What the styled controls share in one process: whether themes are drawn, the repeating timers
// of held buttons, the settings store, the log file name and a few drawing resources.
class TStyApplication : public QObject
{
    Q_OBJECT

public:
    // Identifiers handed out by AddTimer: FirstTimerIdent .. FirstTimerIdent + TimerSlotCount - 1.
    static constexpr std::uint16_t FirstTimerIdent = 0xFD01;
    static constexpr int TimerSlotCount = 250;
    static constexpr int TickInterval = 50;

    TStyApplication();
    ~TStyApplication() override;

    TStyIniCtrl *IniCtrl() const { return iniCtrl_; }
    TStyTimerPool &TimerPool() { return *timerPool_; }

    // Another process of the same program held the one-instance lock when this one started.
    bool AlreadyRunning() const { return alreadyRunning_; }
    // Ticks per second of the high-resolution counter (QElapsedTimer counts nanoseconds).
    std::int64_t PerformanceFrequency() const { return performanceFrequency_; }
    // Size of one picture of the style's check box.
    int CheckBoxWidth() const { return checkBoxWidth_; }
    int CheckBoxHeight() const { return checkBoxHeight_; }

    // A repeating timer of the shared pool (tick TickInterval ms); returns its identifier. Raises
    // EOutOfResources when all identifiers are in use and the pool's errors for a bad interval.
    std::uint16_t AddTimer(int interval, TStyNotifyEvent event);
    // Identifiers that AddTimer did not hand out are ignored.
    void RemoveTimer(std::uint16_t ident);
    TStyTimerItem *GetTimer(std::uint16_t ident) const;

    // The themed look of the theme binding, seen from the application object.
    bool ThemesAvailable() const;
    bool UseThemes() const;
    // Switching on is refused while no themes are available; a switch tells every visible form.
    void SetUseThemes(bool value);

    TStyPathPrefix LogPrefix() const { return logPrefix_; }
    void SetLogPrefix(TStyPathPrefix value) { logPrefix_ = value; }
    QString LogFileName() const { return logFileName_; }
    // Empty: the program's name with ".LOG"; a name without extension gets ".LOG"; the file part
    // goes into the LogPrefix folder unless that is ppFixed.
    void SetLogFileName(const QString &name);

    // An 8 x 8 white image with the colour where the parities of x and y differ; kept and only
    // recoloured for another colour.
    const QImage &GetDitherBitmap(const QColor &color);

private:
    TStyIniCtrl *iniCtrl_;
    std::unique_ptr<TStyTimerPool> timerPool_;
    std::bitset<TimerSlotCount> timerSlots_;
    QColor ditherColor_;
    QImage ditherBitmap_;
    TStyPathPrefix logPrefix_ = ppProgram;
    QString logFileName_;
    std::int64_t performanceFrequency_;
    std::unique_ptr<QLockFile> instanceLock_;
    bool alreadyRunning_ = false;
    int checkBoxWidth_ = 0;
    int checkBoxHeight_ = 0;
};

namespace tav::styled {

// The one application object of the styled controls, made on first use.
TStyApplication &StyApplication();

// The error of a component that allows one instance: kind 0 for a wrong owner or a second one on
// a form, kind 1 for a second one in the program.
StyEOneInstError OneInstanceError(const QString &name, int kind);

// True when the rule of one instance is broken: the owner is not a window (nor, when allowed, a
// data module) or holds more than one component of the class. A null class breaks nothing.
bool CheckOneInstance(const QObject *owner, const QMetaObject *componentClass, bool allowDataModule);

} // namespace tav::styled
