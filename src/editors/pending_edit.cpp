#include "editors/pending_edit.h"

#include "platform/core/message_service.h"
#include "platform/db/dataset.h"

namespace tav::editors {

bool Editing(const TDataSet &dataSet)
{
    return dataSet.State() == TDataSetState::dsEdit || dataSet.State() == TDataSetState::dsInsert;
}

bool EndPendingEdit(TDataSet &dataSet)
{
    if (!Editing(dataSet))
        return true;
    try {
        // What the controls still hold belongs to the record: a correction typed after a refusal
        // makes it a new change, worth storing.
        dataSet.UpdateRecord();
        if (dataSet.PostRefused())
            dataSet.Cancel();
        else
            dataSet.CheckBrowseMode();
    } catch (const EAbort &) {
        // A rule refused the record and has said why.
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
    return !Editing(dataSet);
}

} // namespace tav::editors
