#pragma once

#include "platform/core/enum_set.h"
#include "platform/ui/db_data_link.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class QToolButton;

enum TNavigateBtn
{
    nbFirst,
    nbPrior,
    nbNext,
    nbLast,
    nbInsert,
    nbDelete,
    nbEdit,
    nbPost,
    nbCancel,
    nbRefresh
};
using TButtonSet = EnumSet<TNavigateBtn>;

inline const TButtonSet AllNavigateButtons{nbFirst,  nbPrior, nbNext, nbLast,   nbInsert,
                                           nbDelete, nbEdit,  nbPost, nbCancel, nbRefresh};

// A row of buttons that move through and edit the dataset of a data source. Each button is
// enabled only when its action makes sense in the dataset's state (no "previous" on the first
// record, no "post" outside editing ...). Delete asks first when ConfirmDelete is on. After the
// insert and edit buttons the keyboard goes to the first control of the window, in tab order,
// that changes the record (a grid's first editable cell, a data-aware edit).
class TDBNavigator : public QWidget
{
    Q_OBJECT

public:
    explicit TDBNavigator(QWidget *parent = nullptr);

    TDataSource *DataSource() const { return source_.Source(); }
    void SetDataSource(TDataSource *source);
    TButtonSet VisibleButtons() const { return visible_; }
    void SetVisibleButtons(TButtonSet buttons);
    bool ConfirmDelete() const { return confirmDelete_; }
    void SetConfirmDelete(bool confirm) { confirmDelete_ = confirm; }
    // One hint per button, in the order of TNavigateBtn.
    QStringList Hints() const { return hints_; }
    void SetHints(const QStringList &hints);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);

    QToolButton *Button(TNavigateBtn button) const { return buttons_[size_t(button)]; }

    // Does what pressing the button does; errors of the dataset reach the caller (the buttons
    // themselves show them in a message box). A delete answered No does nothing.
    void BtnClick(TNavigateBtn button);

    // Before the button's action; Abort() stops it.
    std::function<void(TNavigateBtn button)> BeforeAction;
    // After the button's action.
    std::function<void(TNavigateBtn button)> OnClick;

private:
    void Pressed(TNavigateBtn button);
    void FocusEditor();
    void UpdateButtons();
    void ApplyHints();

    TSourceConnections source_;
    std::array<QToolButton *, 10> buttons_{};
    TButtonSet visible_ = AllNavigateButtons;
    QStringList hints_;
    bool confirmDelete_ = true;
    bool showHint_ = false;
};
