#pragma once
#include <QString>
#include <functional>

// The one message and question box of the program. Core routines call
// showMessageBox exactly as the behaviour describes; an installed presenter
// shows it (the TKiszoveg window in the program, a recorder in tests, the
// batch tool's printer) and tells which button closed it. The answer is
// then translated into boxAnswer by its context.

enum class BoxButton { Ok, Yes, No, Cancel };

struct MessageRequest {
    QString title;
    QString kind;  // "info", "kerdes", "hiba"
    QString first;
    QString second;
    bool noVisible = false;
    bool yesVisible = false;
    bool okVisible = true;
    bool isQuestion() const { return noVisible && yesVisible; }
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows the box modally and returns the button that closed it.
    virtual BoxButton present(const MessageRequest &request) = 0;
    // The platform's plain information message (lines joined by "\n").
    virtual void presentPlain(const QString &text) = 0;
};

extern QString boxAnswer;
extern bool quietBoxes;

// Runs the save that "Igen" on the exit question asks for; the editor
// installs it.
extern std::function<void()> exitSaveHandler;

// Installs the presenter (nullptr restores the silent default) and returns
// the previous one.
MessagePresenter *installMessagePresenter(MessagePresenter *presenter);

void showMessageBox(const QString &title, const QString &kind, const QString &first,
                    bool noVisible, bool yesVisible, bool okVisible,
                    const QString &second = QString());
void showPlainMessage(const QString &text);

// Translates the button into boxAnswer by the current context.
void applyBoxAnswer(BoxButton button);

// Places of the box's parts for one message. Width rules need the drawn
// widths of the two lines, which the window measures with its font.
struct MessageBoxLayout {
    int width = 380;
    int height = 135;
    bool okVisible = true, yesVisible = false, noVisible = false, cancelVisible = false;
    int okLeft = 72, okTop = 74;
    int yesLeft = 68, noLeft = 160, cancelLeft = 250, questionTop = 66;
    int firstLeft = 68, firstTop = 18, secondTop = 36;
    QString icon = QStringLiteral("info");  // which of the three icons shows
};

MessageBoxLayout layoutMessageBox(const MessageRequest &request, int firstTextWidth,
                                  int secondTextWidth, const MessageBoxLayout &previous);
