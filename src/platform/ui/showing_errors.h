#pragma once

#include "platform/core/message_service.h"
#include "platform/db/dataset.h"

// Runs a step a window takes for the user and shows an error it raises in the engine's own words;
// a silent abort shows nothing. The window stays as the step left it. True when the step ran to
// its end.
template <class Action> bool ShowingErrors(Action &&action)
{
    try {
        action();
        return true;
    } catch (const EAbort &) {
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
    return false;
}
