#include "platform/ui/db_navigator.h"

#include "platform/core/message_service.h"
#include "platform/db/db_errors.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace {

const QStringList DefaultHints = {
    QStringLiteral("Πρώτη εγγραφή"),   QStringLiteral("Προηγούμενη εγγραφή"),
    QStringLiteral("Επόμενη εγγραφή"), QStringLiteral("Τελευταία εγγραφή"),
    QStringLiteral("Νέα εγγραφή"),     QStringLiteral("Διαγραφή εγγραφής"),
    QStringLiteral("Αλλαγή εγγραφής"), QStringLiteral("Καταχώρηση"),
    QStringLiteral("Ακύρωση"),         QStringLiteral("Ανανέωση"),
};
const QString DeleteQuestion = QStringLiteral("Διαγραφή εγγραφής;");

// The faces of the buttons, in the order of TNavigateBtn.
const char *const Glyphs[] = {"|◀", "◀", "▶", "▶|", "+", "−", "▲", "✔", "✖", "↻"};

} // namespace

TDBNavigator::TDBNavigator(QWidget *parent) : QWidget(parent), hints_(DefaultHints)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < int(buttons_.size()); ++i) {
        auto *button = new QToolButton(this);
        button->setText(QString::fromUtf8(Glyphs[i]));
        button->setAutoRaise(false);
        layout->addWidget(button);
        buttons_[size_t(i)] = button;
        connect(button, &QToolButton::clicked, this, [this, i]() { Pressed(TNavigateBtn(i)); });
    }
    ApplyHints();
    UpdateButtons();
}

void TDBNavigator::SetDataSource(TDataSource *source)
{
    if (!source_.Switch(source))
        return;
    if (source)
        source_ << connect(source, &TDataSource::StateChanged, this, &TDBNavigator::UpdateButtons)
                << connect(source, &TDataSource::DataChanged, this, &TDBNavigator::UpdateButtons)
                << connect(source, &QObject::destroyed, this, &TDBNavigator::UpdateButtons,
                           Qt::QueuedConnection);
    UpdateButtons();
}

void TDBNavigator::SetVisibleButtons(TButtonSet buttons)
{
    visible_ = buttons;
    for (int i = 0; i < int(buttons_.size()); ++i)
        buttons_[size_t(i)]->setVisible(visible_.Contains(TNavigateBtn(i)));
}

void TDBNavigator::SetHints(const QStringList &hints)
{
    hints_ = hints;
    ApplyHints();
}

void TDBNavigator::SetShowHint(bool show)
{
    showHint_ = show;
    ApplyHints();
}

void TDBNavigator::ApplyHints()
{
    for (int i = 0; i < int(buttons_.size()); ++i) {
        const QString hint = i < hints_.size() ? hints_.at(i) : DefaultHints.at(i);
        buttons_[size_t(i)]->setToolTip(showHint_ ? hint : QString());
        buttons_[size_t(i)]->setAccessibleName(hint);
    }
}

void TDBNavigator::UpdateButtons()
{
    TDataSet *data = DataSource() ? DataSource()->DataSet() : nullptr;
    const bool active = data && data->Active() && DataSource()->Enabled();
    const bool editing =
        active && (data->State() == TDataSetState::dsEdit || data->State() == TDataSetState::dsInsert);
    const bool canModify = active && data->CanModify();
    const bool empty = active && data->Bof() && data->Eof();
    const bool up = active && !data->Bof();
    const bool down = active && !data->Eof();
    const bool enabled[] = {up,
                            up,
                            down,
                            down,
                            canModify,
                            canModify && !empty,
                            canModify && !editing,
                            editing,
                            editing,
                            active && !editing};
    for (int i = 0; i < int(buttons_.size()); ++i)
        buttons_[size_t(i)]->setEnabled(isEnabled() && enabled[i]);
}

void TDBNavigator::BtnClick(TNavigateBtn button)
{
    TDataSet *data = DataSource() ? DataSource()->DataSet() : nullptr;
    if (!data)
        return;
    if (BeforeAction) {
        try {
            BeforeAction(button);
        } catch (const EAbort &) {
            return;
        }
    }
    switch (button) {
    case nbFirst:
        data->First();
        break;
    case nbPrior:
        data->Prior();
        break;
    case nbNext:
        data->Next();
        break;
    case nbLast:
        data->Last();
        break;
    case nbInsert:
        data->Insert();
        break;
    case nbDelete:
        if (confirmDelete_ && MessageDlg(DeleteQuestion, mtConfirmation, {mbYes, mbNo}) != mrYes)
            return;
        data->Delete();
        break;
    case nbEdit:
        data->Edit();
        break;
    case nbPost:
        data->Post();
        break;
    case nbCancel:
        data->Cancel();
        break;
    case nbRefresh:
        data->Refresh();
        break;
    }
    if (OnClick)
        OnClick(button);
}

void TDBNavigator::Pressed(TNavigateBtn button)
{
    try {
        BtnClick(button);
        if (button == nbInsert || button == nbEdit)
            FocusEditor();
    } catch (const EAbort &) {
    } catch (const Exception &error) {
        MessageDlg(error.Message(), mtError, {mbOK});
    }
    UpdateButtons();
}

void TDBNavigator::FocusEditor()
{
    QWidget *top = window();
    for (QWidget *widget = top->nextInFocusChain(); widget && widget != top;
         widget = widget->nextInFocusChain())
        if (auto *editor = dynamic_cast<TDataEditor *>(widget); editor && editor->FocusToEdit(DataSource()))
            return;
}
