#include "files/SubtitleReader.h"

#include <QFile>
#include <cstring>
#include <new>
#include <QFileInfo>

#include "app/MessageBox.h"
#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "files/DottedReader.h"
#include "files/FileGlobals.h"
#include "files/FrameReader.h"
#include "files/LineClasses.h"
#include "files/ReadSession.h"
#include "files/SrtReader.h"
#include "files/TextDecoding.h"

namespace {

// Far beyond any subtitle; keeps a wrong pick from exhausting memory.

void fileError(const QString &first, const QString &second)
{
    showMessageBox(QStringLiteral("Hiba"), BoxKind::error, first, false, false, true,
                   second);
}

void addUnicodeNotice(ReadSession &s)
{
    const QString bang(49, u'!');
    s.report({bang, QStringLiteral("Ez a felirat Unicode-os file-ból lett betöltve!!!"),
              QStringLiteral("Kérem mentse el a file-t!"), bang});
}

// Lines before the first sequence number are not read: the report says so.
const LogPattern skippedLines{u"A file elején, az első sorszám előtt álló ",
                              u" sort nem olvastam be."};

void noteSkippedLines(ReadSession &s, int skipped)
{
    if (skipped > 0)
        s.report().add(skippedLines, {skipped});
}

void readTimeBased(ReadSession &s)
{
    SrtReader reader(s);
    while (!s.atEnd() && !reader.mustStop())
        reader.readSrtLine(s.nextLine());
    reader.finish();
}

// About as many rows as the file holds entries (its time lines, or its
// lines beginning with "{"), so that the table does not regrow while a big
// file is appended. Only a guess, counted while the encoding was chosen.
void reserveRows(ReadSession &s, const DecodedText &text, bool frames)
{
    if (s.second)
        return;
    size_t count = 0;
    if (text.lazy) {
        count = frames ? text.braceLines : text.timeShapedLines;
    } else {
        LineCursor cursor(text);
        while (!cursor.atEnd()) {
            const QStringView line = cursor.next();
            if (frames ? line.startsWith(u'{') : isTimeLine(line, true))
                ++count;
        }
    }
    s.cds.rows.reserve(count);
}

bool takesNumberLine(QStringView line)
{
    return !line.isEmpty() && !line.contains(QChar(0)) && isNumberLine(line);
}

void readSubRip(ReadSession &s, const DecodedText &text, QStringView, int skipped)
{
    reserveRows(s, text, false);
    if (text.isUtf16())
        addUnicodeNotice(s);
    noteSkippedLines(s, skipped);
    readTimeBased(s);
}

bool takesBracedLine(QStringView line)
{
    return line.startsWith(u'{');
}

void readMicroDvd(ReadSession &s, const DecodedText &text, QStringView firstLine, int)
{
    reserveRows(s, text, true);
    FrameReader reader(s);
    if (s.withOffset && !s.second)
        reader.prepareOffset(firstLine);
    reader.readFrameLine(firstLine);
    while (!s.fatal && !s.atEnd()) {
        const QStringView line = s.nextLine();
        if (!line.isEmpty())
            reader.readFrameLine(line);
    }
}

bool takesDottedLine(QStringView line)
{
    return !line.contains(QChar(0)) && hasDottedShape(line);
}

void readDotted(ReadSession &s, const DecodedText &, QStringView firstLine, int)
{
    if (!s.second)
        readDottedLine(s, firstLine);
}

}  // namespace

const SubtitleReading subRipReading{SubtitleFileType::times, takesNumberLine, readSubRip};
const SubtitleReading microDvdReading{SubtitleFileType::frames, takesBracedLine, readMicroDvd};
const SubtitleReading dottedReading{SubtitleFileType::dotted, takesDottedLine, readDotted};

SubtitleFileType typeRead(const SubtitleReading &reader, bool utf16)
{
    if (reader.type == SubtitleFileType::times && utf16)
        return SubtitleFileType::timesUnicode;
    return reader.type;
}

SubtitleFileType detectSubtitleType(const DecodedText &text)
{
    LineCursor lines(text);
    while (!lines.atEnd())
        if (const SubtitleReading *reader = readerTaking(lines.next()))
            return typeRead(*reader, text.isUtf16());
    return SubtitleFileType::none;
}

QString detectFileType(QStringView line)
{
    const SubtitleReading *reader = readerTaking(line);
    return reader ? fileTypeCode(reader->type) : QString();
}

ReadResult readSubtitle(QByteArray bytes, const ReadOptions &options, const ReadStart &start)
{
    return readSubtitle(prepareSubtitleText(std::move(bytes)), options, start);
}

