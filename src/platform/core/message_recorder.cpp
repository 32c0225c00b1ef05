#include "platform/core/message_recorder.h"

#include <stdexcept>

MessageRecorder::MessageRecorder() : previous_(InstallMessageService(this)) {}

MessageRecorder::~MessageRecorder()
{
    InstallMessageService(previous_);
}

void MessageRecorder::QueueAnswer(int result)
{
    answers_.enqueue({result, {}});
}

void MessageRecorder::QueueInput(const QString &value, int result)
{
    answers_.enqueue({result, value});
}

void MessageRecorder::SetDefaultAnswer(int result)
{
    defaultAnswer_ = result;
}

const MessageRequest &MessageRecorder::Last() const
{
    if (calls_.isEmpty())
        throw std::logic_error("MessageRecorder::Last: no message was shown");
    return calls_.last();
}

QStringList MessageRecorder::Texts() const
{
    QStringList texts;
    for (const MessageRequest &call : calls_)
        texts.append(call.text);
    return texts;
}

void MessageRecorder::Clear()
{
    calls_.clear();
    answers_.clear();
    defaultAnswer_ = mrNone;
}

MessageAnswer MessageRecorder::Show(const MessageRequest &request)
{
    calls_.append(request);
    if (!answers_.isEmpty())
        return answers_.dequeue();
    const int result = defaultAnswer_ != mrNone ? defaultAnswer_ : ModalResultOf(request.defaultButton);
    return {result, request.value};
}
