#include "tools/search/Search.h"

#include "app/MessageBox.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"

namespace {

bool isHungarianLetter(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z'))
        return true;
    static const char16_t accented[] = u"áéíóöőúüűÁÉÍÓÖŐÚÜŰ";
    for (char16_t a : accented)
        if (a != 0 && a == u)
            return true;
    return false;
}

QString breaksAsSpaces(QString text)
{
    text.replace(u'|', u' ');
    return text;
}

void reportNotFound(const QString &text)
{
    showMessageBox(QStringLiteral("Információ"), QStringLiteral("info"),
                   QStringLiteral("Nincs (több) ilyen: "), false, false, true, text);
}

}  // namespace

QString lowerAsciiLetters(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c.unicode() >= u'A' && c.unicode() <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    return out;
}

QString foldAccentedCapitals(const QString &text)
{
    static const char16_t capitals[] = u"ÁÉÍÓÖŐÚÜŰ";
    static const char16_t smalls[] = u"áéíóöőúüű";
    QString out = lowerAsciiLetters(text);
    for (QChar &c : out)
        for (int i = 0; capitals[i]; ++i)
            if (c.unicode() == capitals[i]) {
                c = QChar(smalls[i]);
                break;
            }
    return out;
}

bool isWholeWord(const QString &text, int index, int length)
{
    const int after = index + length;
    const bool letterBefore = index > 0 && index <= text.size() && isHungarianLetter(text[index - 1]);
    const bool letterAfter = after >= 0 && after < text.size() && isHungarianLetter(text[after]);
    return !letterBefore && !letterAfter;
}

SearchOutcome quickSearch(EditorModel &model, const QString &text, bool ignoreBreaks)
{
    if (text.isEmpty())
        return SearchOutcome::NotRun;
    if (ignoreBreaks && text.contains(u'|')) {
        showMessageBox(QStringLiteral("Figyelmeztetés"), QStringLiteral("info"),
                       QStringLiteral("Ha be van kapcsolva a \"Sortörés figyelmen kívül hagyása\""),
                       false, false, true,
                       QStringLiteral("akkor nem használhatja ezt a jelet: \"|\""));
        return SearchOutcome::NotRun;
    }
    SubtitleTable &cds = model.cds;
    const int remembered = cds.recNo();
    int found = 0;
    {
        BulkPass pass(model);
        const QString needle = foldAccentedCapitals(text);
        // rows after the current one; on the last row nothing is examined
        for (int i = remembered; i < cds.recordCount() && found == 0; ++i) {
            const QString &row = cds.rowAt(i).szoveg;
            const QString hay = foldAccentedCapitals(ignoreBreaks ? breaksAsSpaces(row) : row);
            if (hay.contains(needle))
                found = i + 1;
        }
        pass.finish(found ? found : remembered, true);
    }
    if (!found)
        reportNotFound(text);
    model.host()->showCurrentRow();
    return found ? SearchOutcome::Found : SearchOutcome::NotFound;
}

TextSelection quickSearchSelection(const QString &rowText, const QString &text, bool ignoreBreaks)
{
    int index = lowerAsciiLetters(rowText).indexOf(lowerAsciiLetters(text));
    if (index < 0) {
        const QString hay = ignoreBreaks ? breaksAsSpaces(rowText) : rowText;
        index = qMax(0, foldAccentedCapitals(hay).indexOf(foldAccentedCapitals(text)));
    }
    return {index, int(text.size())};
}

SearchOutcome detailedSearch(EditorModel &model, const QString &text,
                             const DetailedSearchOptions &options)
{
    if (text.isEmpty())
        return SearchOutcome::NotRun;
    SubtitleTable &cds = model.cds;
    const int start = cds.recNo();
    const int count = cds.recordCount();
    const int step = options.backward ? -1 : 1;
    const QString needle = options.matchCase ? text : lowerAsciiLetters(text);
    int found = 0;
    {
        BulkPass pass(model);
        // the first step; from the last (first) row there is none to take
        for (int row = start + step; start > 0 && row >= 1 && row <= count && found == 0;
             row += step) {
            QString hay = cds.rowAt(row - 1).szoveg;
            if (!options.matchCase)
                hay = lowerAsciiLetters(hay);
            if (options.ignoreBreaks)
                hay.replace(u'|', u' ');
            const int at = hay.indexOf(needle);
            if (at >= 0 && (!options.wholeWord || isWholeWord(hay, at, int(needle.size()))))
                found = row;
        }
        pass.finish(found ? found : start, true);
    }
    if (!found)
        reportNotFound(text);
    model.host()->showCurrentRow();
    return found ? SearchOutcome::Found : SearchOutcome::NotFound;
}
