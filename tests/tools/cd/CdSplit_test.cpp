#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "document/DocumentGlobals.h"
#include "document/TimeCode.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"
#include "tools/cd/CdSplit.h"

namespace {

const QString notDone = QStringLiteral("A kért szétválasztás nem sikerült!");

SubtitleRow row(const QString &start, const QString &end, const QString &text)
{
    SubtitleRow r;
    r.kezdes = start;
    r.befejezes = end;
    r.szoveg = text;
    return r;
}

class CdSplitTest : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        model.cds.create();
    }
    void useFile(const QString &name, const QString &timeBase)
    {
        subtitlePath = dir.filePath(name);
        subtitleFileName = name;
        model.setTimeBase(timeBase);
    }
    void fill(std::vector<SubtitleRow> rows) { model.cds.appendRows(std::move(rows)); }
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    EditorModel model;
    MessageRecorder box;
};

TEST(CdPartName, TagGoesBeforeTheExtension)
{
    EXPECT_EQ(cdPartName(QStringLiteral("film.srt"), QStringLiteral(" cd1")),
              QStringLiteral("film cd1.srt"));
    EXPECT_EQ(cdPartName(QStringLiteral("a.b.sub"), QStringLiteral(" cd2")),
              QStringLiteral("a.b cd2.sub"));
    // a name shorter than an extension does not make the insert fail
    EXPECT_EQ(cdPartName(QStringLiteral("ab"), QStringLiteral(" cd1")), QStringLiteral(" cd1ab"));
}

// The part layouts: every line ends in CR LF, the empty line after each
// time-based entry included; rows without both times are left out and the
// numbering closes the gap.
TEST(CdPartLayout, TimeAndFrameBytes)
{
    const std::vector<SubtitleRow> rows{
        row("00:00:01,000", "00:00:02,000", "a|b"),
        row("00:00:03,000", "", "no end"),
        row("00:00:04,000", "00:00:05,000", ""),
        row("00:00:06,000", "00:00:07,000", "ends|"),
        row("00:00:08,000", "00:00:09,000", "x||y"),
    };
    SubtitleTable table;
    table.create();
    table.appendRows(std::vector<SubtitleRow>(rows));
    EXPECT_EQ(renderCdPart(cdFirstPart(table, 6), true, FileEncoding::Cp1250),
              QByteArray("1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\nb\r\n\r\n"
                         "2\r\n00:00:04,000 --> 00:00:05,000\r\n\r\n\r\n"
                         "3\r\n00:00:06,000 --> 00:00:07,000\r\nends\r\n\r\n"
                         "4\r\n00:00:08,000 --> 00:00:09,000\r\nx\r\n\r\ny\r\n\r\n"));

    SubtitleTable frames;
    frames.create();
    frames.appendRows(std::vector<SubtitleRow>{row("10", "20", "a|b"), row("", "30", "gone"),
                                               row("40", "50", "")});
    EXPECT_EQ(renderCdPart(cdFirstPart(frames, 4), false, FileEncoding::Cp1250),
              QByteArray("{10}{20}a|b\r\n{40}{50}\r\n"));
}

TEST(CdPartLayout, TextOutsideCodePage1250IsWrittenAsUtf8)
{
    const QByteArray bytes = renderCdPart({row("1", "2", QStringLiteral("日本"))}, false,
                                          FileEncoding::Cp1250);
    EXPECT_EQ(bytes, QByteArray("\xEF\xBB\xBF{1}{2}") + QStringLiteral("日本").toUtf8() + "\r\n");
}