ReadResult readSubtitle(const DecodedText &decoded, const ReadOptions &options,
                        const ReadStart &start)
{
    ReadResult result;
    result.encoding = decoded.encoding;
    ReadSession s(decoded, options);
    s.cds.start(options.second, start.rowCount, start.currentIndex, start.current);
    const SubtitleReading *reader = nullptr;
    QStringView firstLine;
    int skipped = 0;
    while (!reader && !s.atEnd()) {
        firstLine = s.nextLine();
        reader = readerTaking(firstLine);
        if (!reader && !isEmptyLine(firstLine))
            ++skipped;
    }
    if (reader)
        reader->read(s, decoded, firstLine, skipped);
    s.cds.finishPending();

    result.unreadable = s.readFailed();
    result.type = reader ? typeRead(*reader, decoded.isUtf16()) : SubtitleFileType::none;
    result.currentIndex = s.cds.currentIndex();
    result.secondRowCount = s.secondRowCount;
    result.overThresholdCount = s.overThresholdCount;
    result.threeLineCount = s.threeLineCount;
    result.reported = s.reported;
    result.stoppedEarly = s.fatal;
    result.report = std::move(s.log);
    result.rows = std::move(s.cds);
    return result;
}

namespace {

// Rows after the last one that received a second text lose a stale one.
void clearSecondTail(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    const int rows = cds.recordCount();
    if (cds.secondRowCount() >= rows)
        return;
    const int step = rows / 100;
    for (int index = cds.secondRowCount(); index < rows; ++index) {
        if (cds.rowAt(index).szoveg2.isEmpty())
            continue;
        cds.setRecNo(index + 1);
        cds.edit();
        cds.setField(Field::Szoveg2, QString());
        cds.post();
        if (step >= 1 && (rows - index) % step == 0)
            model.host()->setProgress(100 - (rows - index) / step);
    }
    cds.setRecNo(qMax(1, cds.secondRowCount()));
}

void applyLoadedTimeBase(EditorModel &model, SubtitleFileType type)
{
    const QString base = type == SubtitleFileType::frames ? TimeBase::frame : TimeBase::time;
    model.setTimeBase(base);
    loadedTimeBase = base;
}

}  // namespace

namespace {

QString shownName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

FileFailure readFailure(const QString &path)
{
    return {QStringLiteral("Hiba a file olvasása közben: ") + shownName(path),
            QStringLiteral("A file nem olvasható végig!")};
}

FileFailure tooBigFailure(const QString &path)
{
    return {QStringLiteral("Túl nagy a file: ") + shownName(path),
            QStringLiteral("Ez nem lehet felirat file!")};
}

void tell(const FileFailure &failure)
{
    fileError(failure.first, failure.second);
}

void readError(const QString &path)
{
    tell(readFailure(path));
}

// Opens a subtitle file for reading, or says why it cannot be read.
FileFailure openForReading(const QString &path, QFile &file)
{
    const QFileInfo info(path);
    const QString name = shownName(path);
    if (path.isEmpty() || !info.exists())
        return {QStringLiteral("Nem található a file: ") + name,
                QStringLiteral("Ellenőrizze a file nevét és helyét!")};
    if (info.isDir())
        return {QStringLiteral("Ez egy mappa, nem file: ") + name,
                QStringLiteral("Válasszon egy felirat file-t!")};
    if (!info.isFile())
        return {QStringLiteral("Ez nem felirat file: ") + name,
                QStringLiteral("Válasszon egy felirat file-t!")};
    if (info.size() > largestReadableFile)
        return tooBigFailure(path);
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {QStringLiteral("Nem sikerült megnyitni a file-t: ") + name,
                QStringLiteral("Nincs hozzá olvasási joga, vagy más program használja!")};
    return {};
}

// The file surveyed for reading in chunks: a big file is never held whole.
bool prepareSubtitlePath(const QString &path, DecodedText *text)
{
    QFile file;
    if (const FileFailure failure = openForReading(path, file); failure.failed()) {
        tell(failure);
        return false;
    }
    // one byte over the limit tells a file that grew past it
    if (!prepareSubtitleFile(file, largestReadableFile + 1, text)) {
        readError(path);
        return false;
    }
    if (text->fileSize > largestReadableFile) {
        *text = DecodedText();
        tell(tooBigFailure(path));
        return false;
    }
    return true;
}

}  // namespace

FileFailure loadSubtitleBytes(const QString &path, QByteArray *bytes)
{
    QFile file;
    if (const FileFailure failure = openForReading(path, file); failure.failed())
        return failure;
    // One buffer of the file's size, filled to the end even when the file
    // changes size while it is read.
    const qint64 size = file.size();
    bytes->resize(qsizetype(size));
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(bytes->data() + got, size - got);
        if (n <= 0)
            break;
        got += n;
    }
    if (got < size && file.error() == QFileDevice::NoError)
        bytes->truncate(qsizetype(got));  // the file shrank while it was read
    if (file.error() == QFileDevice::NoError && !file.atEnd())
        bytes->append(file.readAll());    // or grew
    if (file.error() != QFileDevice::NoError) {
        bytes->clear();
        return readFailure(path);
    }
    return {};
}

