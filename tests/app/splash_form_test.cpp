#include "app/ani_cursor.h"
#include "app/link_label.h"
#include "app/splash_form.h"
#include "elf_builder.h"
#include "platform/core/message_recorder.h"
#include "platform/core/paths.h"
#include "platform/ui/application.h"
#include "support/qstring_printer.h"
#include "support/test_environment.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tav::app;

namespace {

const QRgb kFormColour = qRgb(233, 233, 233);

QString NoVersionFile()
{
    const QString path = JoinPath(CurrentTestFolders().Root(), "plain.txt");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("no version block here");
    return path;
}

TEST(SplashTest, MissingCursorFileShowsTheMessageAndStartUpGoesOn)
{
    SetBusyCursor(QCursor(Qt::ArrowCursor));
    MessageRecorder messages;
    QPointer<TSplash> splash = new TSplash;
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.Last().kind, MessageKind::Message);
    EXPECT_EQ(messages.Last().text, QString("Cursor not loaded"));
    EXPECT_FALSE(splash->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(BusyCursor().shape(), Qt::ArrowCursor);
    delete splash;
}

TEST(SplashTest, TheCursorFileBecomesTheBusyPointerAndTheSplashCursor)
{
    ASSERT_TRUE(InstallBusyCursorFile());
    MessageRecorder messages;
    TSplash *splash = new TSplash;
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(splash->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(splash->cursor().hotSpot(), QPoint(16, 16));
    EXPECT_EQ(BusyCursor().shape(), Qt::BitmapCursor);
    delete splash;
    SetBusyCursor(QCursor(Qt::ArrowCursor));
}

TEST(SplashTest, ShowsTitleVersionAndTargetSystem)
{
    SetApplicationTitle("TAVROLIN");
    MessageRecorder messages;
    TSplash *splash = new TSplash;
    EXPECT_EQ(splash->LblTitle->text(), QString("TAVROLIN"));
    EXPECT_EQ(splash->LblVersion->text(), QString("Έκδοση : ") + TAVROLIN_VERSION + ".0");
    const QString expectedDesign = QString(TAVROLIN_VERSION).startsWith("0.")
                                       ? QString("Designed for Linux ,Pre-release")
                                       : QString("Designed for Linux");
#ifdef NDEBUG
    EXPECT_EQ(splash->LblDesign->text(), expectedDesign);
#else
    EXPECT_TRUE(splash->LblDesign->text().startsWith("Designed for Linux ,"));
#endif
    EXPECT_EQ(splash->Label4->text(), QString("https://tavrolin.example/"));
    EXPECT_EQ(splash->size(), QSize(529, 348));
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    delete splash;
}

TEST(SplashTest, TheDesignLineIsTheTargetSystemAndTheFirstFlag)
{
    struct Case
    {
        quint32 os, flags;
        const char *design;
    };
    const Case cases[] = {
        {VOS_LINUX, 0, "Designed for Linux"},
        {VOS_LINUX, VS_FF_PRERELEASE | VS_FF_DEBUG, "Designed for Linux ,Pre-release"},
        {VOS__WINDOWS32, VS_FF_PRERELEASE, "Designed for 32-bit Windows ,Pre-release"},
        {VOS_NT, VS_FF_DEBUG | VS_FF_PRIVATEBUILD, "Designed for Windows NT ,Private build"},
    };
    MessageRecorder messages;
    for (const Case &c : cases) {
        TFixedFileInfo info;
        info.FileVersionMS = 3u << 16 | 1;
        info.FileVersionLS = 2u << 16 | 313;
        info.FileOS = c.os;
        info.FileFlags = c.flags;
        info.FileFlagsMask = 0x3F;
        const QString program = JoinPath(CurrentTestFolders().Root(), "program");
        QFile file(program);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(elf_builder::ElfFile({{VersionSectionName, elf_builder::BlockBytes(info), std::nullopt}}));
        file.close();

        TSplash *splash = new TSplash(program);
        EXPECT_EQ(splash->LblVersion->text(), QString("Έκδοση : 3.1.2.313"));
        EXPECT_EQ(splash->LblDesign->text(), QString(c.design));
        delete splash;
    }
}

TEST(SplashTest, WithoutVersionInformationTheErrorIsShownAndTheDesignedCaptionsStay)
{
    MessageRecorder messages;
    TSplash *splash = new TSplash(NoVersionFile());
    ASSERT_EQ(messages.Count(), 2); // the cursor, then the version
    EXPECT_EQ(messages.Last().kind, MessageKind::MessageBox);
    EXPECT_EQ(messages.Last().text, QString("No Version Info Available."));
    EXPECT_EQ(splash->LblVersion->text(), QString("Έκδοση :"));
    EXPECT_TRUE(splash->LblDesign->text().isEmpty());
    EXPECT_FALSE(splash->FormCloseQuery());
    delete splash;
}

TEST(SplashTest, TheWindowIsRound)
{
    MessageRecorder messages;
    TSplash *splash = new TSplash;
    const QRegion mask = splash->mask();
    EXPECT_TRUE(mask.contains(QPoint(264, 174)));
    EXPECT_TRUE(mask.contains(QPoint(528, 300)));
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(528, 0), QPoint(0, 347), QPoint(40, 40), QPoint(500, 20)})
        EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
    delete splash;
}

