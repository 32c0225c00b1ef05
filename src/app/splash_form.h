#pragma once

#include <QCoreApplication>
#include <QPixmap>
#include <QWidget>

#include <memory>

class QFrame;
class QLabel;
class QTimer;
class TLinkLabel;
class TVerInfoRes;

// The round, borderless window shown while the program starts: the title, the file version, the
// rights row, the maker's address and the target-system line beside a picture. It closes after
// six seconds, on a click or on Enter; until then it refuses to close.
class TSplash : public QWidget
{
    Q_OBJECT
public:
    // programFile: the file whose version block is shown (the running program).
    explicit TSplash(const QString &programFile = QCoreApplication::applicationFilePath(),
                     QWidget *parent = nullptr);
    ~TSplash() override;

    // Whether the window agrees to close: the close flag.
    bool FormCloseQuery() const { return closeFlag_; }

    void Timer1Timer();
    void FormClick();
    void FormKeyPress(QChar key);
    void Label4Click();

    QLabel *LblTitle;
    QLabel *LblDescr;
    QLabel *LblVersion;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *LblCpr;
    QLabel *LblEponimia;
    TLinkLabel *Label4;
    QLabel *LblDesign;
    QFrame *Image1;
    QTimer *Timer1;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void LoadBusyCursor();
    void ShowVersion(const QString &programFile);

    QPixmap bitmap_;
    std::unique_ptr<TVerInfoRes> verInfo_;
    bool closeFlag_ = false;
};

// The start-up loop around the splash: shows it, lets pending events run (waiting for the next
// one rather than spinning) and asks its close query, until the query agrees; then frees the
// window unless it has already closed and freed itself.
void RunSplash(TSplash *splash);
