// Style tags and the editor's text clipboard on the current row, headless.
#include <gtest/gtest.h>

#include "document/DocumentGlobals.h"
#include "support/ControlIdByName.h"
#include "editor/EditorModel.h"
#include "tools/style/TextStyle.h"
#include "support/GlobalsFixture.h"
#include "support/PrintQString.h"

namespace {

class TextStyle : public GlobalsFixture {
protected:
    void fill(std::initializer_list<const char *> texts)
    {
        model.setTimeBase(QStringLiteral("Time"));
        model.cds.create();
        int i = 0;
        for (const char *t : texts) {
            model.cds.append();
            model.cds.setField(Field::Kezdes, QStringLiteral("00:00:0%1,000").arg(i));
            model.cds.setField(Field::Befejezes, QStringLiteral("00:00:0%1,500").arg(i));
            model.cds.setField(Field::Szoveg, QString::fromUtf8(t));
            model.cds.post();
            ++i;
        }
        model.cds.first();
        displayLock = false;
        model.setModified(false);
    }
    QString text() const { return model.cds.field(Field::Szoveg); }
    QStringList texts() const
    {
        QStringList out;
        for (int i = 0; i < model.cds.recordCount(); ++i)
            out << model.cds.rowAt(i).szoveg;
        return out;
    }
    bool checked(const char *item) const { return model.isChecked(ctl(item)); }

