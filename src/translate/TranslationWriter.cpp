#include "translate/TranslationWriter.h"

#include <QFileInfo>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "document/SubtitleTable.h"
#include "files/FileReplace.h"
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
    if (!replaceFile(path, renderTranslation(table, timeBase, encoding))) {
        const QString name = QFileInfo(path).fileName();
        showMessageBox(QStringLiteral("Írásvédett file!"), BoxKind::error,
                       QStringLiteral("Írásvédett a következő file: ") + (name.isEmpty() ? path : name),
                       false, false, true, QStringLiteral("A kért mentés nem sikerült!"));
        return false;
    }
    return true;
}