namespace {

ReadStart startOf(const SubtitleTable &cds)
{
    ReadStart start;
    start.rowCount = cds.recordCount();
    // a row still being inserted is not one of the table's rows
    start.currentIndex = qMin(cds.recNo(), start.rowCount) - 1;
    if (start.currentIndex >= 0)
        start.current = cds.rowAt(start.currentIndex);
    return start;
}

void applyMainRows(EditorModel &model, const ReadStart &start, ReadResult &result)
{
    SubtitleTable &cds = model.cds;
    ReadRows &rows = result.rows;
    if (rows.currentRewritten)
        cds.replaceRow(start.currentIndex, std::move(rows.current));
    cds.appendRows(std::move(rows.rows));
    model.overThresholdCount = result.overThresholdCount;
    model.threeLineCount = result.threeLineCount;
}

void applySecondTexts(EditorModel &model, const ReadStart &start, ReadResult &result)
{
    SubtitleTable &cds = model.cds;
    ReadRows &rows = result.rows;
    for (size_t k = 0; k < rows.secondTexts.size(); ++k) {
        if (!rows.secondWritten[k])
            continue;
        const int index = qMax(0, start.currentIndex) + int(k);
        SubtitleRow row = cds.rowAt(index);
        row.szoveg2 = std::move(rows.secondTexts[k]);
        cds.replaceRow(index, std::move(row));
    }
    cds.setSecondRowCount(result.secondRowCount);
}

QString readFile(EditorModel &model, bool withOffset, bool *unopenable)
{
    displayLock = true;
    const bool second = textTarget == Target::second;
    model.cds.setSecondRowCount(0);
    model.log.clear();
    if (!second) {
        // The table starts empty, so nothing in it is flagged yet.
        model.overThresholdCount = 0;
        model.threeLineCount = 0;
    }
    model.readStoppedEarly = false;
    if (unopenable)
        *unopenable = false;
    model.host()->pauseFilm();
    model.host()->showProgress(true);

    DecodedText text;
    if (!prepareSubtitlePath(subtitlePath, &text)) {
        model.readErrorsFound = false;
        if (unopenable)
            *unopenable = true;
        return QString();
    }
    ReadOptions options;
    options.second = second;
    options.withOffset = withOffset;
    options.max2 = model.options.max2;
    options.threshold = model.threshold();
    options.cdJoinStart = model.cdJoinStart;
    EditorHost *host = model.host();
    options.progress = [host](int value) { host->setProgress(value); };
    const ReadStart start = startOf(model.cds);
    ReadResult result = readSubtitle(text, options, start);
    if (result.unreadable) {
        // Rows of a file that changed under the read are not taken.
        readError(subtitlePath);
        model.readErrorsFound = false;
        if (unopenable)
            *unopenable = true;
        return QString();
    }
    const SubtitleFileType type = result.type;
    const bool classified = type != SubtitleFileType::none;

    (second ? model.secondFileEncoding : model.fileEncoding) = result.encoding;
    // A second subtitle fills the rows of the table as it stands.
    if (classified && !second)
        applyLoadedTimeBase(model, type);
    if (second)
        applySecondTexts(model, start, result);
    else
        applyMainRows(model, start, result);
    if (result.currentIndex >= 0)
        model.cds.setRecNo(result.currentIndex + 1);
    model.log.append(std::move(result.report));
    if (result.stoppedEarly)
        showMessageBox(QStringLiteral("Hiba"), BoxKind::error,
                       QStringLiteral("Hiba a file-ban!"), false, false, true,
                       QStringLiteral("Csak eddig tudtam betölteni a file-t!"));

    if (second && classified)
        clearSecondTail(model);
    // The flags were counted quietly; the editor shows the counts once.
    if (!second && (type == SubtitleFileType::times || type == SubtitleFileType::timesUnicode))
        model.announceCounts();

    model.readStoppedEarly = result.stoppedEarly;
    if (classified)
        model.setEnabled(Ctl::MentM1, true);
    model.readErrorsFound = false;
    if (result.reported) {
        model.log.caption = QStringLiteral("Hibák észelelése");
        model.log.headingsVisible = true;
        model.readErrorsFound = true;
        if (!model.options.beolvas)
            model.host()->showReportWindow();
    }
    return fileTypeCode(type);
}

}  // namespace

QString readSubtitleFile(EditorModel &model, bool withOffset, bool *unopenable)
{
    try {
        return readFile(model, withOffset, unopenable);
    } catch (const std::bad_alloc &) {
        // Nothing is thrown past the editor's handlers: the rows read so far
        // stay and the read counts as failed.
        model.cds.cancel();
        if (unopenable)
            *unopenable = true;
        fileError(QStringLiteral("Nincs elég memória a file beolvasásához: ")
                      + QFileInfo(subtitlePath).fileName(),
                  QStringLiteral("Zárjon be más programokat, és próbálja újra!"));
        return QString();
    }
}
