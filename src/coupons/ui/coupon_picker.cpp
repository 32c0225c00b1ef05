#include "coupons/ui/coupon_picker.h"

#include "coupons/kup_file.h"
#include "platform/core/message_service.h"
#include "platform/core/modal_result.h"
#include "platform/core/paths.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace tav::coupons;

namespace {

const char *const kCaption = "ΕΠΙΛΕΞΤΕ ΚΟΥΠΟΝΙ";
const char *const kOpapPage = "ΚΟΥΠΟΝΙΑ ΟΠΑΠ";
const char *const kMyPage = "ΔΙΚΑ ΜΟΥ ΚΟΥΠΟΝΙΑ";
const char *const kChooseOne = "Παρακαλώ επιλέξτε ένα κουπόνι!";

QListWidget *PageList(QWidget *page)
{
    auto *list = new QListWidget(page);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(list);
    return list;
}

} // namespace

TCouponPicker::TCouponPicker(QWidget *parent)
    : QDialog(parent), PageControl1(new QTabWidget(this)), OpapKup(new QWidget), MyKup(new QWidget),
      List1(PageList(OpapKup)), List2(PageList(MyKup))
{
    setWindowTitle(QString::fromUtf8(kCaption));
    resize(460, 380);
    PageControl1->setDocumentMode(true);
    PageControl1->addTab(OpapKup, QString::fromUtf8(kOpapPage));
    PageControl1->addTab(MyKup, QString::fromUtf8(kMyPage));
    PageControl1->setGeometry(8, 8, 444, 322);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TCouponPicker::PageControl1Change);
    for (QListWidget *list : {List1, List2})
        connect(list, &QListWidget::itemDoubleClicked, this, &TCouponPicker::List1DblClick);
}

void TCouponPicker::PlaceOkButton(QAbstractButton *button)
{
    button->setGeometry(180, 340, 100, 30);
}

QListWidget *TCouponPicker::CurrentList() const
{
    return PageControl1->currentIndex() == 0 ? List1 : List2;
}

QString TCouponPicker::SelectedLine() const
{
    const QListWidgetItem *item = CurrentList()->currentItem();
    return item ? item->text() : QString();
}

void TCouponPicker::FormShow()
{
    FillKupList();
}

void TCouponPicker::PageControl1Change()
{
    FillKupList();
}

void TCouponPicker::FillKupList()
{
    const bool mine = PageControl1->currentIndex() == 1;
    QListWidget *list = CurrentList();
    list->clear();
    KupFiles = ListCouponFiles(mine ? MyKouponiaFolder() : KouponiaFolder(),
                               mine ? TCouponNumberText::AsNumber : TCouponNumberText::AsNamed);
    QStringList lines;
    for (const TCouponListEntry &entry : KupFiles)
        lines.append(entry.line);
    list->addItems(lines);
}

void TCouponPicker::OkClick()
{
    QListWidget *list = CurrentList();
    const int line = list->currentRow();
    if (line < 0 || line >= KupFiles.size() || !list->currentItem()->isSelected()) {
        ShowMessage(QString::fromUtf8(kChooseOne));
        return;
    }
    const int page = PageControl1->currentIndex();
    const QString folder = page == 0 ? KouponiaFolder() : MyKouponiaFolder();
    Choose(JoinPath(folder, KupFiles[line].fileName), page);
    done(mrOk);
}

void TCouponPicker::List1DblClick()
{
    OkClick();
}

void TCouponPicker::reject()
{
    done(mrCancel);
}

void TCouponPicker::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}
