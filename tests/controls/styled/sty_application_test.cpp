#include "controls/styled/sty_application.h"
#include "controls/styled/sty_ini_ctrl.h"
#include "platform/core/paths.h"
#include "sty_style_guard.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdio>

using tav::styled::StyApplication;

namespace {

TEST(StyApplication, HandsOutTimerIdentifiersFromItsOwnRange)
{
    TStyApplication &application = StyApplication();
    EXPECT_EQ(application.TimerPool().MinInterval(), 50);
    const std::uint16_t first = application.AddTimer(100, {});
    const std::uint16_t second = application.AddTimer(150, {});
    EXPECT_EQ(first, 64769);
    EXPECT_EQ(second, 64770);
    EXPECT_EQ(application.GetTimer(second)->Ticks(), 3);
    EXPECT_THROW(application.AddTimer(120, {}), EStyError);

    application.RemoveTimer(5);
    application.RemoveTimer(first);
    EXPECT_EQ(application.GetTimer(first), nullptr);
    EXPECT_EQ(application.AddTimer(50, {}), 64769) << "a freed identifier is handed out again";

    for (int i = 2; i < TStyApplication::TimerSlotCount; ++i)
        application.AddTimer(50, {});
    EXPECT_EQ(application.TimerPool().Count(), 250);
    EXPECT_THROW(application.AddTimer(50, {}), EOutOfResources);
    for (std::uint16_t ident = 64769; ident < 64769 + 250; ++ident)
        application.RemoveTimer(ident);
    EXPECT_FALSE(application.TimerPool().TimerRunning());
}

TEST(StyApplication, LogFileNamesGoToThePrefixFolder)
{
    TStyApplication &application = StyApplication();
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    EXPECT_EQ(application.LogFileName(), ProgramFolder() + "/" + program + ".LOG");
    const struct
    {
        TStyPathPrefix prefix;
        QString name, expected;
    } cases[] = {{ppProgram, "", ProgramFolder() + "/" + program + ".LOG"},
                 {ppProgram, "x", ProgramFolder() + "/x.LOG"},
                 {ppWindows, "logs/run.txt", ConfigFolder() + "/run.txt"},
                 {ppSystem, "x", "/etc/x.LOG"},
                 {ppFixed, "/var/tmp/run.log", "/var/tmp/run.log"}};
    for (const auto &[prefix, name, expected] : cases) {
        application.SetLogPrefix(prefix);
        application.SetLogFileName(name);
        EXPECT_EQ(application.LogFileName(), expected) << name.toStdString();
    }
}

TEST(StyApplication, SeesTheThemedLookOfTheBinding)
{
    TStyleGuard guard;
    TStyApplication &application = StyApplication();
    TStyleGuard::Use("Fusion");
    application.SetUseThemes(true);
    EXPECT_TRUE(application.ThemesAvailable());
    EXPECT_TRUE(application.UseThemes());
    application.SetUseThemes(false);
    EXPECT_FALSE(tav::styled::UseThemes()) << "one switch for the whole library";

    TStyleGuard::Use("Windows");
    application.SetUseThemes(true);
    EXPECT_FALSE(application.ThemesAvailable());
    EXPECT_FALSE(application.UseThemes()) << "refused while the style draws no themes";
}

TEST(StyApplication, DitherBitmapAndCheckBoxSize)
{
    TStyApplication &application = StyApplication();
    const QImage &dither = application.GetDitherBitmap(Qt::red);
    EXPECT_EQ(dither.size(), QSize(8, 8));
    EXPECT_EQ(dither.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(dither.pixelColor(1, 0), QColor(Qt::red));
    EXPECT_EQ(dither.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(application.GetDitherBitmap(Qt::blue).pixelColor(0, 1), QColor(Qt::blue));
    EXPECT_GT(application.CheckBoxWidth(), 0);
    EXPECT_GT(application.CheckBoxHeight(), 0);
    EXPECT_EQ(application.PerformanceFrequency(), 1'000'000'000);
    EXPECT_EQ(application.IniCtrl()->parent(), &application);
}

TEST(StyApplication, OneInstanceRuleAndItsMessages)
{
    using tav::styled::CheckOneInstance;
    QWidget form;
    QWidget inner(&form);
    new TStyTimerPool(&form);
    EXPECT_FALSE(CheckOneInstance(&form, &TStyTimerPool::staticMetaObject, false));
    EXPECT_TRUE(CheckOneInstance(&inner, &TStyTimerPool::staticMetaObject, false)) << "not a window";
    new TStyTimerPool(&form);
    EXPECT_TRUE(CheckOneInstance(&form, &TStyTimerPool::staticMetaObject, false)) << "two on one form";
    EXPECT_FALSE(CheckOneInstance(&form, nullptr, false));
    QObject dataModule;
    EXPECT_TRUE(CheckOneInstance(&dataModule, &TStyTimerPool::staticMetaObject, false));
    EXPECT_FALSE(CheckOneInstance(&dataModule, &TStyTimerPool::staticMetaObject, true));

    EXPECT_EQ(tav::styled::OneInstanceError("TStyTimerPool", 0).Message(),
              "TStyTimerPool:\rInvalid owner (<>TForm) or second instance on a form");
    EXPECT_EQ(tav::styled::OneInstanceError("TStyTimerPool", 1).Message(),
              "TStyTimerPool:\rAlready one TStyTimerPool control in this project!");
}

// Started by the test below in a second process of this program: it says what it found.
TEST(StyApplicationSecondProcess, DISABLED_ReportsWhetherAlreadyRunning)
{
    TStyApplication application;
    std::printf("AlreadyRunning=%d\n", application.AlreadyRunning() ? 1 : 0);
    std::fflush(stdout);
}

QString SecondProcessReport()
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(),
                  {"--gtest_also_run_disabled_tests",
                   "--gtest_filter=StyApplicationSecondProcess.DISABLED_ReportsWhetherAlreadyRunning"});
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return "failed: " + QString::fromLocal8Bit(process.readAllStandardError());
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    const qsizetype at = output.indexOf("AlreadyRunning=");
    return at < 0 ? "no report" : output.mid(at, 16);
}

TEST(StyApplication, ASecondProcessSeesTheFirstRunning)
{
    // A runtime folder of this test alone, which the second process inherits, so that no other
    // test program running beside it holds the same lock.
    QTemporaryDir runtime;
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    {
        TStyApplication first;
        EXPECT_FALSE(first.AlreadyRunning());
        EXPECT_EQ(SecondProcessReport(), "AlreadyRunning=1");
    }
    EXPECT_EQ(SecondProcessReport(), "AlreadyRunning=0") << "the lock goes with its holder";
    if (previous.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", previous);
}

} // namespace
