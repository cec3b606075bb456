#include "tools/search/Replace.h"

#include "app/MessageBox.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/RowText.h"

namespace {

int firstOccurrence(const QString &text, const QString &find, bool matchCase)
{
    if (matchCase)
        return int(text.indexOf(find));
    return int(lowerAsciiLetters(text).indexOf(lowerAsciiLetters(find)));
}

// Replaces find's length of characters at index and stores the row the way
// search and replace does: flags brought up to date without recounting.
QString storeReplacement(EditorModel &model, const QString &text, int index, int length,
                         const QString &with)
{
    QString changed = text;
    changed.replace(index, length, with);
    writeRowText(model, changed, true, false, false);
    return model.cds.field(Field::Szoveg);
}

}  // namespace

SearchOutcome replaceWindowSearch(EditorModel &model, const QString &find, bool matchCase,
                                  bool firstCharOnly)
{
    SubtitleTable &cds = model.cds;
    if (find.isEmpty() || cds.recordCount() == 0)
        return SearchOutcome::NotRun;
    model.host()->setWaitCursor(true);
    const int count = cds.recordCount();
    // the row after the current one, or the last row itself when it is current
    const int remembered = qMin(cds.recNo() + 1, count);
    int found = 0;
    {
        BulkPass pass(model);
        for (int row = remembered; row <= count && found == 0; ++row) {
            const int at = firstOccurrence(cds.rowAt(row - 1).szoveg, find, matchCase);
            if (at == 0 || (at > 0 && !firstCharOnly))
                found = row;
        }
        // failing, one row back from where the walk began
        pass.finish(found ? found : qMax(1, remembered - 1), true);
    }
    model.host()->setWaitCursor(false);
    if (!found)
        showMessageBox(QStringLiteral("Információ"), QStringLiteral("info"),
                       QStringLiteral("Nincs (több) ilyen: "), false, false, true, find);
    model.host()->showCurrentRow();
    return found ? SearchOutcome::Found : SearchOutcome::NotFound;
}

bool replaceInCurrentRow(EditorModel &model, const QString &find, const QString &with)
{
    SubtitleTable &cds = model.cds;
    if (find.isEmpty() || cds.recordCount() == 0)
        return false;
    const QString text = cds.field(Field::Szoveg);
    const int at = firstOccurrence(text, find, false);
    if (at < 0)
        return false;
    {
        DisplayHold hold;
        storeReplacement(model, text, at, int(find.size()), with);
    }
    model.markChanged(EditorModel::Subtitle::main);
    model.announceCounts();
    model.host()->showCurrentRow();
    return true;
}

int replaceAll(EditorModel &model, const QString &find, const QString &with, bool matchCase)
{
    SubtitleTable &cds = model.cds;
    if (find.isEmpty())
        return -1;
    model.setEnabled(Ctl::BOsszes, false);
    const int remembered = cds.recNo();
    int replaced = 0;
    model.log.clear();
    {
        BulkPass pass(model, {.gauge = false, .waitCursor = true});
        const int length = int(find.size());
        const int count = cds.recordCount();
        // A cycle of equal-length replacements could go on for ever; no row
        // takes more replacements than it has characters to offer.
        const int perRowLimit = 4 * fieldSize(Field::Szoveg);
        const int longest = fieldSize(Field::Szoveg);
        for (int row = 1; row <= count; ++row) {
            pass.progress(row);
            QString text = cds.rowAt(row - 1).szoveg;
            const qsizetype before = text.size();
            int at = firstOccurrence(text, find, matchCase);
            if (at < 0)
                continue;
            cds.setRecNo(row);
            int previous = -1;
            for (int n = 0; at >= 0 && at != previous && n < perRowLimit; ++n) {
                model.log.add(QString());
                model.log.add(QStringLiteral("Melyik sorban volt: ") + QString::number(row));
                model.log.add(QStringLiteral("Miből: ") + text);
                text = storeReplacement(model, text, at, length, with);
                model.log.add(QStringLiteral("Mire  : ") + text);
                ++replaced;
                previous = at;
                // a growing replacement stops once it took the row past the
                // length the tools keep a text within
                if (text.size() > longest && text.size() > before)
                    break;
                at = firstOccurrence(text, find, matchCase);
            }
        }
        pass.finish(remembered, true);
    }
    model.announceCounts();
    if (replaced == 0) {
        showMessageBox(QStringLiteral("Eredmény"), QStringLiteral("info"),
                       QStringLiteral("Nem találtam semmit a megadott szó alapján!"), false,
                       false, true);
    } else {
        model.markChanged(EditorModel::Subtitle::main);
        showMessageBox(QStringLiteral("Eredmény"), QStringLiteral("info"),
                       QStringLiteral("Ennyit találtam és cseréltem le: ") +
                           QString::number(replaced),
                       false, false, true,
                       QStringLiteral("További információt a \"Lista\" gomb alatt találsz!"));
    }
    model.setEnabled(Ctl::BOsszes, true);
    return replaced;
}

void showReplaceLog(EditorModel &model)
{
    model.log.caption = QStringLiteral("Keresés és csere végeredménye");
    model.log.headingsVisible = false;
    model.host()->showReportWindow();
}
