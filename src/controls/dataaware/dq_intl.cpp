#include "controls/dataaware/dq_intl.h"

#include <QEvent>

TdqIntl &dqIntl()
{
    static TdqIntl global;
    return global;
}

int dqDatePickerDestroyCalendarEvent()
{
    static const int type = QEvent::registerEventType();
    return type;
}

void TdqIntl::SetCheckBoxInGridStyle(TdqCheckBoxInGridStyle style)
{
    checkBoxInGridStyle_ = style;
    if (connected_ && this != &dqIntl())
        dqIntl().checkBoxInGridStyle_ = style;
}

void TdqIntl::SetConnected(bool connected)
{
    connected_ = connected;
    if (connected)
        Connect();
}

void TdqIntl::Connect()
{
    TdqIntl &global = dqIntl();
    if (this == &global)
        return;
    const bool globalConnected = global.connected_;
    global = *this;
    global.connected_ = globalConnected;
    // The file name is given without its extension.
    global.iniFileName_ =
        iniFileName_.isEmpty() || iniFileName_ == QStringLiteral(".ini") ? QString() : iniFileName_ + ".ini";
}
