#include "controls/styled/sty_ini_ctrl.h"

#include "controls/styled/sty_sys_info.h"

#include <QFileInfo>

#include <algorithm>

TStyIniCtrl::TStyIniCtrl(QObject *owner) : TStyCustomComponent(owner) {}

template <class T> void TStyIniCtrl::Store(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    Change();
}

void TStyIniCtrl::SetAlphaCounter(bool value)
{
    if (value == alphaCounter_)
        return;
    alphaCounter_ = value;
    maxEntries_ = std::min(maxEntries_, MaxAlphaEntries);
    Change();
}

void TStyIniCtrl::SetCommon(bool value)
{
    Store(common_, value);
}

void TStyIniCtrl::SetIniFile(const QString &value)
{
    QString name = value;
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty()) {
        if (name.endsWith(u'.'))
            name.chop(1);
        name += QStringLiteral(".INI");
    }
    Store(iniFile_, name);
}

void TStyIniCtrl::SetIniPrefix(TStyPathPrefix value)
{
    Store(iniPrefix_, value);
}

void TStyIniCtrl::SetMaxEntries(int value)
{
    if (value < 0 || value > 255 || (alphaCounter_ && value > MaxAlphaEntries))
        return;
    Store(maxEntries_, value);
}

void TStyIniCtrl::SetNetUser(bool value)
{
    if (value == netUser_)
        return;
    netUser_ = value;
    if (netUser_)
        GetNetUserName(user_);
    Change();
}

void TStyIniCtrl::SetUser(const QString &value)
{
    Store(user_, value);
}

void TStyIniCtrl::SetRegPath(const QString &value)
{
    Store(regPath_, value);
}

void TStyIniCtrl::SetRegRoot(TStyRegRootKey value)
{
    Store(regRoot_, value);
}

void TStyIniCtrl::SetTarget(TStyIniTarget value)
{
    if (value == target_)
        return;
    target_ = value;
    effectiveTarget_ = value == itAuto ? itRegistry : value;
    Change();
}

void TStyIniCtrl::SetEncKey(int value)
{
    if (value < 0 || value > 0xFFFF)
        return;
    Store(encKey_, value);
}

void TStyIniCtrl::SetEncoded(bool value)
{
    Store(encoded_, value);
}

void TStyIniCtrl::GetNetUserName(QString &name) const
{
    name = tav::styled::CurrentUserName();
}
