#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include "app/MessageBox.h"
#include "editor/EditorControls.h"
#include "document/DocumentGlobals.h"
#include "files/FileGlobals.h"
#include "files/EditorSave.h"
#include "files/SubtitleWriter.h"
#include "files/SubtitleWriterFixture.h"

namespace {

const QString dataDir = QStringLiteral(KELVO_TEST_DATA "/save/");
const QString moreInfo = QStringLiteral("További információt a \"Lista\" gomb alatt találsz!");
const QString savedMessage = QStringLiteral("Mentés|info|A file-t elmentettem!|");
const QString utf8Notice = QStringLiteral(
    "Mentés|info|Néhány betű nem fér el az 1250-es kódlapban,|"
    "ezért a file-t UTF-8 kódolással mentettem.");

using SubtitleWriterTest = WriterFixture;

TEST_F(SubtitleWriterTest, WorkedExampleInBothKinds)
{
    fillTable(model, {{"00:00:01,000", "00:00:02,500", "Hello|World"},
                      {"00:00:03,000", "00:00:04,000", "Bye"}});
    target(QStringLiteral("out.srt"));
    ASSERT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_EQ(fileBytes(path("out.srt")), fileBytes(dataDir + "worked_example.srt"));

    fillTable(model, {{"25", "62", "Hello|World"}, {"75", "100", "Bye"}}, QStringLiteral("Frame"));
    target(QStringLiteral("out.sub"));
    ASSERT_TRUE(writeFrameFile(model, QStringLiteral("1")));
    EXPECT_EQ(fileBytes(path("out.sub")), fileBytes(dataDir + "worked_example.sub"));
    EXPECT_TRUE(messages.lines().isEmpty());
    EXPECT_FALSE(displayLock);
    EXPECT_FALSE(host.progressVisible);
}

struct LayoutCase {
    const char *name;
    std::vector<RowData> rows;
    bool skipEmpty;
    QByteArray timeBytes;
    QByteArray frameBytes;  // the same rows through the frame-based writer
};

class WriterLayout : public WriterFixture, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(WriterLayout, WritesExactBytes)
{
    const LayoutCase &c = GetParam();
    model.options.uresNe = c.skipEmpty;
    fillTable(model, c.rows);
    target(QStringLiteral("t.srt"));
    ASSERT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_EQ(fileBytes(path("t.srt")), c.timeBytes);

