#pragma once

#include "app/about_box.h"

#include <QCoreApplication>

#include <memory>

class TVerInfoRes;

// "Γενικά για το πρόγραμμα": the program's about box. Each showing reads the version block of
// the program file for its version line.
class TAboutDlgA : public TAboutBox
{
    Q_OBJECT
public:
    explicit TAboutDlgA(const QString &programFile = QCoreApplication::applicationFilePath(),
                        QWidget *parent = nullptr);
    ~TAboutDlgA() override;

    void FormShow();
    void FormClose();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString programFile_;
    std::unique_ptr<TVerInfoRes> verInfo_;
};

// The program's about box, created on first use; it lives to the end of the program.
TAboutDlgA *AboutDlgA();
