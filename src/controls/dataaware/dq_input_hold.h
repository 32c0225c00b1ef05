#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

namespace tav::controls {

// Looks for Escape while a long filtered scan runs: pumps the events that wait, noting an Escape
// key press, and holds back every other keystroke and mouse input so that nothing acts on the
// dataset in the middle of the scan. Held input is delivered, in order, once the scan is over.
class TdqInputHold : public QObject
{
public:
    static TdqInputHold &Instance();

    // Whether Escape was pressed since the last look.
    bool EscapePressed();
    // Posts the held input to its receivers again.
    void DeliverHeld();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Held
    {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::vector<Held> held_;
    bool escape_ = false;
};

} // namespace tav::controls
