#include "tools/text/CharacterTools.h"

#include "app/MessageBox.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "tools/text/CorrectionLog.h"

namespace {

QChar charAt(QStringView text, qsizetype i)
{
    return i >= 0 && i < text.size() ? text[i] : QChar();
}

bool wordStart(QStringView text, qsizetype i)
{
    return i == 0 || text[i - 1] == u' ' || text[i - 1] == u'|';
}

// --- l to I -----------------------------------------------------------------

// The first occurrence is corrected when it starts a word, and then the
// next first one under the same condition; one entry for both.
BatchRule lRule(QStringView pattern)
{
    const QString p = pattern.toString();
    return makeRule([p](QString &text, RowContext &ctx) {
        int replaced = 0;
        for (int look = 0; look < 2; ++look) {
            const qsizetype at = text.indexOf(p);
            if (at < 0 || !wordStart(text, at))
                break;
            text[at] = u'I';
            ++replaced;
        }
        ctx.count = replaced;
        return replaced > 0;
    });
}

// --- letters ----------------------------------------------------------------

// The accented vowels of the code page's Hungarian letters, small then
// capital, with their letters without accent.
constexpr char16_t accented[] = u"áéíóöőúüűÁÉÍÓÖŐÚÜŰ";
constexpr char16_t plain[] = u"aeiooouuuAEIOOOUUU";
constexpr int smallAccented = 9;

int accentIndex(QChar c)
{
    for (int k = 0; k < 2 * smallAccented; ++k)
        if (c.unicode() == accented[k])
            return k;
    return -1;
}

template <typename Map>
QString mapLetters(QStringView text, int *changed, Map map)
{
    QString out = text.toString();
    for (QChar &c : out) {
        const QChar to = map(c);
        if (to != c) {
            c = to;
            ++*changed;
        }
    }
    return out;
}

// Rewrites every row's text through `convert`, without the log and without
// the flags (no length changes), and ends with "Kész!".
int rewriteEveryRow(EditorModel &model, QString (*convert)(QStringView, int *))
{
    SubtitleTable &cds = model.cds;
    const int remembered = cds.recNo();
    BulkPass pass(model);
    cds.first();
    int changes = 0;
    for (int i = 0; i < cds.recordCount(); ++i) {
        int changedHere = 0;
        const QString text = convert(cds.rowAt(i).szoveg, &changedHere);
        if (changedHere == 0)
            continue;
        changes += changedHere;
        cds.setRecNo(i + 1);
        cds.edit();
        cds.setField(Field::Szoveg, text);
        cds.post();
    }
    pass.finish(remembered, true);
    if (changes > 0)
        model.setModified(true);
    showMessageBox(QStringLiteral("Eredmény"), QStringLiteral("info"), QStringLiteral("Kész!"),
                   false, false, true);
    model.host()->focusGrid();
    return changes;
}

// --- spaces -----------------------------------------------------------------

// The first occurrence of `pattern`; its first character (a space) goes.
BatchRule spaceBeforeRule(QStringView pattern, bool keepBeforeDots = false)
{
    const QString p = pattern.toString();
    return makeRule([p, keepBeforeDots](QString &text, RowContext &) {
        const qsizetype at = text.indexOf(p);
        if (at < 0 || (keepBeforeDots && charAt(text, at + 2) == u'.'))
            return false;
        text.remove(at, 1);
        return true;
    });
}

// What may follow a mark without a space: the end, a space, another mark,
// a quote, a dash, a tag, a line break, and digits (all of them after "."
// and ",", only 0 after "!" and "?").
bool gluedIsFine(QChar next, bool anyDigit)
{
    if (next.isNull() || QStringView(u" !\"-.<?|").contains(next))
        return true;
    return anyDigit ? next >= u'0' && next <= u'9' : next == u'0';
}

int spaceAfterEach(QString &text, QChar mark, bool anyDigit)
{
    int inserted = 0;
    for (qsizetype i = text.indexOf(mark); i >= 0; i = text.indexOf(mark, i + 1)) {
        if (gluedIsFine(charAt(text, i + 1), anyDigit))
            continue;
        text.insert(i + 1, u' ');
        ++inserted;
    }
    return inserted;
}

// A full stop of a web address or domain keeps its neighbour.
bool addressDot(QStringView text, qsizetype i)
{
    const QChar next = charAt(text, i + 1);
    if (next == u'c' && (charAt(text, i + 2) == u'o' || charAt(text, i + 3) == u'm'))
        return true;
    if (next == u'h' && charAt(text, i + 2) == u'u')
        return true;
    return i >= 3 && text.sliced(i - 3, 3) == u"www";
}

}  // namespace