TEST_F(CdSplitTest, TimeSplitAtRow120MovesTheSecondPartToTheTypedStart)
{
    useFile(QStringLiteral("film.srt"), TimeBase::time);
    std::vector<SubtitleRow> rows;
    for (int i = 1; i <= 125; ++i) {
        const qint64 ms = i < 120 ? i * 20000 : timeCodeToMs(u"00:52:10,500") + (i - 120) * 5000;
        rows.push_back(row(clampedMsToTimeCode(ms), clampedMsToTimeCode(ms + 1500),
                           QStringLiteral("line %1").arg(i)));
    }
    // a row after the chosen one that starts before it clamps at zero
    rows[121].kezdes = QStringLiteral("00:00:00,200");
    rows[121].befejezes = QStringLiteral("00:52:10,000");
    fill(std::move(rows));

    EXPECT_EQ(splitCd(model, 120, QStringLiteral("00:00:01,000")), CdOutcome::Done);
    EXPECT_EQ(box.lines(),
              QStringList{"Sikeres szétválasztás!|info|Sikeresen megtörtént a szétválasztás! A 2 "
                          "file neve:|film cd1.srt, film cd2.srt"});

    const QByteArray first = fileBytes(path("film cd1.srt"));
    EXPECT_TRUE(first.startsWith("1\r\n00:00:20,000 --> 00:00:21,500\r\nline 1\r\n\r\n"));
    EXPECT_TRUE(first.endsWith("119\r\n00:39:40,000 --> 00:39:41,500\r\nline 119\r\n\r\n"));
    EXPECT_EQ(fileBytes(path("film cd2.srt")),
              QByteArray("1\r\n00:00:01,000 --> 00:00:02,500\r\nline 120\r\n\r\n"
                         "2\r\n00:00:06,000 --> 00:00:07,500\r\nline 121\r\n\r\n"
                         "3\r\n00:00:00,000 --> 00:00:00,500\r\nline 122\r\n\r\n"
                         "4\r\n00:00:16,000 --> 00:00:17,500\r\nline 123\r\n\r\n"
                         "5\r\n00:00:21,000 --> 00:00:22,500\r\nline 124\r\n\r\n"
                         "6\r\n00:00:26,000 --> 00:00:27,500\r\nline 125\r\n\r\n"));
    // the editor's own table and file stay as they were
    EXPECT_EQ(model.cds.recordCount(), 125);
    EXPECT_EQ(model.cds.rowAt(119).kezdes, QStringLiteral("00:52:10,500"));
    EXPECT_EQ(subtitlePath, path("film.srt"));
    EXPECT_FALSE(displayLock);
    EXPECT_TRUE(model.isVisible(Ctl::Efilenev));
    EXPECT_FALSE(model.isVisible(Ctl::szazalek12));
    EXPECT_FALSE(model.isEnabled(Ctl::Bvegrehajt));
    EXPECT_EQ(model.cds.recNo(), 1);
}

TEST_F(CdSplitTest, FrameSplitMovesValuesDownButNeverBelowZero)
{
    useFile(QStringLiteral("film.sub"), TimeBase::frame);
    fill({row("100", "200", "one"), row("75000", "75100", "two|lines"), row("80", "74995", "three")});
    EXPECT_EQ(splitCd(model, 2, QStringLiteral("10")), CdOutcome::Done);
    EXPECT_EQ(fileBytes(path("film cd1.sub")), QByteArray("{100}{200}one\r\n"));
    EXPECT_EQ(fileBytes(path("film cd2.sub")),
              QByteArray("{10}{110}two|lines\r\n{0}{5}three\r\n"));
}

TEST_F(CdSplitTest, FirstRowAndInvalidStartWriteNothing)
{
    useFile(QStringLiteral("film.srt"), TimeBase::time);
    fill({row("00:00:01,000", "00:00:02,000", "a"), row("00:00:03,000", "00:00:04,000", "b")});
    EXPECT_EQ(splitCd(model, 1, QStringLiteral("00:00:01,000")), CdOutcome::Refused);
    EXPECT_EQ(box.lines(), QStringList{"Információ|info|Az első sort nem jelölheted ki!|"});
    box.clear();
    EXPECT_EQ(splitCd(model, 2, QStringLiteral("00:61:00,000")), CdOutcome::Refused);
    ASSERT_EQ(box.messages().size(), 1);
    EXPECT_EQ(box.messages()[0].request.kind, BoxKind::error);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
    EXPECT_FALSE(displayLock);
    EXPECT_TRUE(model.isVisible(Ctl::Efilenev));
}

// A subtitle never saved has no name and no folder for its parts: the
// split is refused and says why, whatever else is typed.
TEST_F(CdSplitTest, NeverSavedSubtitleIsRefused)
{
    subtitlePath.clear();
    subtitleFileName.clear();
    model.setTimeBase(TimeBase::time);
    fill({row("00:00:01,000", "00:00:02,000", "a"), row("00:00:03,000", "00:00:04,000", "b")});
    EXPECT_EQ(splitCd(model, 2, QStringLiteral("00:00:01,000")), CdOutcome::Refused);
    EXPECT_EQ(box.lines(),
              QStringList{"Információ|info|Ezt a feliratot még nem mentette el, ezért nincs neve!|"
                          "Kérem, a szétválasztás előtt mentse el a feliratot!"});
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/ cd1.srt")));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/ cd2.srt")));
    EXPECT_TRUE(subtitlePath.isEmpty());
    EXPECT_FALSE(displayLock);
}

TEST_F(CdSplitTest, RowWithoutTimesCannotBeChosen)
{
    fill({row("00:00:01,000", "00:00:02,000", "a"), row("00:00:03,000", "", "b")});
    EXPECT_TRUE(checkCdSplitRow(model.cds, 1));
    EXPECT_FALSE(checkCdSplitRow(model.cds, 2));
    EXPECT_FALSE(checkCdSplitRow(model.cds, 3));
    EXPECT_EQ(box.lines(),
              QStringList(2, "Információ|info|Ezt a sort nem választhatja ki, mert nincs a sorban "
                             "adat!|"));
}

