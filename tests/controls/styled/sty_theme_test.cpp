#include "controls/styled/sty_theme.h"
#include "controls/styled/sty_theme_manager.h"
#include "sty_style_guard.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace tav::styled;

namespace {

// Counts the theme announcements a control receives.
class TAnnounced : public QPushButton
{
public:
    using QPushButton::QPushButton;
    int count = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == ThemeChangedEventType())
            ++count;
        return QPushButton::event(event);
    }
};

struct TWatchLog
{
    int events = 0;
    bool hookedAtEnd = true;
};

// Records what reaches it of its window.
class TWatcher : public TStyWndProcComponent
{
public:
    TWatcher(QObject *owner, TWatchLog &log) : TStyWndProcComponent(owner), log_(log) {}
    ~TWatcher() override { log_.hookedAtEnd = Hooked(); }

protected:
    bool WindowProc(QEvent &event) override
    {
        if (event.type() == QEvent::User)
            ++log_.events;
        return false;
    }

private:
    TWatchLog &log_;
};

TEST(StyTheme, KeepsTheThirtyOneNamesAndBindsThoseTheControlsCall)
{
    ASSERT_EQ(ThemeFunctionNames().size(), 31);
    EXPECT_EQ(ThemeFunctionNames().front(), QStringLiteral("DrawThemeEdge"));
    EXPECT_EQ(ThemeFunctionNames().back(), QStringLiteral("EnableTheming"));
    for (const char *name :
         {"OpenThemeData", "DrawThemeBackground", "DrawThemeParentBackground", "CloseThemeData"})
        EXPECT_TRUE(ThemeFunctionBound(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(ThemeFunctionBound(QStringLiteral("GetThemeFont")));
}

TEST(StyTheme, AStyleChangeSwitchesTheThemedLookAndAnnouncesIt)
{
    TStyleGuard guard;
    TStyleGuard::Use(QStringLiteral("Fusion"));
    QWidget form;
    auto *button = new TAnnounced(QStringLiteral("OK"), &form);
    auto *manager = new TStyXPThemeManager(&form);
    ReadDesign(*manager, {});
    ASSERT_TRUE(manager->Hooked());
    form.show();
    EXPECT_TRUE(GetUseThemes());
    ASSERT_TRUE(OpenThemeData(button, QStringLiteral("BUTTON")).has_value());

    TStyleGuard::Use(QStringLiteral("Windows"));
    EXPECT_FALSE(ThemesAvailable());
    EXPECT_FALSE(UseThemes());
    EXPECT_FALSE(GetUseThemes());
    EXPECT_FALSE(OpenThemeData(button, QStringLiteral("BUTTON")).has_value());
    EXPECT_EQ(button->count, 1);

    SetUseThemes(true);
    EXPECT_FALSE(UseThemes()) << "refused while the classic style runs";

    TStyleGuard::Use(QStringLiteral("Fusion"));
    EXPECT_TRUE(GetUseThemes());
    EXPECT_EQ(button->count, 2);

    TStyleGuard::Use(QStringLiteral("Fusion"));
    EXPECT_TRUE(GetUseThemes());
    EXPECT_EQ(button->count, 4) << "a new themed style: off and on again";
}

TEST(StyTheme, AWatcherSeesItsFormUntilDisabledOrTheFormGoes)
{
    TWatchLog log;
    auto form = std::make_unique<QWidget>();
    auto *watcher = new TWatcher(form.get(), log);
    EXPECT_FALSE(watcher->Hooked()) << "nothing before the design is loaded";
    watcher->Loaded();
    ASSERT_TRUE(watcher->Hooked());
    EXPECT_EQ(watcher->Window(), form.get());

    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(form.get(), &event);
    EXPECT_EQ(log.events, 1);
    watcher->SetEnabled(false);
    QCoreApplication::sendEvent(form.get(), &event);
    EXPECT_EQ(log.events, 1);
    watcher->SetEnabled(true);
    QCoreApplication::sendEvent(form.get(), &event);
    EXPECT_EQ(log.events, 2);

    form.reset();
    EXPECT_FALSE(log.hookedAtEnd) << "the destroyed form was let go before the watcher went";

    TStyWndProcComponent ownerless;
    EXPECT_FALSE(ownerless.Hook());
}

TEST(StyTheme, AMultipleDocumentParentIsWatchedThroughItsDocumentArea)
{
    QMainWindow main;
    auto *area = new QMdiArea;
    main.setCentralWidget(area);
    TStyWndProcComponent parentWatcher(&main);
    EXPECT_EQ(parentWatcher.Window(), area->viewport());
    parentWatcher.SetUseOwnWindow(true);
    EXPECT_EQ(parentWatcher.Window(), &main);

    auto *child = new QWidget;
    area->addSubWindow(child);
    TStyWndProcComponent childWatcher(child);
    EXPECT_EQ(childWatcher.Window(), child);
}

} // namespace