BatchTool lToITool()
{
    BatchTool tool;
    tool.rules.push_back(lRule(u"l'"));
    tool.rules.push_back(lRule(u"l "));
    return tool;
}

int runLToI(EditorModel &model)
{
    return runBatchPass(model, lToITool());
}

QString withoutAccents(QStringView text, int *changed)
{
    return mapLetters(text, changed, [](QChar c) {
        const int k = accentIndex(c);
        return k < 0 ? c : QChar(plain[k]);
    });
}

QString inSmallLetters(QStringView text, int *changed)
{
    return mapLetters(text, changed, [](QChar c) {
        if (c >= u'A' && c <= u'Z')
            return QChar(c.unicode() + (u'a' - u'A'));
        const int k = accentIndex(c);
        return k >= smallAccented ? QChar(accented[k - smallAccented]) : c;
    });
}

int runAccentRemoval(EditorModel &model)
{
    return rewriteEveryRow(model, withoutAccents);
}

int runLowerCase(EditorModel &model)
{
    return rewriteEveryRow(model, inSmallLetters);
}

int runEmptyRowDeletion(EditorModel &model)
{
    BatchTool tool;
    tool.summary = false;
    tool.rules.push_back(makeRule(
        [](QString &text, RowContext &ctx) {
            if (!text.isEmpty())
                return false;
            const SubtitleTable &cds = ctx.model.cds;
            ctx.log.add(QString());
            ctx.log.add(QStringLiteral("Sor száma: ") + QString::number(ctx.row)
                        + QStringLiteral("      Érték: ") + cds.field(Field::Kezdes)
                        + QStringLiteral("-->") + cds.field(Field::Befejezes));
            ctx.log.add(QStringLiteral("Üres sor miatt: sor törlése"));
            ctx.deleteRow = true;
            return true;
        },
        EntryForm::selfWritten()));
    const int deleted = runBatchPass(model, tool);
    if (deleted > 0)
        showMessageBox(QStringLiteral("Eredmény"), QStringLiteral("info"),
                       QStringLiteral("Ennyi üres sort töröltem: ") + QString::number(deleted),
                       false, false, true);
    else
        showMessageBox(QStringLiteral("Eredmény"), QStringLiteral("info"),
                       QStringLiteral("Nem volt üres sor!"), false, false, true);
    model.host()->focusGrid();
    return deleted;
}

BatchTool spaceBeforeTool()
{
    BatchTool tool;
    tool.reexamine = true;
    tool.rules.push_back(spaceBeforeRule(u" ?"));
    tool.rules.push_back(spaceBeforeRule(u"\u00a0?"));
    tool.rules.push_back(spaceBeforeRule(u" !"));
    tool.rules.push_back(spaceBeforeRule(u"\u00a0!"));
    // " ..." is an ellipsis of its own, not a full stop to pull back
    tool.rules.push_back(spaceBeforeRule(u" .", true));
    return tool;
}

int runSpaceBefore(EditorModel &model)
{
    return runBatchPass(model, spaceBeforeTool());
}

int insertSpacesAfterMarks(QString &text)
{
    int inserted = 0;
    const qsizetype first = text.indexOf(u'.');
    if (first >= 0 && first != text.indexOf(u".com") && first != text.indexOf(u".hu")) {
        for (qsizetype i = first; i >= 0; i = text.indexOf(u'.', i + 1)) {
            if (gluedIsFine(charAt(text, i + 1), true) || addressDot(text, i))
                continue;
            text.insert(i + 1, u' ');
            ++inserted;
        }
    }
    inserted += spaceAfterEach(text, u',', true);
    inserted += spaceAfterEach(text, u'!', false);
    inserted += spaceAfterEach(text, u'?', false);
    return inserted;
}

BatchTool spaceAfterTool()
{
    BatchTool tool;
    tool.rules.push_back(makeRule([](QString &text, RowContext &ctx) {
        ctx.count = insertSpacesAfterMarks(text);
        // no space takes a text past the length the tools keep it within
        return ctx.count > 0 && text.size() <= fieldSize(Field::Szoveg);
    }));
    return tool;
}

int runSpaceAfter(EditorModel &model)
{
    return runBatchPass(model, spaceAfterTool());
}
