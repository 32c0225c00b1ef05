#pragma once

#include "platform/core/message_service.h"

#include <QQueue>
#include <QStringList>

// Stands in for the message boxes while it lives: records every call (kind, text, caption,
// buttons, default button) and answers at once from prepared answers, so a window under test
// never waits on a modal box. Installs itself on construction and puts the previous service
// back on destruction.
class MessageRecorder : public MessageService
{
public:
    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    // Answers taken in order, one per call.
    void QueueAnswer(int result);
    // An answer to a prompt: the text typed and the button pressed.
    void QueueInput(const QString &value, int result = mrOk);
    // The answer once the queue is empty; mrNone (the start) means the box's default button, and
    // a prompt then keeps the text it offered.
    void SetDefaultAnswer(int result);

    const QList<MessageRequest> &Calls() const { return calls_; }
    qsizetype Count() const { return calls_.size(); }
    // The latest call; throws std::logic_error when there was none.
    const MessageRequest &Last() const;
    QStringList Texts() const;
    void Clear();

    MessageAnswer Show(const MessageRequest &request) override;

private:
    MessageService *previous_ = nullptr;
    QList<MessageRequest> calls_;
    QQueue<MessageAnswer> answers_;
    int defaultAnswer_ = mrNone;
};
