#pragma once

#include <QString>

// The user-visible texts and a few settings of the data-aware library, gathered so that a
// program can translate or adjust them in one place. The library reads them from the one global
// holder, dqIntl(); a holder placed on a form copies its values there when connected.

struct TdqADOIntl
{
    bool UseLocateWhenFindingValue = true;
};

struct TdqDBNavigatorIntlHints
{
    QString FirstHint = QStringLiteral("Move to first record");
    QString PriorHint = QStringLiteral("Move to prior record");
    QString NextHint = QStringLiteral("Move to next record");
    QString LastHint = QStringLiteral("Move to last record");
    QString InsertHint = QStringLiteral("Insert new record");
    QString DeleteHint = QStringLiteral("Delete current record");
    QString EditHint = QStringLiteral("Edit current record");
    QString PostHint = QStringLiteral("Post changes of current record");
    QString CancelHint = QStringLiteral("Cancel changes made to current record");
    QString RefreshHint = QStringLiteral("Refresh the contents of the dataset");
    QString PriorPageHint = QStringLiteral("Move backward %d records");
    QString NextPageHint = QStringLiteral("Move forward %d records");
    QString SaveBookmarkHint = QStringLiteral("Save the current record position");
    QString RestoreBookmarkHint = QStringLiteral("Move to the saved record position");
    QString RecordViewDialogHint = QStringLiteral("View the current record");
    QString LocateDialogHint = QStringLiteral("Locate a record by a field value");
    QString FilterDialogHint = QStringLiteral("Filter the records");
    QString SearchDialogHint = QStringLiteral("Search the dataset");
};

struct TdqDBNavigatorIntl
{
    QString ConfirmDeleteMessage = QStringLiteral("Delete record?");
    TdqDBNavigatorIntlHints Hints;
};

struct TdqSearchDialogIntl
{
    QString SearchCharLabel = QStringLiteral("Search for:");
    QString SearchCharShortLabel = QStringLiteral("Search:");
    QString SearchByLabel = QStringLiteral("Search by:");
    QString StatusRecLabel = QStringLiteral("Record");
    QString StatusOfLabel = QStringLiteral("of");
    QString SearchCharHint = QStringLiteral("Type the value to search for");
    QString SearchByHint = QStringLiteral("Choose the field to search by");
};

struct TdqLocateDialogIntl
{
    QString FieldValueLabel = QStringLiteral("Field value");
    QString SearchTypeLabel = QStringLiteral("Search type");
    QString CaseSensitiveLabel = QStringLiteral("Case sensitive");
    QString MatchExactLabel = QStringLiteral("Exact match");
    QString MatchStartLabel = QStringLiteral("Partial match at beginning");
    QString MatchAnyLabel = QStringLiteral("Partial match anywhere");
    QString FieldsLabel = QStringLiteral("Fields");
    QString BtnFirst = QStringLiteral("&First");
    QString BtnNext = QStringLiteral("&Next");
    QString BtnCancel = QStringLiteral("Cancel");
    QString FieldValueHint = QStringLiteral("Value to search for");
    QString CaseSensitiveHint = QStringLiteral("Match upper and lower case as typed");
    QString MatchExactHint = QStringLiteral("The field must equal the value");
    QString MatchStartHint = QStringLiteral("The field must begin with the value");
    QString MatchAnyHint = QStringLiteral("The field must contain the value");
    QString BtnFirstHint = QStringLiteral("Find the first matching record");
    QString BtnNextHint = QStringLiteral("Find the next matching record");
    QString FieldNameHint = QStringLiteral("Field to search");
};

struct TdqMonthCalendarIntl
{
    QString PopupYearLabel = QStringLiteral("Edit Year");
    QString EnterYearPrompt = QStringLiteral("Enter Valid Year");
};

struct TdqUserMessagesIntl
{
    QString dqDBGridDiscardChanges = QStringLiteral("Discard changes to this record?");
    QString PictureValidateError = QStringLiteral("Invalid characters. Field : ");
    QString LocateNoMatches = QStringLiteral("No matches found");
    QString LocateNoMoreMatches = QStringLiteral("No more matches found");
    QString MemoChangesWarning = QStringLiteral("Changes have been made!  Are you sure you wish to cancel?");
    QString RichEditExitWarning =
        QStringLiteral("Changes have been made!  Do you wish to save your changes?");
    QString RichEditClearWarning = QStringLiteral("Clear entire text?");
    QString RichEditSpellCheckComplete = QStringLiteral("The spell check is complete.");
    QString RichEditMSWordNotFound = QStringLiteral("Unable to start Microsoft Word's Spell Checker.");
    QString FilterDlgNoCriteria = QStringLiteral("You have not selected any search criteria");
    QString RecordViewExitWarning =
        QStringLiteral("Changes have been made!  Do you wish to save your changes?");
};

enum TdqCheckBoxInGridStyle
{
    cbStyleAuto,
    cbStyleCheckmark,
    cbStyleXmark,
};

class TdqIntl
{
public:
    TdqIntl() = default;
    TdqIntl(const TdqIntl &) = default;
    TdqIntl &operator=(const TdqIntl &) = default;

    TdqADOIntl ADO;
    TdqDBNavigatorIntl Navigator;
    TdqSearchDialogIntl SearchDialog;
    TdqLocateDialogIntl LocateDialog;
    TdqMonthCalendarIntl MonthCalendar;
    TdqUserMessagesIntl UserMessages;
    bool OKCancelBitmapped = true;
    QString BtnOKCaption = QStringLiteral("&OK");
    QString BtnCancelCaption = QStringLiteral("Cancel");
    int FilterMemoSize = 65536;
    bool UseLocateMethodForSearch = true;
    int DefaultEpochYear = 1950;

    // The library's version; writes are ignored.
    QString VersionDq() const { return QStringLiteral("2.0.20"); }
    void SetVersionDq(const QString &) {}

    QString IniFileName() const { return iniFileName_; }
    void SetIniFileName(const QString &name) { iniFileName_ = name; }

    TdqCheckBoxInGridStyle CheckBoxInGridStyle() const { return checkBoxInGridStyle_; }
    // A connected holder passes the style on to the global one.
    void SetCheckBoxInGridStyle(TdqCheckBoxInGridStyle style);

    bool Connected() const { return connected_; }
    // Connecting copies every text and setting into the global holder.
    void SetConnected(bool connected);

private:
    void Connect();

    QString iniFileName_;
    TdqCheckBoxInGridStyle checkBoxInGridStyle_ = cbStyleAuto;
    bool connected_ = false;
};

// The global holder, made on first use.
TdqIntl &dqIntl();

// The event type that tells a date picker to close its calendar, registered on first use.
int dqDatePickerDestroyCalendarEvent();