    fillTable(model, c.rows, QStringLiteral("Frame"));
    target(QStringLiteral("t.sub"));
    ASSERT_TRUE(writeFrameFile(model, QStringLiteral("1")));
    EXPECT_EQ(fileBytes(path("t.sub")), c.frameBytes);
}

#define F1 "{00:00:01,000}{00:00:02,000}"
#define F2 "{00:00:03,000}{00:00:04,000}"
#define F3 "{00:00:05,000}{00:00:06,000}"

INSTANTIATE_TEST_SUITE_P(
    Cases, WriterLayout,
    ::testing::Values(
        // an empty text is one empty line, CR LF included, even on the last row
        LayoutCase{"one_empty_row", {{R1, ""}}, false, "1\r\n" T1 "\r\n", F1},
        LayoutCase{"empty_rows_kept",
                   {{R1, "a"}, {R2, ""}, {R3, "c"}},
                   false,
                   "1\r\n" T1 "a\r\n\r\n2\r\n" T2 "\r\n\r\n3\r\n" T3 "c",
                   F1 "a\r\n" F2 "\r\n" F3 "c"},
        LayoutCase{"empty_rows_skipped_numbering_continues",
                   {{R1, "a"}, {R2, ""}, {R3, "c"}},
                   true,
                   "1\r\n" T1 "a\r\n\r\n2\r\n" T3 "c",
                   F1 "a\r\n" F3 "c"},
        LayoutCase{"text_ending_in_bar",
                   {{R1, "a|"}, {R2, "b|"}},
                   false,
                   "1\r\n" T1 "a\r\n\r\n2\r\n" T2 "b\r\n",
                   F1 "a|\r\n" F2 "b|"},
        LayoutCase{"empty_line_inside", {{R1, "a||b"}}, false, "1\r\n" T1 "a\r\n\r\nb", F1 "a||b"},
        LayoutCase{"rows_without_start_or_end_skipped",
                   {{R1, "a"}, {"00:00:03,000", "", "x"}, {"", "00:00:04,000", "y"}, {R3, "c"}},
                   false,
                   "1\r\n" T1 "a\r\n\r\n2\r\n" T3 "c",
                   F1 "a\r\n" F3 "c"},
        // only the table's last row goes without a line end
        LayoutCase{"last_row_skipped",
                   {{R1, "a"}, {"00:00:03,000", "", "b"}},
                   false,
                   "1\r\n" T1 "a\r\n",
                   F1 "a\r\n"},
        LayoutCase{"empty_table", {}, false, "", ""}),
    [](const auto &info) { return std::string(info.param.name); });

struct EncodingCase {
    const char *name;
    FileEncoding readAs;
    const char *text;
    QByteArray textBytes;  // how the text line comes out
    bool utf8Bom;          // the file starts with a byte-order mark
    bool notice;
};

class WriterEncoding : public WriterFixture, public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(WriterEncoding, KeepsEveryCharacter)
{
    const EncodingCase &c = GetParam();
    model.fileEncoding = c.readAs;
    fillTable(model, {{R1, c.text}});
    target(QStringLiteral("e.srt"));
    ASSERT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    const QByteArray expected =
        (c.utf8Bom ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + "1\r\n" T1 + c.textBytes;
    EXPECT_EQ(fileBytes(path("e.srt")), expected);
    EXPECT_EQ(messages.lines(), c.notice ? QStringList{utf8Notice} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriterEncoding,
    ::testing::Values(
        EncodingCase{"cp1250", FileEncoding::Cp1250, "őŰ€„á", "\xF5\xDB\x80\x84\xE1", false, false},
        // the five bytes without a character of their own come back as they were read
        EncodingCase{"cp1250_unassigned_bytes", FileEncoding::Cp1250, "\u0081\u0098", "\x81\x98",
                     false, false},
        EncodingCase{"utf16_written_as_cp1250", FileEncoding::Utf16Le, "ő", "\xF5", false, false},
        EncodingCase{"utf8", FileEncoding::Utf8, "őЖ", "\xC5\x91\xD0\x96", false, false},
        EncodingCase{"utf8_bom", FileEncoding::Utf8Bom, "ő", "\xC5\x91", true, false},
        EncodingCase{"outside_cp1250", FileEncoding::Cp1250, "ő Жаба ♪", 
                     "\xC5\x91 \xD0\x96\xD0\xB0\xD0\xB1\xD0\xB0 \xE2\x99\xAA", true, true}),
    [](const auto &info) { return std::string(info.param.name); });

// Once written as UTF-8 the file stays UTF-8, without asking again.
TEST_F(SubtitleWriterTest, FallbackIsKeptForLaterSaves)
{
    fillTable(model, {{R1, "Ж"}});
    target(QStringLiteral("e.srt"));
    ASSERT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_EQ(model.fileEncoding, FileEncoding::Utf8Bom);
    messages.clear();
    fillTable(model, {{R1, "ő"}});
    ASSERT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_EQ(fileBytes(path("e.srt")), QByteArray("\xEF\xBB\xBF" "1\r\n" T1 "\xC5\x91"));
    EXPECT_TRUE(messages.lines().isEmpty());
}

TEST_F(SubtitleWriterTest, FrameWriterFallsBackToUtf8Too)
{
    fillTable(model, {{"1", "2", "Ж"}}, QStringLiteral("Frame"));
    target(QStringLiteral("f.sub"));
    ASSERT_TRUE(writeFrameFile(model, QStringLiteral("1")));
    EXPECT_EQ(fileBytes(path("f.sub")), QByteArray("\xEF\xBB\xBF{1}{2}\xD0\x96"));
    EXPECT_EQ(messages.lines(), QStringList{utf8Notice});
}

TEST_F(SubtitleWriterTest, SuccessfulSaveReplacesTheOldFileAndLeavesNoTemporaries)
{
    putFile(path("a.srt"), "old content that is longer than the new one");
    fillTable(model, {{R1, "x"}});
    target(QStringLiteral("a.srt"));
    ASSERT_TRUE(writeTimeFile(model, QStringLiteral("1")));
    EXPECT_EQ(fileBytes(path("a.srt")), QByteArray("1\r\n" T1 "x"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.srt"});
    EXPECT_EQ(model.cds.changeCount(), 0);
}

// Targets no one can write to, root included.
TEST_F(SubtitleWriterTest, UnwritableTargetIsReportedAndKeepsTheMarker)
{
    QDir(dir.path()).mkdir(QStringLiteral("folder.srt"));
    putFile(path("plain"), "keep");
    const std::pair<QString, QString> targets[] = {
        {QStringLiteral("folder.srt"), QStringLiteral(" Ez nem közönséges file.")},
        {QStringLiteral("plain/x.srt"), QStringLiteral(" Nem létezik a mappa.")}};
    for (const auto &[name, cause] : targets) {
        messages.clear();
        model.setModified(false);
        fillTable(model, {{R1, "x"}});
        const int changes = model.cds.changeCount();
        subtitlePath = path(name);
        subtitleFileName = QFileInfo(name).fileName();
        EXPECT_FALSE(writeTimeFile(model, QStringLiteral("1"))) << qPrintable(name);
        EXPECT_EQ(messages.lines(),
                  QStringList{"Írásvédett file!|hiba|Írásvédett a következő file: "
                              + subtitleFileName + "|A kért mentés nem sikerült!" + cause});
        EXPECT_TRUE(model.modified());
        EXPECT_FALSE(displayLock);
        EXPECT_FALSE(host.progressVisible);
        EXPECT_EQ(model.cds.changeCount(), changes);  // nothing counts as saved
    }
    EXPECT_TRUE(QFileInfo(path("folder.srt")).isDir());
    EXPECT_EQ(fileBytes(path("plain")), QByteArray("keep"));
}

// A writable file in a folder where no new file may be made (run as an
// ordinary user, root being let in everywhere) is not overwritten in place,
// where a crash could tear it: the save is refused and says why.
TEST_F(SubtitleWriterTest, WritableFileInALockedFolderIsRefused)
{
    QDir(dir.path()).mkdir(QStringLiteral("locked"));
    putFile(path("locked/a.srt"), "old");
    const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                     | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    const auto readOnlyDir = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                             | QFileDevice::ExeGroup | QFileDevice::ReadOther
                             | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(path("locked/a.srt"), all));
    ASSERT_TRUE(QFile::setPermissions(path("locked"), readOnlyDir));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnlyDir | QFileDevice::WriteOwner));
    fillTable(model, {{R1, "x"}});
    target(QStringLiteral("locked/a.srt"));

    const uid_t user = geteuid();
    if (user == 0)
        ASSERT_EQ(seteuid(65534), 0);
    const bool written = writeTimeFile(model, QStringLiteral("1"));
    if (user == 0)
        ASSERT_EQ(seteuid(0), 0);
    QFile::setPermissions(path("locked"), readOnlyDir | QFileDevice::WriteOwner);

    EXPECT_FALSE(written);
    EXPECT_EQ(messages.lines(),
              QStringList{"Írásvédett file!|hiba|Írásvédett a következő file: locked/a.srt|A kért "
                          "mentés nem sikerült! A mappájában nem hozhatok létre új file-t, így a "
                          "régit nem cserélhetem le biztonságosan."});
    EXPECT_EQ(fileBytes(path("locked/a.srt")), QByteArray("old"));
}

// A write that breaks off half way (here: the file size limit) leaves the old
// file exactly as it was.
TEST_F(SubtitleWriterTest, BrokenWriteLeavesTheOldFileIntact)
{
    const QByteArray old = "1\r\n" T1 "old";
    putFile(path("a.srt"), old);
    std::vector<RowData> rows(200, RowData{R1, "a fairly long line of subtitle text"});
    fillTable(model, rows);
    target(QStringLiteral("a.srt"));
    model.fileNameField = QStringLiteral("a.srt");
    model.options.mentAt = false;

    signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 256;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = saveSubtitle(model, false, true);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, SIG_DFL);

