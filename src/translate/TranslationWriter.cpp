#include "translate/TranslationWriter.h"

#include <QFileInfo>
#include <new>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "document/SubtitleTable.h"
#include "files/FileReplace.h"
#include "files/SubtitleWriter.h"
#include "files/TextEncoding.h"

namespace {

const QLatin1StringView crlf("\r\n");

void renderInto(EncodedFile &out, const SubtitleTable &table, bool frames)
{
    int number = 1;
    for (int i = 0; i < table.recordCount(); ++i) {
        const SubtitleRow &row = table.rowAt(i);
        if (frames) {
            out.appendBraced(row.kezdes.chars(), row.befejezes.chars(), row.szoveg);
            out.append(crlf);
            continue;
        }
        if (row.kezdes.isEmpty() && row.befejezes.isEmpty() && row.szoveg.isEmpty()) {
            out.append(crlf);
        } else if (!row.kezdes.isEmpty() && !row.befejezes.isEmpty()) {
            out.appendNumber(number++);
            out.append(crlf);
            out.append(row.kezdes.chars());
            out.append(QLatin1StringView(" --> "));
            out.append(row.befejezes.chars());
            out.append(crlf);
            out.append(row.szoveg);
            out.append(crlf);
        } else if (!row.szoveg.isEmpty()) {
            out.append(row.szoveg);
            out.append(crlf);
        }
    }
}

}  // namespace

QByteArray renderTranslation(const SubtitleTable &table, const QString &timeBase,
                             FileEncoding encoding)
{
    const bool frames = timeBase == TimeBase::frame;
    return renderFitting(encoding, qsizetype(table.recordCount()) * 48,
                         [&](EncodedFile &out) { renderInto(out, table, frames); });
}

bool writeTranslationFile(const SubtitleTable &table, const QString &timeBase,
                          const QString &path, FileEncoding encoding)
{
    if (timeBase != TimeBase::time && timeBase != TimeBase::frame) {
        showMessageBox(QStringLiteral("Figyelmeztetés"), BoxKind::error,
                       QStringLiteral("Ismeretlen típus! Nem mentettem el!"), false, false, true);
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    WriteFault fault = WriteFault::None;
    bool written = false;
    try {
        written = replaceFile(path, renderTranslation(table, timeBase, encoding), &fault);
    } catch (const std::bad_alloc &) {
        fault = WriteFault::NoMemory;
    }
    if (!written) {
        showWriteFailure(name.isEmpty() ? path : name, fault);
        return false;
    }
    return true;
}
