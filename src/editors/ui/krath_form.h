#pragma once

#include "platform/ui/db_navigator.h"

#include <QDialog>
#include <QIcon>
#include <QList>

class QFileDialog;
class QToolButton;
class TDataSource;
class TDBGrid;
class TDBImage;

// "Εισαγωγή Κρατών": the countries with their flags, on the data module's Krath. The grid takes
// typing only once the edit or insert button has been pressed; the flag button loads a picture file into
// the country's flag, which is stored when the record is posted. The navigator offers no delete.
class TKrathForm : public QDialog
{
    Q_OBJECT
public:
    explicit TKrathForm(QWidget *parent = nullptr);

    void FormShow();
    void DBNavigatorClick(TNavigateBtn Button);
    // Asks for a picture file and loads it into the current country's flag.
    void SpeedButton1Click();
    // Loads the picture file into the current country's flag (the record goes into edit). A file
    // that is no picture the program reads (BMP, ICO, PNG, JPEG) is refused with a message and
    // the flag stays as it was.
    bool LoadFlagPicture(const QString &fileName);

    TDataSource *DataSource1;
    TDBNavigator *DBNavigator1;
    TDBGrid *DBGrid1;
    TDBImage *DBImage1;
    QToolButton *SpeedButton1;
    QFileDialog *OpenPictureDialog1;
    QList<QIcon> ImageList1;

public slots:
    // Every way of closing (close button, Escape) first ends the change left in the table; one the
    // table refuses now keeps the window open for correction.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
};

// The countries editor, created on first use; it lives to the end of the program.
TKrathForm *KrathForm();
