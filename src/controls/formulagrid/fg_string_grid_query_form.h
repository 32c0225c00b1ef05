#pragma once

#include <QDialog>
#include <QPointer>

class QFrame;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class TfgStringGrid;

// "Query Builder": composes a row filter over the grid's column titles and applies it.
class TfgStringGridQueryF : public QDialog
{
    Q_OBJECT
public:
    explicit TfgStringGridQueryF(QWidget *parent = nullptr);

    QPointer<TfgStringGrid> Grid;

    QListWidget *FieldsList;
    QListWidget *oplist;
    QPlainTextEdit *querymemo;
    QPushButton *btnApply;
    QPushButton *btnall;
    QPushButton *btnClose;
    QFrame *Shape1; // the red frame round Apply

    void FieldsListClick();
    void oplistClick();
    void btnApplyClick();
    void btnallClick();
    void btnCloseClick();
};
