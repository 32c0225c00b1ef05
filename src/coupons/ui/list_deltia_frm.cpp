#include "coupons/ui/list_deltia_frm.h"

#include "platform/core/long_lived.h"

#include <QFileInfo>
#include <QPushButton>

namespace {

const char *const kOk = "&ΟΚ";

} // namespace

TListDeltiaFrm::TListDeltiaFrm(QWidget *parent)
    : TCouponPicker(parent), BtnOK(new QPushButton(QString::fromUtf8(kOk), this))
{
    PlaceOkButton(BtnOK);
    connect(BtnOK, &QPushButton::clicked, this, &TListDeltiaFrm::BtnOKClick);
}

void TListDeltiaFrm::BtnOKClick()
{
    OkClick();
}

void TListDeltiaFrm::Choose(const QString &path, int)
{
    KupFilePath = path;
    KupFileName = QFileInfo(path).fileName();
}

TListDeltiaFrm *ListDeltiaFrm()
{
    static TListDeltiaFrm *form = nullptr;
    return LongLived(form, [] { return new TListDeltiaFrm; });
}
