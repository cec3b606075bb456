#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "app/MessageBox.h"

// Installs itself as the message presenter for its lifetime, keeps every
// message in order and answers questions from a script ("Igen", "Nem",
// "Mégsem"); questions beyond the script are answered "Igen".
class MessageRecorder : public MessagePresenter {
public:
    struct Message {
        MessageRequest request;
        QString answer;  // "OK", "Igen", "Nem", "Mégsem"
        // title | kind | first | second, for compact assertions
        QString line() const;
    };

    MessageRecorder();
    ~MessageRecorder() override;

    void answer(const QString &button) { script_.append(button); }
    void answer(const QStringList &buttons) { script_.append(buttons); }

    const QList<Message> &messages() const { return messages_; }
    QStringList lines() const;
    const QStringList &plainMessages() const { return plain_; }
    void clear();

    BoxButton present(const MessageRequest &request) override;
    void presentPlain(const QString &text) override;

private:
    QList<Message> messages_;
    QStringList plain_;
    QStringList script_;
    MessagePresenter *previous_;
};
