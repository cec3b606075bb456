#include "EditorFixture.h"

namespace {

class TFeliratSoundAndBreak : public EditorFixture {
protected:
    void setText(int row, const QString &text)
    {
        SubtitleTable &cds = model().cds;
        cds.setRecNo(row);
        cds.edit();
        cds.setField(Field::Szoveg, text);
        cds.post();
    }
    void trigger(const char *item)
    {
        w<QAction>(item)->trigger();
        QApplication::processEvents();
    }
};

TEST_F(TFeliratSoundAndBreak, TheToolMenuRemovesNamesAndRemarks)
{
    fillRows(3, false);
    setText(1, QStringLiteral("JOHN: Hi"));
    setText(2, QStringLiteral("(noise)"));
    setText(3, QStringLiteral("John: Hi"));
    model().cds.setRecNo(1);
    showEditor();
    trigger("HangutnzszavaksNevektrlse1");
    EXPECT_EQ(model().cds.recordCount(), 2);
    EXPECT_EQ(model().cds.rowAt(0).szoveg, QStringLiteral("- Hi"));
    EXPECT_EQ(recorder.plainMessages(),
              QStringList{"Ennyit módosítottam: 2\nEnnyi kritikus sort találtam: 1\nTovábbi "
                          "információt a \"Lista\" gomb alatt találsz!"});
    EXPECT_TRUE(w<QPushButton>("Bmentes")->isEnabled());
    EXPECT_FALSE(displayLock);

    recorder.clear();
    trigger("Hangutnzszavaksnevektrlse2");
    EXPECT_EQ(model().cds.rowAt(1).szoveg, QStringLiteral("Hi"));
}

TEST_F(TFeliratSoundAndBreak, AggressiveBreakingOnTheTimeBaseAndHalving)
{
    fillRows(2, false);
    model().setTimeBase(QStringLiteral("Time"));
    model().setThreshold(45);  // the second row is for halving only
    setText(1, QStringLiteral("Aaaa aaaa aaaa aaaa aaaa, bbbb bbbb bbbb bbbb bbbb"));
    setText(2, QStringLiteral("Aaaaaaaaaaaaaaaaa bbb cccccccccccccccccc"));
    showEditor();
    EXPECT_EQ(w<QAction>("agressziv")->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    trigger("agressziv");
    EXPECT_EQ(model().cds.rowAt(0).szoveg,
              QStringLiteral("Aaaa aaaa aaaa aaaa aaaa,|bbbb bbbb bbbb bbbb bbbb"));
    EXPECT_EQ(recorder.plainMessages().size(), 1);
    EXPECT_FALSE(displayLock);

    recorder.clear();
    trigger("Sorfelezs3872bet1");
    EXPECT_EQ(model().cds.rowAt(1).szoveg, QStringLiteral("Aaaaaaaaaaaaaaaaa|bbb cccccccccccccccccc"));
    EXPECT_EQ(recorder.lines(), QStringList{"Eredmény|info|Ennyit találtam: 1|További információt "
                                            "a \"Lista\" gomb alatt találsz!"});
}

}  // namespace
