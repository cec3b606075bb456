#include <gtest/gtest.h>

#include "app/MessageBox.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"

namespace {

MessageRequest message(const QString &first, const QString &second = {})
{
    return MessageRequest{QStringLiteral("Cím"), QStringLiteral("info"), first, second,
                          false, false, true};
}

MessageRequest question(const QString &first, const QString &second = {})
{
    return MessageRequest{QStringLiteral("Cím"), QStringLiteral("kerdes"), first, second,
                          true, true, false};
}

TEST(MessageBoxLayout, WidthFollowsTheLongerLineWithAMinimum)
{
    struct Case {
        MessageRequest request;
        int firstWidth, secondWidth, width;
    } cases[] = {
        {message(QStringLiteral("Kész")), 40, 0, 380},               // below 330 -> 380
        {message(QStringLiteral("Kész")), 229, 0, 380},              // 329 is still too narrow
        {message(QStringLiteral("Kész")), 230, 0, 330},              // exactly 330 stays
        {message(QStringLiteral("Hosszú első sor"), QStringLiteral("rövid")), 400, 60, 500},
        // equal lengths in characters: the second line's width counts
        {message(QStringLiteral("abcd"), QStringLiteral("efgh")), 300, 500, 600},
        {message(QStringLiteral("ab"), QStringLiteral("második sor")), 30, 450, 550},
        {question(QStringLiteral("x")), 10, 0, 430},                 // a question is always 430
        {question(QString(600, u'x'), QString(700, u'y')), 3000, 3500, 430},
    };
    for (const Case &c : cases) {
        const MessageBoxLayout l = layoutMessageBox(c.request, c.firstWidth, c.secondWidth, {});
        EXPECT_EQ(l.width, c.width) << c.request.first.toStdString();
        EXPECT_EQ(l.height, 135);
    }
}

TEST(MessageBoxLayout, ButtonsAndLinesSitWhereTheKindNeedsThem)
{
    const MessageBoxLayout ok = layoutMessageBox(message(QStringLiteral("Kész")), 40, 0, {});
    EXPECT_TRUE(ok.okVisible);
    EXPECT_FALSE(ok.yesVisible || ok.noVisible || ok.cancelVisible);
    EXPECT_EQ(ok.okLeft, 152);
    EXPECT_EQ(ok.firstTop, 20);  // no second line: the first sits a little lower

    const MessageBoxLayout wide =
        layoutMessageBox(message(QStringLiteral("Hosszú sor"), QStringLiteral("x")), 500, 10, {});
    EXPECT_EQ(wide.okLeft, (600 - 75) / 2);
    EXPECT_EQ(wide.firstTop, 18);
    EXPECT_EQ(wide.secondTop, 36);

    const MessageBoxLayout ask = layoutMessageBox(question(QStringLiteral("Biztos?")), 50, 0, {});
    EXPECT_FALSE(ask.okVisible);
    EXPECT_TRUE(ask.yesVisible && ask.noVisible && ask.cancelVisible);
    EXPECT_EQ(ask.yesLeft, 68);
    EXPECT_EQ(ask.noLeft, 160);
    EXPECT_EQ(ask.cancelLeft, 250);
    EXPECT_EQ(ask.questionTop, 66);
    EXPECT_EQ(ask.icon, QStringLiteral("kerdes"));
}

TEST(MessageBoxLayout, UnknownKindKeepsTheIconOfTheLastMessage)
{
    MessageRequest error = message(QStringLiteral("Hiba"));
    error.kind = QStringLiteral("hiba");
    const MessageBoxLayout first = layoutMessageBox(error, 10, 0, {});
    MessageRequest odd = message(QStringLiteral("Más"));
    odd.kind = QStringLiteral("figyelem");
    EXPECT_EQ(layoutMessageBox(odd, 10, 0, first).icon, QStringLiteral("hiba"));
}

class MessageBoxAnswers : public GlobalsFixture {
protected:
    void TearDown() override
    {
        exitSaveHandler = nullptr;
        GlobalsFixture::TearDown();
    }
    MessageRecorder recorder;
};

TEST_F(MessageBoxAnswers, EachContextTurnsTheButtonIntoItsAnswer)
{
    struct Case {
        const char *context, *button, *answer;
    } cases[] = {
        {"semmit", "Igen", "igen"},        {"semmit", "Nem", "nem"},
        {"semmit", "Mégsem", "semmit"},    {"felulir", "Igen", "igen"},
        {"felulir", "Nem", "nem"},         {"felulir", "Mégsem", "nem"},
        {"mentes2", "Nem", "mentes2"},     {"mentes2", "Mégsem", "nemlepki"},
        {"felbontas", "Igen", "igen"},     {"felbontas", "Nem", "nem"},
        {"felbontas", "Mégsem", "felbontas"},
        {"torol", "Igen", "igen"},         {"torol", "Nem", "nem"},
        {"torol", "Mégsem", "nem"},        {"hozzarendeles", "Igen", "igen"},
        {"hozzarendeles", "Nem", "nem"},   {"hozzarendeles", "Mégsem", "nem"},
        {"valami", "Igen", "valami"},      // an unknown context is left alone
    };
    for (const Case &c : cases) {
        boxAnswer = QString::fromUtf8(c.context);
        recorder.answer(QString::fromUtf8(c.button));
        showMessageBox(QStringLiteral("K"), QStringLiteral("kerdes"), QStringLiteral("?"), true,
                       true, false);
        EXPECT_EQ(boxAnswer, QString::fromUtf8(c.answer)) << c.context << " " << c.button;
    }
}

TEST_F(MessageBoxAnswers, OkOnlyClosesTheBox)
{
    boxAnswer = QStringLiteral("felulir");
    showMessageBox(QStringLiteral("K"), QStringLiteral("info"), QStringLiteral("Kész"), false,
                   false, true);
    EXPECT_EQ(boxAnswer, QStringLiteral("felulir"));
    EXPECT_EQ(recorder.lines(), QStringList{QStringLiteral("K|info|Kész|")});
}

TEST_F(MessageBoxAnswers, YesOnTheExitQuestionSavesSilently)
{
    int saves = 0;
    QStringList boxesDuringSave;
    exitSaveHandler = [&] {
        ++saves;
        EXPECT_EQ(boxAnswer, QStringLiteral("mentes3"));
        EXPECT_TRUE(quietBoxes);
        // the save's own messages, including its overwrite question, stay unseen
        showMessageBox(QStringLiteral("Mentés"), QStringLiteral("info"),
                       QStringLiteral("A felirat el lett mentve!"), false, false, true);
        boxAnswer = QStringLiteral("felulir");
        showMessageBox(QStringLiteral("Felülírás"), QStringLiteral("kerdes"),
                       QStringLiteral("Felülírja?"), true, true, false);
        EXPECT_EQ(boxAnswer, QStringLiteral("felulir"));  // counts as yes
    };
    boxAnswer = QStringLiteral("mentes2");
    recorder.answer(QStringLiteral("Igen"));
    showMessageBox(QStringLiteral("A felirat mentése!"), QStringLiteral("kerdes"),
                   QStringLiteral("A felirat módosítva lett!"), true, true, false,
                   QStringLiteral("Elmenti?"));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(recorder.messages().size(), 1);
}

TEST_F(MessageBoxAnswers, SilencedBoxesShowNothingButErrors)
{
    quietBoxes = true;
    showMessageBox(QStringLiteral("K"), QStringLiteral("info"), QStringLiteral("csend"), false,
                   false, true);
    quietBoxes = false;
    boxAnswer = QStringLiteral("mentes3");
    showMessageBox(QStringLiteral("K"), QStringLiteral("kerdes"), QStringLiteral("csend"), true,
                   true, false);
    EXPECT_EQ(boxAnswer, QStringLiteral("mentes3"));
    EXPECT_TRUE(recorder.messages().isEmpty());

    // A failed save on exit must not pass for a saved one.
    showMessageBox(QStringLiteral("Hiba!"), QStringLiteral("hiba"),
                   QStringLiteral("Írásvédett file!"), false, false, true);
    EXPECT_EQ(recorder.lines(), QStringList{QStringLiteral("Hiba!|hiba|Írásvédett file!|")});
    EXPECT_EQ(boxAnswer, QStringLiteral("mentes3"));
}

TEST_F(MessageBoxAnswers, YesAndNoLiftTheSilence)
{
    for (BoxButton b : {BoxButton::Yes, BoxButton::No}) {
        quietBoxes = true;
        boxAnswer = QStringLiteral("torol");
        applyBoxAnswer(b);
        EXPECT_FALSE(quietBoxes);
    }
    quietBoxes = true;
    applyBoxAnswer(BoxButton::Cancel);
    EXPECT_TRUE(quietBoxes);
}

}  // namespace
