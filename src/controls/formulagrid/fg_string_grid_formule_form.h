#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>

class QListWidget;
class QPlainTextEdit;
class QPushButton;
class TfgStringGrid;

// "Formule Editor": writes the formula of one grid cell. It stays open beside the grid, and a cell
// chosen in the grid meanwhile is written into the formula as its reference.
class TfgStringGridFormuleF : public QDialog
{
    Q_OBJECT
public:
    explicit TfgStringGridFormuleF(QWidget *parent = nullptr);

    QPointer<TfgStringGrid> Grid;
    QPoint Cell; // column, row

    QListWidget *ops;
    QPlainTextEdit *formule;
    QPushButton *btnapply;
    QPushButton *btnclose;

    void opsClick();
    void btnapplyClick();
    void btncloseClick();
};

// The program's one formula editor, made on first use.
TfgStringGridFormuleF *FgStringGridFormuleF();
// Whether the editor has been made.
bool FgStringGridFormuleFMade();
