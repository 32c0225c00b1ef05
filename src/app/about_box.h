#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TLinkLabel;

// What the three about boxes share: the product's name, version, rights and comment lines, the
// maker's web address and mail address as links, and an OK button. Each box is its own class.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    // The address the web line opens and the mail the mail line starts
    // ("mailto:" + address + "?Subject=" + product + "&Body=").
    QString WebAddress() const;
    QString MailCommand() const;

    void Label4Click();
    void Label5Click();

    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QLabel *Copyright;
    QLabel *Comments;
    TLinkLabel *Label4;
    TLinkLabel *Label5;
    QPushButton *OKButton;

public slots:
    // The window's close button and Escape give modal result 2, as a cancel does.
    void reject() override;

protected:
    TAboutBox(const QString &caption, const QString &product, const QString &versionText,
              const QString &comments, QWidget *parent);

private:
    QString product_;
};
