#include "app/MessageBox.h"

#include "app/ModeValues.h"

QString boxAnswer;
bool quietBoxes = false;
std::function<void()> exitSaveHandler;

namespace {

// Used before any window exists: shows nothing, answers as if the user
// closed the box without agreeing.
class SilentPresenter : public MessagePresenter {
public:
    BoxButton present(const MessageRequest &r) override
    {
        return r.isQuestion() ? BoxButton::Cancel : BoxButton::Ok;
    }
    void presentPlain(const QString &) override {}
};

SilentPresenter silentPresenter;
MessagePresenter *currentPresenter = &silentPresenter;

}  // namespace

MessagePresenter *installMessagePresenter(MessagePresenter *presenter)
{
    MessagePresenter *previous = currentPresenter;
    currentPresenter = presenter ? presenter : &silentPresenter;
    return previous == &silentPresenter ? nullptr : previous;
}

void showMessageBox(const QString &title, const QString &kind, const QString &first,
                    bool noVisible, bool yesVisible, bool okVisible, const QString &second)
{
    // The silence covers the save on exit; an error in that save is still
    // shown, or the program would end as if the subtitle had been saved.
    if ((boxAnswer == Answer::exitSaving || quietBoxes) && kind != BoxKind::error)
        return;
    MessageRequest request{title, kind, first, second, noVisible, yesVisible, okVisible};
    applyBoxAnswer(currentPresenter->present(request));
}

void showPlainMessage(const QString &text)
{
    currentPresenter->presentPlain(text);
}

namespace {

struct AnswerRow {
    const char *context;
    const char *yes;
    const char *no;      // nullptr: unchanged
    const char *cancel;  // nullptr: unchanged
};

// The contexts of the questions and what each button makes of them.
const AnswerRow answerTable[] = {
    {"semmit", "igen", "nem", nullptr},
    {"felulir", "igen", "nem", "nem"},
    {"mentes2", "mentes3", nullptr, "nemlepki"},
    {"felbontas", "igen", "nem", nullptr},
    {"torol", "igen", "nem", "nem"},
    {"hozzarendeles", "igen", "nem", "nem"},
};

}  // namespace

void applyBoxAnswer(BoxButton button)
{
    if (button == BoxButton::Ok)
        return;
    if (button == BoxButton::Yes || button == BoxButton::No)
        quietBoxes = false;
    for (const AnswerRow &row : answerTable) {
        if (boxAnswer != QLatin1String(row.context))
            continue;
        const char *next = button == BoxButton::Yes ? row.yes
                           : button == BoxButton::No ? row.no
                                                     : row.cancel;
        if (next)
            boxAnswer = QLatin1String(next);
        if (button == BoxButton::Yes && qstrcmp(row.context, "mentes2") == 0) {
            quietBoxes = true;
            if (exitSaveHandler)
                exitSaveHandler();
        }
        return;
    }
}

MessageBoxLayout layoutMessageBox(const MessageRequest &r, int firstTextWidth,
                                  int secondTextWidth, const MessageBoxLayout &previous)
{
    MessageBoxLayout l = previous;
    l.width = (r.second.size() < r.first.size() ? firstTextWidth : secondTextWidth) + 100;
    if (l.width < 330)
        l.width = 380;
    l.okVisible = r.okVisible;
    l.yesVisible = r.yesVisible;
    l.noVisible = r.noVisible;
    l.cancelVisible = r.yesVisible && r.noVisible;
    if (l.cancelVisible)
        l.width = 430;
    if (l.okVisible && !l.yesVisible && !l.noVisible)
        l.okLeft = (l.width - 75) / 2;
    if (!r.second.isEmpty()) {
        l.firstTop = 18;
        l.secondTop = 36;
    } else {
        l.firstTop = 20;
    }
    if (r.kind == BoxKind::info || r.kind == BoxKind::question
        || r.kind == BoxKind::error)
        l.icon = r.kind;
    l.yesLeft = 68;
    l.noLeft = 160;
    l.cancelLeft = 250;
    return l;
}
