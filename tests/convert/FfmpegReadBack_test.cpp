#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "convert/ConvertFixture.h"
#include "document/TimeCode.h"

// An independent reader: FFmpeg reads back what Kelvo wrote, for every
// format it knows, always told the demuxer, and the starts, ends and texts
// must come back within the format's resolution.

namespace {

struct Cue {
    qint64 start;
    qint64 end;
    QString text;
};

// FFmpeg's SubRip output: tags and override codes gone, lines joined by "|".
QList<Cue> parseSrt(const QString &srt)
{
    static const QRegularExpression time(
        QStringLiteral("^(\\d\\d:\\d\\d:\\d\\d,\\d\\d\\d) --> (\\d\\d:\\d\\d:\\d\\d,\\d\\d\\d)"));
    static const QRegularExpression markup(QStringLiteral("<[^>]*>|\\{[^}]*\\}"));
    QList<Cue> cues;
    const QStringList blocks = QString(srt).remove(u'\r').split(QStringLiteral("\n\n"));
    for (const QString &block : blocks) {
        QStringList lines = block.split(u'\n');
        while (!lines.isEmpty() && !time.match(lines.first()).hasMatch())
            lines.removeFirst();
        if (lines.isEmpty())
            continue;
        const QRegularExpressionMatch m = time.match(lines.takeFirst());
        QStringList text;
        for (QString l : lines) {
            l = l.remove(markup).trimmed();
            if (!l.isEmpty())
                text.append(l);
        }
        if (!text.isEmpty())
            cues.append({timeCodeToMs(m.captured(1)), timeCodeToMs(m.captured(2)),
                         text.join(u'|')});
    }
    return cues;
}

struct ReadBack {
    const char *format;
    const char *demuxer;
    qint64 resolutionMs;
    bool checkEnds;      // LRC ends a cue where the next line starts
    const char *joiner;  // how the format puts an entry's lines together
};

class FfmpegReadBack : public ConvertTest {
protected:
    void SetUp() override
    {
        ConvertTest::SetUp();
        ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    }
    QString ffmpeg;
};

TEST_F(FfmpegReadBack, FfmpegReadsWhatKelvoWrote)
{
    if (ffmpeg.isEmpty())
        GTEST_SKIP() << "ffmpeg is not installed (scripts/setup installs it)";
    const std::vector<RowData> rows = {
        {"00:00:01,000", "00:00:02,999", "<i>Hello</i>|World"},
        {"00:01:02,456", "00:01:05,040", "Egy <b>kettő</b>"},
        {"01:02:03,456", "01:02:07,120", "A line|B line"},
    };
    // RealTime's one-digit tenths are taken by FFmpeg as hundredths, so
    // only its whole seconds are compared.
    const ReadBack cases[] = {
        {"SubRip", "srt", 0, true, "|"},
        {"Advanced SubStation Alpha", "ass", 10, true, "|"},
        {"SubStation Alpha", "ass", 10, true, "|"},
        {"SAMI Captioning", "sami", 0, true, "|"},
        {"RealTime", "realtext", 1000, true, "|"},
        {"SubViewer 1.0", "subviewer1", 1000, true, "|"},
        {"SubViewer 2.0", "subviewer", 10, true, "|"},
        {"JACOSub 2.7+", "jacosub", 10, true, "|"},
        {"MPlayer2", "mpl2", 100, true, "|"},
        {"Karaoke Lyrics LRC", "lrc", 10, false, ""},
    };
    for (const ReadBack &c : cases) {
        SCOPED_TRACE(c.format);
        fillTable(model, rows);
        const SubtitleFormat &f = format(c.format);
        const QByteArray bytes = f.convert
                                     ? convertSubtitle(f, model.cds, ConvertOptions{}).bytes
                                     : renderSubtitle(f, model.cds, WriteOptions{}).bytes;
        const QString file = path(QStringLiteral("in") + QString(f.extension));
        putFile(file, bytes);
        QProcess p;
        p.start(ffmpeg, {"-nostdin", "-v", "error", "-sub_charenc", "CP1250", "-f", c.demuxer,
                         "-i", file, "-f", "srt", "-"});
        ASSERT_TRUE(p.waitForFinished(60000));
        const QList<Cue> cues = parseSrt(QString::fromUtf8(p.readAllStandardOutput()));
        ASSERT_EQ(cues.size(), qsizetype(rows.size())) << p.readAllStandardError().toStdString();
        for (size_t i = 0; i < rows.size(); ++i) {
            const qint64 start = timeCodeToMs(QString::fromLatin1(rows[i].start));
            const qint64 end = timeCodeToMs(QString::fromLatin1(rows[i].end));
            EXPECT_LE(qAbs(cues[i].start - start), c.resolutionMs) << "row " << i + 1;
            if (c.checkEnds)
                EXPECT_LE(qAbs(cues[i].end - end), c.resolutionMs) << "row " << i + 1;
            QString expected;
            treatTags(TagTreatment::Removed, QString::fromUtf8(rows[i].text), expected);
            expected.replace(u'|', QString::fromLatin1(c.joiner));
            EXPECT_EQ(cues[i].text, expected) << "row " << i + 1;
        }
    }
}

}  // namespace
