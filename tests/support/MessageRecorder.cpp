#include "support/MessageRecorder.h"

QString MessageRecorder::Message::line() const
{
    return request.title + u'|' + request.kind + u'|' + request.first + u'|' + request.second;
}

MessageRecorder::MessageRecorder() : previous_(installMessagePresenter(this)) {}

MessageRecorder::~MessageRecorder()
{
    installMessagePresenter(previous_);
}

QStringList MessageRecorder::lines() const
{
    QStringList out;
    for (const Message &m : messages_)
        out.append(m.line());
    return out;
}

void MessageRecorder::clear()
{
    messages_.clear();
    plain_.clear();
    script_.clear();
}

BoxButton MessageRecorder::present(const MessageRequest &request)
{
    Message m{request, QStringLiteral("OK")};
    BoxButton button = BoxButton::Ok;
    if (request.yesVisible || request.noVisible) {
        const QString a = script_.isEmpty() ? QStringLiteral("Igen") : script_.takeFirst();
        m.answer = a;
        button = a == QLatin1String("Nem")      ? BoxButton::No
                 : a == QStringLiteral("Mégsem") ? BoxButton::Cancel
                                                : BoxButton::Yes;
    }
    messages_.append(m);
    return button;
}

void MessageRecorder::presentPlain(const QString &text)
{
    plain_.append(text);
}