    EXPECT_FALSE(written);
    EXPECT_EQ(fileBytes(path("a.srt")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.srt"});
    EXPECT_EQ(messages.lines(), QStringList{"Írásvédett file!|hiba|Írásvédett a következő file: "
                                            "a.srt|A kért mentés nem sikerült! Hiba történt írás "
                                            "közben."});
    EXPECT_TRUE(model.modified());
}

TEST_F(SubtitleWriterTest, PlainSaveOfANamedSubtitle)
{
    fillTable(model, {{R1, "x"}});
    target(QStringLiteral("a.srt"));
    model.setModified(true);
    model.setEnabled(Ctl::Bertek, true);
    EXPECT_TRUE(saveSubtitle(model, false, false));
    EXPECT_EQ(fileBytes(path("a.srt")), QByteArray("1\r\n" T1 "x"));
    EXPECT_TRUE(messages.lines().isEmpty());
    EXPECT_EQ(host.dialogs, 0);
    EXPECT_EQ(host.lineFieldsCleared, 1);
    EXPECT_FALSE(model.modified());
    EXPECT_FALSE(model.isEnabled(Ctl::Bertek));
    EXPECT_EQ(model.fileNameField, QStringLiteral("a.srt"));
    EXPECT_EQ(fileNameMode, QStringLiteral("Felirat"));
    EXPECT_EQ(textTarget, QStringLiteral("1"));
    EXPECT_FALSE(saveCancelled);
    EXPECT_FALSE(model.cds.refreshSuspended());

    EXPECT_TRUE(saveSubtitle(model, false, true));
    EXPECT_EQ(messages.lines(), QStringList{savedMessage});
}

TEST_F(SubtitleWriterTest, SaveAsAsksForTheName)
{
    fillTable(model, {{"1", "2", "x"}}, QStringLiteral("Frame"));
    host.script = {path("new.sub")};
    EXPECT_TRUE(saveSubtitle(model, true, true));
    EXPECT_EQ(host.dialogs, 1);
    EXPECT_EQ(fileBytes(path("new.sub")), QByteArray("{1}{2}x"));
    EXPECT_EQ(model.fileNameField, QStringLiteral("new.sub"));
    EXPECT_EQ(messages.lines(), QStringList{savedMessage});
}

TEST_F(SubtitleWriterTest, LeavingTheDialogWritesNothingAndRestoresTheMarker)
{
    fillTable(model, {{R1, "x"}});
    for (bool wasModified : {true, false}) {
        model.setModified(wasModified);
        host.rowsShown = 0;
        host.script = {QString()};
        EXPECT_FALSE(saveSubtitle(model, true, true));
        EXPECT_TRUE(saveCancelled);
        EXPECT_EQ(model.modified(), wasModified);
        EXPECT_EQ(host.rowsShown, 1);
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(messages.lines().isEmpty());
}

struct MismatchCase {
    const char *name;
    const char *timeBase;
    const char *given;  // the name the subtitle has
    const char *asked;  // the name the dialog gives
    std::vector<RowData> rows;
    QByteArray bytes;
};

class SaveMismatch : public WriterFixture, public ::testing::WithParamInterface<MismatchCase> {};

TEST_P(SaveMismatch, AsksForANameOfTheRightKind)
{
    const MismatchCase &c = GetParam();
    fillTable(model, c.rows, QString::fromLatin1(c.timeBase));
    target(QString::fromLatin1(c.given));
    model.setModified(true);
    host.script = {path(c.asked)};
    EXPECT_TRUE(saveSubtitle(model, false, false));
    EXPECT_EQ(messages.lines(), QStringList{"Eltérés!|info|A file neve nem egyezik meg a "
                                            "típussal!|Következmény: filenév bekérés"});
    EXPECT_EQ(host.dialogs, 1);
    EXPECT_FALSE(QFileInfo::exists(path(c.given)));
    EXPECT_EQ(fileBytes(path(c.asked)), c.bytes);
    EXPECT_EQ(model.fileNameField, QString::fromLatin1(c.asked));
    EXPECT_FALSE(model.modified());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveMismatch,
    ::testing::Values(MismatchCase{"frame_as_srt", "Frame", "a.srt", "b.sub", {{"1", "2", "x"}},
                                   "{1}{2}x"},
                      MismatchCase{"time_as_sub", "Time", "a.sub", "b.srt", {{R1, "x"}},
                                   "1\r\n" T1 "x"},
                      MismatchCase{"no_extension", "Time", "a", "b.srt", {{R1, "x"}},
                                   "1\r\n" T1 "x"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SubtitleWriterTest, ExtensionIsComparedInLowerCase)
{
    fillTable(model, {{R1, "x"}});
    target(QStringLiteral("A.SRT"));
    EXPECT_TRUE(saveSubtitle(model, false, false));
    EXPECT_EQ(host.dialogs, 0);
    EXPECT_EQ(fileBytes(path("A.SRT")), QByteArray("1\r\n" T1 "x"));
}

TEST_F(SubtitleWriterTest, MismatchLeftWithoutANameWritesNothing)
{
    fillTable(model, {{"1", "2", "x"}}, QStringLiteral("Frame"));
    target(QStringLiteral("a.srt"));
    model.setModified(true);
    EXPECT_FALSE(saveSubtitle(model, false, true));
    EXPECT_TRUE(saveCancelled);
    EXPECT_EQ(messages.messages().size(), 1);
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(host.rowsShown, 1);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

// "Igen" on the exit question saves over the existing file at once: no
// overwrite question, no message of any kind.
TEST_F(SubtitleWriterTest, SaveOnExitIsSilent)
{
    putFile(path("a.srt"), "old");
    fillTable(model, {{"00:00:01,000", "00:00:03,000", "Ж"}, {"00:00:02,000", "00:00:04,000", "b"}});
    target(QStringLiteral("a.srt"));
    model.fileNameField = QStringLiteral("a.srt");
    model.setModified(true);
    exitSaveHandler = [this] { saveSubtitle(model, model.fileNameField.isEmpty(), true); };
    boxAnswer = QStringLiteral("mentes2");
    applyBoxAnswer(BoxButton::Yes);
    exitSaveHandler = nullptr;

    EXPECT_EQ(boxAnswer, QStringLiteral("mentes3"));
    EXPECT_TRUE(quietBoxes);
    EXPECT_EQ(host.dialogs, 0);
    EXPECT_TRUE(messages.lines().isEmpty());
    EXPECT_TRUE(messages.plainMessages().isEmpty());
    EXPECT_TRUE(fileBytes(path("a.srt")).startsWith("\xEF\xBB\xBF" "1\r\n00:00:01,000"));
    EXPECT_FALSE(model.modified());
}

// While the exit save runs, a mismatch still asks for a name without a
// word; only a failure speaks up (an error is never silenced), and it turns
// the marker on.
TEST_F(SubtitleWriterTest, QuietSaveSkipsEveryMessage)
{
    quietBoxes = true;
    fillTable(model, {{"1", "2", "x"}}, QStringLiteral("Frame"));
    target(QStringLiteral("a.srt"));
    host.script = {path("b.sub")};
    EXPECT_TRUE(saveSubtitle(model, false, true));
    EXPECT_EQ(host.dialogs, 1);
    EXPECT_EQ(fileBytes(path("b.sub")), QByteArray("{1}{2}x"));

    QDir(dir.path()).mkdir(QStringLiteral("c.sub"));
    target(QStringLiteral("c.sub"));
    EXPECT_FALSE(saveSubtitle(model, false, true));
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(messages.lines(), QStringList{"Írásvédett file!|hiba|Írásvédett a következő file: "
                                            "c.sub|A kért mentés nem sikerült! Ez nem közönséges "
                                            "file."});
}

TEST_F(SubtitleWriterTest, SecondSubtitleIsSavedFromSzoveg2)
{
    fillTable(model, {{R1, "a", "első"}, {R2, "b", "Ж"}});
    model.secondFileEncoding = FileEncoding::Utf8;
    model.cds.setRecNo(2);
    host.script = {path("second.srt")};
    EXPECT_TRUE(saveSecondSubtitle(model));
    EXPECT_EQ(textTarget, QStringLiteral("2"));
    EXPECT_EQ(fileBytes(path("second.srt")),
              QByteArray("1\r\n" T1 "els\xC5\x91\r\n\r\n2\r\n" T2 "\xD0\x96"));
    EXPECT_EQ(model.cds.recNo(), 2);
    EXPECT_EQ(messages.lines(), QStringList{savedMessage});
    EXPECT_TRUE(subtitlePath.isEmpty());

    messages.clear();
    model.setModified(false);
    host.script = {QString()};
    EXPECT_FALSE(saveSecondSubtitle(model));
    EXPECT_TRUE(model.modified());
    EXPECT_TRUE(messages.lines().isEmpty());
}

TEST_F(SubtitleWriterTest, SecondSubtitleWriteFailureNamesItsFile)
{
    fillTable(model, {{R1, "a", "b"}});
    QDir(dir.path()).mkdir(QStringLiteral("taken.srt"));
    host.script = {path("taken.srt")};
    EXPECT_FALSE(saveSecondSubtitle(model));
    EXPECT_EQ(messages.lines(), QStringList{"Írásvédett file!|hiba|Írásvédett a következő file: "
                                            "taken.srt|A kért mentés nem sikerült! Ez nem "
                                            "közönséges file."});
    EXPECT_TRUE(model.modified());
}

// A second text in a row without times cannot be written: the save asks
// first, and "Nem" writes nothing.
TEST_F(SubtitleWriterTest, SecondTextsInRowsWithoutTimesAreSaidBeforeSaving)
{
    fillTable(model, {{R1, "a", "A"}, {"", "", "", "lost"}});
    messages.answer(QStringList{QStringLiteral("Nem")});
    host.script = {path("second.srt")};
    EXPECT_FALSE(saveSecondSubtitle(model));
    EXPECT_EQ(host.dialogs, 0);
    EXPECT_FALSE(QFile::exists(path("second.srt")));
    EXPECT_EQ(messages.lines(),
              QStringList{"Mentés|kerdes|1 sor második szövegét nem tudom kiírni, mert a sornak "
                          "nincs kezdése vagy befejezése!|Mentsem így is?"});

    messages.clear();
    messages.answer(QStringList{QStringLiteral("Igen")});
    EXPECT_TRUE(saveSecondSubtitle(model));
    EXPECT_EQ(fileBytes(path("second.srt")), QByteArray("1\r\n" T1 "A\r\n"));
}

// With no subtitle open there is nothing to save: no dialog, no file.
TEST_F(SubtitleWriterTest, SecondSubtitleWithoutRowsIsNotSaved)
{
    model.cds.close();
    model.setEnabled(Ctl::MentesMF, true);
    host.script = {path("second.srt")};
    EXPECT_FALSE(saveSecondSubtitle(model));
    EXPECT_EQ(host.dialogs, 0);
    EXPECT_FALSE(model.isEnabled(Ctl::MentesMF));
    model.cds.create();
    EXPECT_FALSE(saveSecondSubtitle(model));
    EXPECT_EQ(host.dialogs, 0);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(messages.lines().isEmpty());
}

}  // namespace
