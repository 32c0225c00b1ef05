#pragma once

class TDataSet;

namespace tav::editors {

// How an editor window that is closing ends the change the user left in one of its shared
// datasets, so that no record stays half typed for another window to store by surprise.
//
// A change is stored as leaving the row stores it, and an unchanged new record is dropped. A record
// whose store was already refused, and that has not changed since, is dropped without being stored
// again: the user has seen why it cannot be stored, and closing is the answer. When the store is
// refused now, its message is shown and the record stays as typed for correction; the window must
// then stay open (false).
bool EndPendingEdit(TDataSet &dataSet);

// True while the dataset holds a record being edited or inserted.
bool Editing(const TDataSet &dataSet);

} // namespace tav::editors