TEST(SplashTest, ThePictureFillsTheAreaLeftOfTheTitle)
{
    MessageRecorder messages;
    TSplash *splash = new TSplash;
    const QImage shot = splash->grab().toImage();
    EXPECT_NE(shot.pixel(100, 150), kFormColour) << "inside the picture";
    EXPECT_NE(shot.pixel(220, 288), kFormColour) << "the picture's far corner (224 by 292)";
    EXPECT_EQ(shot.pixel(230, 250), kFormColour) << "right of the picture";
    EXPECT_EQ(shot.pixel(100, 320), kFormColour) << "below the separator";
    delete splash;
}

TEST(SplashTest, TimerClickAndEnterEachLetTheSplashClose)
{
    MessageRecorder messages;
    enum class Trigger
    {
        Timer,
        Click,
        Enter,
        KeypadEnter
    };
    for (Trigger trigger : {Trigger::Timer, Trigger::Click, Trigger::Enter, Trigger::KeypadEnter}) {
        SCOPED_TRACE(int(trigger));
        QPointer<TSplash> splash = new TSplash;
        EXPECT_TRUE(splash->Timer1->isActive());
        EXPECT_EQ(splash->Timer1->interval(), 6000);
        EXPECT_FALSE(splash->FormCloseQuery());
        EXPECT_FALSE(splash->close()) << "the close is refused before the flag is set";
        switch (trigger) {
        case Trigger::Timer:
            splash->Timer1Timer();
            break;
        case Trigger::Click: {
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(300, 200), QPointF(300, 200), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(splash, &press);
            break;
        }
        case Trigger::Enter:
        case Trigger::KeypadEnter: {
            QKeyEvent key(QEvent::KeyPress, trigger == Trigger::Enter ? Qt::Key_Return : Qt::Key_Enter,
                          trigger == Trigger::Enter ? Qt::NoModifier : Qt::KeypadModifier, "\r");
            QCoreApplication::sendEvent(splash, &key);
            break;
        }
        }
        EXPECT_TRUE(splash->FormCloseQuery());
        EXPECT_TRUE(splash->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(splash.isNull()) << "a closed splash frees itself";
    }
}

TEST(SplashTest, OtherKeysDoNothing)
{
    MessageRecorder messages;
    TSplash *splash = new TSplash;
    for (int key : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_A, Qt::Key_Tab}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(splash, &event);
    }
    EXPECT_FALSE(splash->FormCloseQuery());
    delete splash;
}

TEST(SplashTest, TheStartUpLoopEndsWhenTheTimerFiresAndFreesTheWindow)
{
    MessageRecorder messages;
    QPointer<TSplash> splash = new TSplash;
    splash->Timer1->start(20);
    RunSplash(splash);
    EXPECT_TRUE(splash.isNull());
}

TEST(SplashTest, TheStartUpLoopCopesWithASplashThatClosedItself)
{
    MessageRecorder messages;
    QPointer<TSplash> splash = new TSplash;
    splash->Timer1->stop();
    QTimer::singleShot(0, splash, [splash] {
        splash->FormClick();
        splash->close();
    });
    RunSplash(splash);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
}

} // namespace
