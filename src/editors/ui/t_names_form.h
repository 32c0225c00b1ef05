#pragma once

#include <QDialog>
#include <QVariant>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// "Ονόματα Ομάδων": attaches a team spelling of a result file to a team of the competition's
// country, or makes a new team of it. OK (1) after a store, Cancel (2) skips the spelling,
// Abort (3, also Esc) stops the import.
class TTNamesForm : public QDialog
{
    Q_OBJECT

public:
    explicit TTNamesForm(QWidget *parent = nullptr);

    // The country whose teams the lists show.
    void SetCountry(const QVariant &country) { country_ = country; }

    void FormShow();
    void ComboBox1Click();
    void ComboBox2Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    QWidget *DefaultPanel;
    QLineEdit *Edit1;
    QComboBox *ComboBox1;
    QComboBox *ComboBox2;
    QPushButton *Button1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QPushButton *BitBtn3;
    QWidget *NewPanel;
    QLabel *Label3;
    QLineEdit *Edit2;
    QLabel *Label4;
    QPushButton *Button2;
    QPushButton *Button3;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ShowDefaultPanel();

    QVariant country_;
};

// The program's alias dialog, created at start-up; it lives to the end of the program.
TTNamesForm *TNamesForm();

// The answer for one spelling of the current competition's country: mrCancel when a team has it
// already (no dialog), else the dialog's result.
int ResolveTeamName(const QString &name);