// A time-based table under a ".sub" name: the name is corrected first and
// the parts follow the corrected one; the editor is marked as to be saved.
TEST_F(CdSplitTest, ExtensionIsCorrectedToTheTimeBase)
{
    useFile(QStringLiteral("film.sub"), TimeBase::time);
    fill({row("00:00:01,000", "00:00:02,000", "a"), row("00:00:03,000", "00:00:04,000", "b")});
    EXPECT_EQ(splitCd(model, 2, QStringLiteral("00:00:00,000")), CdOutcome::Done);
    ASSERT_GE(box.messages().size(), 1);
    EXPECT_EQ(box.lines()[0], "Eltérés!|info|A file neve nem egyezik meg a típussal!|Következmény: "
                              "javítom az eltérést!");
    EXPECT_EQ(subtitlePath, path("film.srt"));
    EXPECT_EQ(model.fileNameField, QStringLiteral("film.srt"));
    EXPECT_TRUE(model.modified());
    EXPECT_NE(fileBytes(path("film cd2.srt")), QByteArray("<missing>"));

    box.clear();
    useFile(QStringLiteral("other.srt"), TimeBase::frame);
    model.cds.empty();
    fill({row("1", "2", "a"), row("3", "4", "b")});
    EXPECT_EQ(splitCd(model, 2, QStringLiteral("0")), CdOutcome::Done);
    EXPECT_EQ(box.messages()[0].request.kind, BoxKind::question);
    EXPECT_EQ(fileBytes(path("other cd2.sub")), QByteArray("{0}{1}b\r\n"));
}

// Which existing part is named, and that "Nem" leaves both files alone.
TEST_F(CdSplitTest, ExistingPartsAreAskedAbout)
{
    struct Case {
        bool first, second;
        const char *question;
    } cases[] = {
        {false, true, "Létező file!|kerdes|Már létezik a file: film cd2.srt|Felülírjam?"},
        {true, false, "Létező file!|kerdes|Már létezik a file: film cd1.srt|Felülírjam?"},
        {true, true,
         "Létező file-ok!|kerdes|Már létezik a 2 file: film cd1.srt, film cd2.srt|Felülírjam őket?"},
    };
    useFile(QStringLiteral("film.srt"), TimeBase::time);
    fill({row("00:00:01,000", "00:00:02,000", "a"), row("00:00:03,000", "00:00:04,000", "b")});
    for (const Case &c : cases) {
        QFile::remove(path("film cd1.srt"));
        QFile::remove(path("film cd2.srt"));
        if (c.first)
            putFile(path("film cd1.srt"), "old1");
        if (c.second)
            putFile(path("film cd2.srt"), "old2");
        box.clear();
        box.answer(QStringLiteral("Nem"));
        EXPECT_EQ(splitCd(model, 2, QStringLiteral("00:00:00,000")), CdOutcome::Refused);
        EXPECT_EQ(box.lines(), QStringList{QString::fromUtf8(c.question)});
        EXPECT_EQ(fileBytes(path("film cd1.srt")), c.first ? "old1" : "<missing>");
        EXPECT_EQ(fileBytes(path("film cd2.srt")), c.second ? "old2" : "<missing>");

        box.clear();
        box.answer(QStringLiteral("Igen"));
        EXPECT_EQ(splitCd(model, 2, QStringLiteral("00:00:00,000")), CdOutcome::Done);
        EXPECT_EQ(fileBytes(path("film cd2.srt")),
                  QByteArray("1\r\n00:00:00,000 --> 00:00:01,000\r\nb\r\n\r\n"));
    }
}

// A part that cannot be written: the first stays when only the second
// fails; when the first fails the second is not tried.
TEST_F(CdSplitTest, UnwritablePartsAreReported)
{
    useFile(QStringLiteral("film.srt"), TimeBase::time);
    fill({row("00:00:01,000", "00:00:02,000", "a"), row("00:00:03,000", "00:00:04,000", "b")});
    // a folder in the part's place cannot be replaced by a file
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("film cd2.srt")));
    EXPECT_EQ(splitCd(model, 2, QStringLiteral("00:00:00,000")), CdOutcome::Unwritable);
    EXPECT_EQ(box.lines().last(), "Írásvédett file!|hiba|Írásvédett a következő file: film cd2.srt|"
                                      + notDone + " Ez nem közönséges file.");
    // both parts are written before either is put in place: no first part
    // stands beside a second that failed
    EXPECT_EQ(fileBytes(path("film cd1.srt")), QByteArray("<missing>"));

    QDir(dir.path()).rmdir(QStringLiteral("film cd2.srt"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("film cd1.srt")));
    box.clear();
    EXPECT_EQ(splitCd(model, 2, QStringLiteral("00:00:00,000")), CdOutcome::Unwritable);
    EXPECT_EQ(box.lines().last(), "Írásvédett file!|hiba|Írásvédett a következő file: film cd1.srt|"
                                      + notDone + " Ez nem közönséges file.");
    EXPECT_EQ(fileBytes(path("film cd2.srt")), QByteArray("<missing>"));
    EXPECT_FALSE(displayLock);
    EXPECT_TRUE(model.isVisible(Ctl::Efilenev));
}

}  // namespace
