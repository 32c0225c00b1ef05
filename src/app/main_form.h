#pragma once

#include <QHash>
#include <QMainWindow>

#include <map>

class QFontDialog;
class QFrame;
class QLabel;
class QMdiArea;
class QMenu;
class QMenuBar;
class QTimer;
class QToolBar;

// The main window: the parent of the child windows, the menu bar and toolbar from which every
// other window opens, the logo behind the children, the program-wide font, the tip-of-the-day
// timer and the close sequence (backup offer and exit confirmation).
//
// Every menu item and toolbar button carries the name of its handler. An item whose handler is
// not in the handler table (its window is not part of the program yet) is shown disabled; adding
// the handler to the table enables every item and button bound to it. Every handler runs under
// the command guard, so an error it raises ends only that command; a handler whose window reads
// the data is refused with the reason while the data cannot be opened.
class TFrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFrmMain(QWidget *parent = nullptr);
    ~TFrmMain() override;

    // A menu item or toolbar button by its component name ("N19", "ToolButton1"); a submenu's
    // own item for a submenu name; nullptr for an unknown name.
    QAction *Item(const QString &name) const;
    // A top menu or submenu by its component name ("N6", "N4"); nullptr for another name.
    QMenu *Submenu(const QString &name) const;
    // The name of the handler an item or button is bound to ("N18Click"); empty for none.
    static QString HandlerOf(const QAction *action);
    // Whether the handler is part of the program (its items are enabled).
    static bool HandlerBuilt(const QString &handler);

    void FormShow();
    // The close question: the backup offer, then the exit confirmation; true lets the window close.
    bool FormCloseQuery();
    void FormClose();
    void Timer1Timer();

    void Tips1Click();
    void Backup1Click();
    void RestoreClick();
    void N58Click();
    void N54Click();
    void N35Click();
    void ToolButton16Click();
    void Tavrolin1Click();
    void N30Click();
    void Vantoril1Click();
    void SecondSisterAbout1Click();
    void TavrolinUtility1Click();
    void ToolButton18Click();
    void PINAKASDBSEXML1Click();
    void N3Click();
    void N5Click();
    void N9Click();
    void N11Click();
    void N18Click();
    void N7Click();
    void N19Click();
    void N21Click();
    void N22Click();
    void HTML1Click();
    void N10Click();
    void N6Click();
    void N38Click();
    void N43Click();
    void Internet1Click();
    void N47Click();
    void N52Click();
    void N69Click();
    void N20Click();
    void N33Click();
    void N25Click();
    void N36Click();
    void KuponiaClick();
    void KuponiOPAPClick();
    void N56Click();
    void N24Click();
    void N60Click();
    void N50Click();
    void BetBrain1Click();
    void N67Click();
    void N61Click();
    void N63Click();
    void UnOv1Click();
    void N65Click();
    void AnalysiKupClick();

    QMenuBar *MainMenu1;
    QToolBar *ToolBar1;
    QMdiArea *ClientArea;
    QFrame *Panel1;
    QFrame *Panel2;
    QLabel *LogoImage;
    QFontDialog *FontDialog;
    QTimer *Timer1;
    QAction *Tips1 = nullptr;
    QMenu *N31 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using THandler = void (TFrmMain::*)();
    // A command's handler and whether the window it opens reads the program's data.
    struct TCommand
    {
        THandler method;
        bool readsData;
    };
    static const std::map<QString, TCommand> &Handlers();

    void BuildPanels();
    void BuildMenu();
    void BuildToolBar();
    void Bind(QAction *action, const char *handler);

    QHash<QString, QAction *> items_;
    QHash<QString, QMenu *> menus_;
    bool shown_ = false;
};

// The main window once the start-up sequence has created it; nullptr before and after.
TFrmMain *FrmMain();