    EditorModel model;
};

TEST_F(TextStyle, ChecksFollowTheTagsPresent)
{
    struct Case {
        const char *text;
        bool italic, italic2, bold, underline;
    };
    const Case cases[] = {
        {"plain", false, false, false, false},
        {"<i>a|b</i>", true, false, false, false},
        {"<i>abc", false, true, false, false},
        {"abc</i>", false, false, false, false},
        {"</b>x<b>", false, false, true, false},  // order is not looked at
        {"<u>x</u>|<b>y", false, false, false, true},
    };
    for (const Case &c : cases) {
        const StyleChecks s = styleChecksOf(QString::fromUtf8(c.text));
        EXPECT_EQ(s.italic, c.italic) << c.text;
        EXPECT_EQ(s.italic2, c.italic2) << c.text;
        EXPECT_EQ(s.bold, c.bold) << c.text;
        EXPECT_EQ(s.underline, c.underline) << c.text;
    }
}

TEST_F(TextStyle, WholeRowItalicOnAndOffAcrossTheLineBreak)
{
    fill({"first|second"});
    toggleWholeStyle(model, italicTags());
    EXPECT_EQ(text(), "<i>first|second</i>");
    EXPECT_TRUE(checked("dolt"));
    EXPECT_TRUE(model.modified());
    toggleWholeStyle(model, italicTags());
    EXPECT_EQ(text(), "first|second");
    EXPECT_FALSE(checked("dolt"));
    EXPECT_FALSE(displayLock);

    toggleWholeStyle(model, boldTags());
    toggleWholeStyle(model, underlineTags());
    EXPECT_EQ(text(), "<u><b>first|second</b></u>");
    EXPECT_TRUE(checked("Vastagitott"));
    EXPECT_TRUE(checked("Alahuzott"));
}

TEST_F(TextStyle, SecondKindOfItalics)
{
    fill({"abc"});
    toggleItalic2(model);
    EXPECT_EQ(text(), "<i>abc");
    EXPECT_TRUE(checked("dolt2"));
    EXPECT_FALSE(checked("dolt"));
    toggleItalic2(model);
    EXPECT_EQ(text(), "abc");
    EXPECT_FALSE(checked("dolt2"));
}

TEST_F(TextStyle, UnpairedClosingTagGoesWithTheNextRemoval)
{
    fill({"abc</i>"});
    updateStyleChecks(model);
    EXPECT_FALSE(checked("dolt"));
    toggleWholeStyle(model, italicTags());
    EXPECT_EQ(text(), "<i>abc</i></i>");
    EXPECT_TRUE(checked("dolt"));
    toggleWholeStyle(model, italicTags());
    EXPECT_EQ(text(), "abc");
}

TEST_F(TextStyle, RemovingEveryStyle)
{
    fill({"<b><i>x</i></b>|<u>y"});
    toggleWholeStyle(model, boldTags());  // checked: removes the bold pair only
    EXPECT_EQ(text(), "<i>x</i>|<u>y");
    removeAllStyles(model);
    EXPECT_EQ(text(), "x|y");
    for (const char *item : {"dolt", "dolt2", "Vastagitott", "Alahuzott"})
        EXPECT_FALSE(checked(item)) << item;
    EXPECT_EQ(withoutTags(QStringLiteral("<b>a<b>b</b>"), boldTags()), "ab");
}

TEST_F(TextStyle, RowClipboard)
{
    fill({"one|two", "three"});
    cutRowText(model);
    EXPECT_EQ(texts(), (QStringList{"", "three"}));
    EXPECT_EQ(model.textClipboard, "one|two");
    EXPECT_TRUE(model.isEnabled(Ctl::Beillesztes));
    EXPECT_TRUE(model.modified());
    model.cds.next();
    pasteRowText(model);
    EXPECT_EQ(texts(), (QStringList{"", "one|two"}));
    model.cds.first();
    copyRowText(model);
    EXPECT_EQ(model.textClipboard, "");

    // an empty clipboard changes nothing: the row keeps its text
    model.cds.next();
    model.setModified(false);
    pasteRowText(model);
    EXPECT_EQ(texts(), (QStringList{"", "one|two"}));
    EXPECT_FALSE(model.modified());

    // an empty table: only the marker
    model.textClipboard = QStringLiteral("x");
    model.cds.empty();
    model.setModified(false);
    pasteRowText(model);
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(model.cds.recordCount(), 0);
}

TEST_F(TextStyle, SelectionStylesTheFirstOccurrence)
{
    struct Case {
        const char *text;
        const char *selected;
        const TagPair &tags;
        const char *expected;
    };
    const Case cases[] = {
        {"first|second", "second", boldTags(), "first|<b>second</b>"},
        {"ab cd ab", "ab", underlineTags(), "<u>ab</u> cd ab"},
        {"first line|second line", "line\xE2\x80\xA9second", italicTags(),
         "first <i>line|second</i> line"},
        {"abc", "xyz", italicTags(), "abc"},  // not found: nothing changes
    };
    for (const Case &c : cases) {
        fill({c.text});
        tagSelection(model, QString::fromUtf8(c.selected), c.tags);
        EXPECT_EQ(text(), QString::fromUtf8(c.expected)) << c.text;
        EXPECT_FALSE(displayLock);
    }
}

TEST_F(TextStyle, SelectionCuts)
{
    struct Case {
        const char *text;
        const char *selected;
        const char *left;
    };
    const Case cases[] = {
        {"first|second", "second", "first"},        // the "|" goes too
        {"<i>first|second</i>", "<i>first", "|second"},  // orphan "</i>" goes
        {"a\r\nb", "x", "a\r\nb"},                  // not found
        {"ab ab", "ab", " ab"},
    };
    for (const Case &c : cases) {
        fill({c.text});
        cutSelectionFromRow(model, QString::fromUtf8(c.selected));
        EXPECT_EQ(text(), QString::fromUtf8(c.left)) << c.text;
        EXPECT_EQ(model.textClipboard, QString::fromUtf8(c.selected));
    }
    EXPECT_EQ(selectionStoredForm(QStringLiteral("a\r\nb") + QChar(0) + QChar(0x2029) + u'c'),
              "a|b|c");
}

TEST_F(TextStyle, PasteAtTheCaret)
{
    fill({"first|second"});
    model.textClipboard = QStringLiteral("abc");
    // the caret at the start of the second line of the field
    pasteAtCaret(model, storedCaret(QStringLiteral("first\nsecond"), 6));
    EXPECT_EQ(text(), "first|abcsecond");
    EXPECT_EQ(storedCaret(QStringLiteral("first\r\nsecond"), 7), 6);

    // the clean-up keeps a pasted closing italic tag from standing alone
    fill({"x"});
    model.textClipboard = QStringLiteral("y</i>");
    pasteAtCaret(model, 99);
    EXPECT_EQ(text(), "xy");

    // nothing to paste
    fill({"x"});
    model.textClipboard.clear();
    pasteAtCaret(model, 0);
    EXPECT_EQ(text(), "x");
    EXPECT_FALSE(model.modified());
}

TEST_F(TextStyle, CutIntoRowsOfTheirOwn)
{
    fill({"one two", "Start"});
    cutIntoNewRow(model, QStringLiteral(" two"));
    EXPECT_EQ(texts(), (QStringList{"one", " two", "Start"}));
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_TRUE(model.modified());

    fill({"begin end", "Start"});
    cutToNextRowStart(model, QStringLiteral("end"));
    EXPECT_EQ(texts(), (QStringList{"begin ", "endStart"}));
    EXPECT_EQ(model.cds.recNo(), 2);

    // from the last row a new row takes the cut text
    cutToNextRowStart(model, QStringLiteral("Start"));
    EXPECT_EQ(texts(), (QStringList{"begin ", "end", "Start"}));
    EXPECT_EQ(model.cds.recNo(), 3);

    // a selection that is not in the row moves nothing
    fill({"abc", "def"});
    cutIntoNewRow(model, QStringLiteral("zz"));
    cutToNextRowStart(model, QStringLiteral("zz"));
    EXPECT_EQ(texts(), (QStringList{"abc", "def"}));
    EXPECT_EQ(model.cds.recNo(), 1);
}

TEST_F(TextStyle, KeysThatMarkTheSubtitleModified)
{
    struct Case {
        int key;
        int mods;
        bool selection;
        bool now, typing, copies;
    };
    const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    const Case cases[] = {
        {Qt::Key_Delete, 0, false, true, false, false},
        {Qt::Key_Space, 0, false, true, false, false},
        {Qt::Key_Home, 0, false, false, false, false},
        {Qt::Key_Left, 0, false, false, false, false},
        {Qt::Key_Escape, 0, false, false, false, false},
        {Qt::Key_A, 0, false, false, true, false},
        {Qt::Key_A, shift, false, true, false, false},
        {Qt::Key_Left, shift, false, false, false, false},
        {Qt::Key_Shift, shift, false, false, false, false},
        {Qt::Key_C, ctrl, true, false, false, true},
        {Qt::Key_Insert, ctrl, true, false, false, true},
        {Qt::Key_V, ctrl, false, true, false, false},
        {Qt::Key_X, ctrl, true, true, false, false},
        {Qt::Key_X, ctrl, false, false, true, false},
        {Qt::Key_Home, 0 | Qt::KeypadModifier, false, false, false, false},
    };
    for (const Case &c : cases) {
        const TextKeyEffect e = textFieldKeyEffect(c.key, c.mods, c.selection);
        EXPECT_EQ(e.modifiesNow, c.now) << c.key << " " << c.mods;
        EXPECT_EQ(e.typingModifies, c.typing) << c.key << " " << c.mods;
        EXPECT_EQ(e.copiesSelection, c.copies) << c.key << " " << c.mods;
    }
}

}  // namespace
