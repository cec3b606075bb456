#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/ModeValues.h"
#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"
#include "tools/cd/CdJoin.h"

namespace {

const QString styleError = QStringLiteral("Stílushiba!|hiba|A két file eltérő stílusú/Frame,Time/!|");

class CdJoinTest : public GlobalsFixture {
protected:
    QString put(const char *name, const QByteArray &bytes)
    {
        const QString p = dir.filePath(QString::fromUtf8(name));
        putFile(p, bytes);
        return p;
    }
    QString out(const char *name = "joined.srt") const { return dir.filePath(QString::fromUtf8(name)); }
    QStringList starts() const
    {
        QStringList s;
        for (int i = 0; i < model.cds.recordCount(); ++i)
            s << model.cds.rowAt(i).kezdes + u'-' + model.cds.rowAt(i).befejezes;
        return s;
    }

    QTemporaryDir dir;
    EditorModel model;
    MessageRecorder box;
};

TEST(CdJoinChoice, TimeBaseComesFromTheLastLetters)
{
    EXPECT_EQ(cdJoinTimeBase(QStringLiteral("a.srt"), QStringLiteral("b.srt")), TimeBase::time);
    EXPECT_EQ(cdJoinTimeBase(QStringLiteral("a.sub"), QStringLiteral("b.sub")), TimeBase::frame);
    EXPECT_EQ(cdJoinTimeBase(QStringLiteral("a.srt"), QStringLiteral("b.sub")), QString());
}

TEST_F(CdJoinTest, FilesOfTwoKindsAndTheSameFileTwiceAreRefused)
{
    EXPECT_FALSE(checkCdJoinPair(QStringLiteral("/x/a.srt"), QStringLiteral("/x/b.sub")));
    EXPECT_TRUE(checkCdJoinPair(QStringLiteral("/x/a.srt"), QStringLiteral("/x/b.srt")));
    EXPECT_FALSE(acceptCdJoinFile(QStringLiteral("/x/a.srt"), QStringLiteral("/x/a.srt"), true));
    EXPECT_FALSE(acceptCdJoinFile(QStringLiteral("/x/a.srt"), QStringLiteral("/x/a.srt"), false));
    EXPECT_TRUE(acceptCdJoinFile(QStringLiteral("/x/a.srt"), QStringLiteral("/x/b.srt"), false));
    EXPECT_EQ(box.lines(),
              (QStringList{"Hiba|hiba|Csak azonos típusú file-t lehet kiválasztani!|",
                           "Duplikáció|info|Ezt a feliratot már betöltötte a második file-hoz!|",
                           "Duplikáció|info|Ezt a feliratot már betöltötte az első file-hoz!|"}));
}

TEST_F(CdJoinTest, TimePartsJoinWithTheSecondMovedToTheStart)
{
    const QString a = put("film cd1.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\none\r\n\r\n"
                                          "2\r\n00:39:00,000 --> 00:39:59,000\r\ntwo\r\n\r\n");
    const QString b = put("film cd2.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nthree\r\n\r\n"
                                          "2\r\n00:00:05,500 --> 00:00:06,000\r\nfour\r\n\r\n");
    model.setTimeBase(TimeBase::frame);
    EXPECT_EQ(joinCd(model, a, b, QStringLiteral("00:40:01,000"), out(), nullptr), CdOutcome::Done);
    EXPECT_EQ(starts(), (QStringList{"00:00:01,000-00:00:02,000", "00:39:00,000-00:39:59,000",
                                     "00:40:01,000-00:40:02,000", "00:40:05,500-00:40:06,000"}));
    EXPECT_TRUE(model.isTimeBase());
    EXPECT_EQ(model.cds.rowAt(3).szoveg, QStringLiteral("four"));
    const QByteArray written = fileBytes(out());
    EXPECT_TRUE(written.contains("4\r\n00:40:05,500 --> 00:40:06,000\r\nfour")) << written.constData();
    EXPECT_EQ(subtitlePath, out());
    EXPECT_EQ(model.fileNameField, QStringLiteral("joined.srt"));
    EXPECT_EQ(model.cds.recNo(), 1);
    EXPECT_FALSE(displayLock);
    EXPECT_FALSE(model.isEnabled(Ctl::Bvegre21));
    EXPECT_TRUE(model.isEnabled(Ctl::Btorles));
}

TEST_F(CdJoinTest, FramePartsJoinWithTheSecondMovedToTheStart)
{
    const QString a = put("f cd1.sub", "{1}{2}one\r\n{70000}{70100}two\r\n");
    const QString b = put("f cd2.sub", "{10}{20}three|lines\r\n{30}{40}four\r\n");
    EXPECT_EQ(joinCd(model, a, b, QStringLiteral("75000"), out("f.sub"), nullptr), CdOutcome::Done);
    EXPECT_EQ(starts(), (QStringList{"1-2", "70000-70100", "75000-75010", "75020-75030"}));
    EXPECT_FALSE(model.isTimeBase());
    EXPECT_TRUE(fileBytes(out("f.sub")).contains("{75000}{75010}three|lines"));
}

// Parts of different styles: frames under an .srt name, or a time-based
// file in 16-bit Unicode.
TEST_F(CdJoinTest, PartsOfDifferentStylesAreRefused)
{
    const QString times = put("t.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\n\r\n");
    const QString frames = put("f.srt", "{1}{2}a\r\n");
    QByteArray utf16("\xFF\xFE", 2);
    const QString text = QStringLiteral("1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\n\r\n");
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    const QString unicode = put("u.srt", utf16);
    const QString unicode2 = put("u2.srt", utf16);

    for (const auto &[first, second] : {std::pair{times, frames}, std::pair{unicode, unicode2},
                                        std::pair{times, unicode}}) {
        box.clear();
        EXPECT_EQ(joinCd(model, first, second, QStringLiteral("00:00:00,000"), out(), nullptr),
                  CdOutcome::Refused);
        EXPECT_EQ(box.lines(), QStringList{styleError});
    }
    EXPECT_EQ(fileBytes(out()), QByteArray("<missing>"));
}

TEST_F(CdJoinTest, PartsThatDoNotReadWriteNothing)
{
    const QString a = put("a.srt", "nothing here\r\n");
    const QString b = put("b.srt", "nor here\r\n");
    putFile(out(), "keep");
    EXPECT_EQ(joinCd(model, a, b, QStringLiteral("00:00:00,000"), out(), nullptr),
              CdOutcome::Unreadable);
    EXPECT_EQ(fileBytes(out()), QByteArray("keep"));
    EXPECT_FALSE(displayLock);
}

// The join replaces the table: unsaved edits are asked about first, with
// the question of leaving the editor. "Mégsem" keeps the table as it is.
TEST_F(CdJoinTest, UnsavedEditsAreAskedAboutBeforeTheTableIsReplaced)
{
    const QString a = put("a cd1.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\none\r\n\r\n");
    const QString b = put("a cd2.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\ntwo\r\n\r\n");
    const QString question = QStringLiteral("A felirat mentése!|kerdes|A felirat módosítva lett!|Elmenti?");
    model.setTimeBase(TimeBase::time);
    model.cds.create();
    model.cds.append();
    model.cds.setField(Field::Kezdes, QStringLiteral("00:00:05,000"));
    model.cds.setField(Field::Befejezes, QStringLiteral("00:00:06,000"));
    model.cds.setField(Field::Szoveg, QStringLiteral("typed"));
    model.cds.post();
    model.setModified(true);

    box.answer(QStringLiteral("Mégsem"));
    EXPECT_EQ(joinCd(model, a, b, QStringLiteral("00:10:00,000"), out(), nullptr),
              CdOutcome::Refused);
    EXPECT_EQ(box.lines(), QStringList{question});
    ASSERT_EQ(model.cds.recordCount(), 1);
    EXPECT_EQ(model.cds.rowAt(0).szoveg, QStringLiteral("typed"));
    EXPECT_EQ(fileBytes(out()), QByteArray("<missing>"));
    EXPECT_TRUE(model.isEnabled(Ctl::Bvegre21));

    // "Nem": the edits are let go and the join runs, with its own message
    box.clear();
    box.answer(QStringLiteral("Nem"));
    EXPECT_EQ(joinCd(model, a, b, QStringLiteral("00:10:00,000"), out(), nullptr),
              CdOutcome::Done);
    EXPECT_EQ(box.lines(), (QStringList{question, "Mentés|info|A file-t elmentettem!|"}));
    EXPECT_EQ(model.cds.recordCount(), 2);

    // nothing unsaved: no question
    box.clear();
    EXPECT_EQ(joinCd(model, a, b, QStringLiteral("00:10:00,000"), out(), nullptr),
              CdOutcome::Done);
    EXPECT_EQ(box.lines(), QStringList{"Mentés|info|A file-t elmentettem!|"});
}

}  // namespace
