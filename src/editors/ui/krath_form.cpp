#include "editors/ui/krath_form.h"

#include "data/data_module.h"
#include "editors/pending_edit.h"
#include "editors/ui/reference_editor_parts.h"
#include "platform/core/format.h"
#include "platform/core/long_lived.h"
#include "platform/core/message_service.h"
#include "platform/db/data_source.h"
#include "platform/ui/db_grid.h"
#include "platform/ui/db_image.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QShowEvent>
#include <QToolButton>

using namespace tav::editors;

namespace {

const QString Caption = QStringLiteral("Εισαγωγή Κρατών");
const QString NameTitle = QStringLiteral("Όνομα Κράτους");
const QString CodeTitle = QStringLiteral("Κωδικός");
const QString CurrencyTitle = QStringLiteral("Νόμισμα");
const QString FlagButtonHint = QStringLiteral("Σημαία");
// Metafiles stay in the list so that a user who has one is told why it does not load.
const QString PictureFilter =
    QStringLiteral("All (*.bmp *.ico *.png *.jpg *.jpeg *.emf *.wmf);;"
                   "Bitmaps (*.bmp);;Icons (*.ico);;PNG (*.png);;JPEG (*.jpg *.jpeg);;"
                   "Enhanced Metafiles (*.emf);;Metafiles (*.wmf)");
const QString UnreadablePicture =
    QStringLiteral("Το αρχείο %s δεν περιέχει εικόνα που μπορεί να διαβάσει το πρόγραμμα.\n"
                   "Η σημαία φορτώνεται από αρχεία BMP, ICO, PNG ή JPEG.");

} // namespace

TKrathForm::TKrathForm(QWidget *parent)
    : QDialog(parent), DataSource1(new TDataSource(this)), DBNavigator1(new TDBNavigator(this)),
      DBGrid1(new TDBGrid(this)), DBImage1(new TDBImage(this)), SpeedButton1(new QToolButton(this)),
      OpenPictureDialog1(new QFileDialog(this)), ImageList1(NavigatorImageList(*this))
{
    setWindowTitle(Caption);
    setWindowState(Qt::WindowMaximized);
    LinkEditor(*DataSource1, TavrolinDM().Krath, *DBNavigator1,
               {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbEdit, nbPost, nbCancel, nbRefresh}, *DBGrid1,
               {{QStringLiteral("Name"), NameTitle},
                {QStringLiteral("Kode"), CodeTitle},
                {QStringLiteral("Nomisma"), CurrencyTitle}},
               false);
    DBNavigator1->OnClick = [this](TNavigateBtn button) { DBNavigatorClick(button); };
    DBImage1->SetDataSource(DataSource1);
    DBImage1->SetDataField(QStringLiteral("Flag"));
    DBImage1->SetStretch(true);
    DBImage1->setFixedSize(160, 100);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    SpeedButton1->setToolTip(FlagButtonHint);
    connect(SpeedButton1, &QToolButton::clicked, this, &TKrathForm::SpeedButton1Click);
    OpenPictureDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenPictureDialog1->setNameFilter(PictureFilter);

    auto *layout = new QGridLayout(this);
    layout->addWidget(DBNavigator1, 0, 0, Qt::AlignLeft);
    layout->addWidget(DBGrid1, 1, 0, 3, 1);
    layout->addWidget(DBImage1, 1, 1);
    layout->addWidget(SpeedButton1, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(3, 1);
}

void TKrathForm::FormShow()
{
    TTable &krath = TavrolinDM().Krath;
    if (!krath.Active())
        krath.Open();
    // Each showing takes typing only after the edit button.
    DBGrid1->SetReadOnly(true);
    SetNavigatorGlyphs(*DBNavigator1, ImageList1);
}

void TKrathForm::DBNavigatorClick(TNavigateBtn Button)
{
    // The grid guards the stored countries against stray typing; a new country is typed in it.
    if (Button == nbEdit || Button == nbInsert)
        DBGrid1->SetReadOnly(false);
}

void TKrathForm::SpeedButton1Click()
{
    if (OpenPictureDialog1->exec() != QDialog::Accepted || OpenPictureDialog1->selectedFiles().isEmpty())
        return;
    LoadFlagPicture(OpenPictureDialog1->selectedFiles().constFirst());
}

bool TKrathForm::LoadFlagPicture(const QString &fileName)
{
    if (DBImage1->LoadPicture(fileName))
        return true;
    MessageDlg(Format(UnreadablePicture, {fileName}), mtError, {mbOK});
    return false;
}

void TKrathForm::done(int result)
{
    if (EndPendingEdit(TavrolinDM().Krath))
        QDialog::done(result);
}

void TKrathForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

TKrathForm *KrathForm()
{
    // Destroyed only by a test's reset: a window must not outlive the application object in a destructor.
    static TKrathForm *form = nullptr;
    return LongLived(form, [] { return new TKrathForm; });
}
