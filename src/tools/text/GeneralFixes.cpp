#include "tools/text/GeneralFixes.h"

#include <QStringView>

#include "tools/text/CorrectionLog.h"

namespace {

// Positions: i is the 0-based index where the rule's pattern starts (the
// first occurrence, or the one that ends the text); offsets are counted
// from there.

QChar charAt(QStringView text, qsizetype i)
{
    return i >= 0 && i < text.size() ? text[i] : QChar();
}

bool isAnyOf(QChar c, QStringView set)
{
    return !c.isNull() && set.contains(c);
}

// Delete-and-trim, the edit most rules make: deletes n characters at i; a
// space or line break that then stands at i goes with them.
void deleteAndTrim(QString &text, qsizetype i, qsizetype n)
{
    text.remove(i, n);
    if (!text.isEmpty() && isAnyOf(charAt(text, i), u" |"))
        text.remove(i, 1);
}

// --- conditions -----------------------------------------------------------

using Condition = bool (*)(QStringView text, qsizetype i);

bool always(QStringView, qsizetype) { return true; }
bool atStart(QStringView, qsizetype i) { return i == 0; }
bool notAtStart(QStringView, qsizetype i) { return i > 0; }
// Also at the very start: nothing there is a dash.
bool notAfterDash(QStringView text, qsizetype i) { return charAt(text, i - 1) != u'-'; }
bool wordStart(QStringView text, qsizetype i) { return i == 0 || isAnyOf(text[i - 1], u" |"); }
// " ." keeps its space before a further dot or a number (" .5", " ..").
bool noDotOrDigitAfter(QStringView text, qsizetype i)
{
    const QChar c = charAt(text, i + 2);
    return !(c == u'.' || (c >= u'0' && c <= u'9'));
}
bool notAfterLessThan(QStringView text, qsizetype i) { return i > 0 && text[i - 1] != u'<'; }

// Lines 1 and 2 are the only non-empty lines; their lengths, tags counted.
bool twoLines(QStringView text, qsizetype &l1, qsizetype &l2)
{
    const qsizetype bar = text.indexOf(u'|');
    if (bar <= 0)
        return false;
    const qsizetype next = text.indexOf(u'|', bar + 1);
    const qsizetype end = next < 0 ? text.size() : next;
    l1 = bar;
    l2 = end - bar - 1;
    if (l2 <= 0)
        return false;
    for (qsizetype k = end; k < text.size(); ++k)
        if (text[k] != u'|')
            return false;
    return true;
}

// The word at a line break moves to the shorter line when the other is
// longer by at least the word and its space; a quote or a "#" at the break
// keeps it, and an article also stays after the end of a sentence.
bool articleUp(QStringView text, qsizetype i)
{
    qsizetype l1, l2;
    return twoLines(text, l1, l2) && !isAnyOf(charAt(text, i - 1), u",.!?#\"") && l1 + 3 <= l2;
}
bool articleDown(QStringView text, qsizetype i)
{
    qsizetype l1, l2;
    return twoLines(text, l1, l2) && !isAnyOf(charAt(text, i + 3), u"#\"") && l1 >= l2 + 3;
}
bool hogyUp(QStringView text, qsizetype i)
{
    qsizetype l1, l2;
    return twoLines(text, l1, l2) && !isAnyOf(charAt(text, i - 1), u"#\"") && l1 + 6 <= l2;
}
bool hogyDown(QStringView text, qsizetype i)
{
    qsizetype l1, l2;
    return twoLines(text, l1, l2) && !isAnyOf(charAt(text, i + 6), u"#\"") && l1 >= l2 + 6;
}

// --- changes --------------------------------------------------------------

enum class Edit {
    Delete,              // n characters at the offset
    DeleteAndTrim,       // the same, and a space or "|" that then stands there
    DeleteThenSpace,     // the same, and a space that then stands there
    DeleteLooseComma,    // the comma after "|", its space, and the "|" if it ends the text
    DeleteDotRun,        // the dots at the offset, as long as they last
    ReplaceAt,           // the character at the offset becomes `with`
    ReplaceText,         // n characters at the offset become `with`
};

struct Change {
    Edit edit;
    int at = 0;
    int n = 0;
    QStringView with;
};

constexpr Change erase(int n, int at) { return {Edit::Delete, at, n, {}}; }
constexpr Change eraseTrim(int n, int at) { return {Edit::DeleteAndTrim, at, n, {}}; }
constexpr Change replaceAt(QStringView c, int at) { return {Edit::ReplaceAt, at, 1, c}; }
constexpr Change replaceText(QStringView t, int n, int at) { return {Edit::ReplaceText, at, n, t}; }
constexpr Change eraseThenSpace(int n, int at) { return {Edit::DeleteThenSpace, at, n, {}}; }
constexpr Change eraseLooseComma(int at) { return {Edit::DeleteLooseComma, at, 1, {}}; }
constexpr Change eraseDotRun(int at) { return {Edit::DeleteDotRun, at, 0, {}}; }

void applyChange(QString &text, qsizetype i, const Change &c)
{
    const qsizetype at = i + c.at;
    switch (c.edit) {
    case Edit::Delete:
        text.remove(at, c.n);
        break;
    case Edit::DeleteAndTrim:
        deleteAndTrim(text, at, c.n);
        break;
    case Edit::DeleteThenSpace:
        text.remove(at, c.n);
        if (charAt(text, at) == u' ')
            text.remove(at, 1);
        break;
    case Edit::DeleteLooseComma:
        text.remove(at, c.n);
        if (charAt(text, at) == u' ')
            text.remove(at, 1);
        if (text.size() == i + 1)  // the "|" now ends the text
            text.chop(1);
        break;
    case Edit::DeleteDotRun:
        while (charAt(text, at) == u'.')
            text.remove(at, 1);
        break;
    case Edit::ReplaceAt:
        text[at] = c.with[0];
        break;
    case Edit::ReplaceText:
        text.replace(at, c.n, c.with.toString());
        break;
    }
}

// --- the rules that need more than a row ------------------------------------

void logChange(RowContext &ctx, const QString &before, const QString &after)
{
    ctx.log.entryHeader(QStringLiteral("mib"), ctx.row, before);
    ctx.log.add(QStringLiteral("Mire:   ") + after);
}

// An HTML block that players show literally: removed from its opening tag
// through its closing tag, or to the end of the text when the closing tag
// is missing or stands before the opening one (nothing sensible closes it
// then, and the text must not keep its block for ever).
struct Block {
    QStringView open;
    QStringView openUpper;  // looked for when there is no lower-case opening
    QStringView close;
    QStringView toPrefix;
    bool dropTrailingBreak;  // a block that reached the end takes a "|" before it
};

bool removeBlock(const Block &block, QString &text, RowContext &ctx)
{
    if (!text.contains(u'<'))
        return false;
    qsizetype s = text.indexOf(block.open);
    if (s < 0 && !block.openUpper.isEmpty())
        s = text.indexOf(block.openUpper);
    if (s < 0)
        return false;
    const QString before = text;
    const qsizetype e = text.indexOf(block.close);
    const bool toEnd = e < s || e + block.close.size() == text.size();
    if (e > s)
        text.remove(s, e - s + block.close.size());
    else
        text.truncate(s);
    // a block that formed a whole line leaves no empty line behind
    if (!text.isEmpty() && charAt(text, s) == u'|' && (s == 0 || text[s - 1] == u'|'))
        text.remove(s, 1);
    else if (block.dropTrailingBreak && toEnd && text.endsWith(u'|'))
        text.chop(1);

    ctx.log.add(QStringLiteral(" "));
    ctx.log.add(QStringLiteral("Melyik sorban volt: ") + QString::number(ctx.row));
    if (text.isEmpty()) {
        ctx.log.add(QStringLiteral("Törölve: ") + before);
        ctx.deleteRow = true;
    } else {
        ctx.log.add(QStringLiteral("Miből:   ") + before);
        ctx.log.add(block.toPrefix.toString() + text);
    }
    return true;
}

bool fontBlock(QString &text, RowContext &ctx)
{
    static const Block font{u"<font", u"<FONT", u"</font>", u"Mire:   ", false};
    return removeBlock(font, text, ctx);
}

bool scriptBlock(QString &text, RowContext &ctx)
{
    static const Block script{u"<script", {}, u"/script>", u"Mire:    ", true};
    return removeBlock(script, text, ctx);
}

// "..." at the start goes (with a space after it); "..." glued to the next
// word gets a space, unless a sign follows or it belongs to a "- ...".
bool threeDots(QString &text, RowContext &ctx)
{
    const qsizetype p = text.indexOf(u"...");
    if (p < 0)
        return false;
    const QString before = text;
    if (p == 0) {
        deleteAndTrim(text, 0, 3);
    } else {
        const QChar after = charAt(text, p + 3);
        if (after.isNull() || isAnyOf(after, u" *|?!.,<>\"#") || charAt(text, p - 2) == u'-')
            return false;
        text.insert(p + 3, u' ');
    }
    logChange(ctx, before, text);
    return true;
}

// A lone pair of dots becomes three. When the first pair opens a "...", the
// lone pairs after it are completed in this one firing, each its own change.
bool lonePairs(QString &text, RowContext &ctx)
{
    if (!text.contains(u'.'))
        return false;
    const qsizetype a = text.indexOf(u"..");
    const qsizetype b = text.indexOf(u"...");
    const QString before = text;
    if (a == 0) {
        deleteAndTrim(text, 0, 2);
        logChange(ctx, before, text);
        return true;
    }
    if (a != b) {
        text.insert(a + 2, u'.');
        logChange(ctx, before, text);
        return true;
    }
    if (a < 0)
        return false;
    int inserted = 0;
    qsizetype rest = b + 3;  // the head ends with the first "..."
    while (rest < text.size()) {
        const QStringView tail = QStringView(text).mid(rest);
        const qsizetype a2 = tail.indexOf(u"..");
        if (a2 == tail.indexOf(u"..."))
            break;
        const QString previous = text;
        text.insert(rest + a2 + 2, u'.');
        logChange(ctx, previous, text);
        ++inserted;
        rest += a2 + 3;
    }
    ctx.count = inserted;
    return inserted > 0;
}

// --- the list ---------------------------------------------------------------

using Routine = bool (*)(QString &text, RowContext &ctx);

enum class Find {
    First,  // the first occurrence
    AtEnd,  // only an occurrence that ends the text
};

struct GeneralFix {
    int number;
    QStringView pattern;
    Find find;
    Condition when;
    Change change;
    Routine routine = nullptr;  // a rule that is more than a row
    int unlessFired = 0;        // skipped when this rule fired in the examination
    bool fullEditionOnly = false;
};

constexpr Find first = Find::First;
constexpr Find atEnd = Find::AtEnd;
constexpr Change none = erase(0, 0);

GeneralFix routine(int number, Routine r) { return {number, {}, first, always, none, r}; }

const GeneralFix generalFixes[] = {
    {1, u" ?", first, notAfterDash, erase(1, 0)},
    {2, u"\u00a0?", first, notAfterDash, erase(1, 0)},
    {3, u"|a ", first, articleUp, replaceText(u" a|", 3, 0)},
    {4, u" a|", first, articleDown, replaceText(u"|a ", 3, 0), nullptr, 3},
    {5, u"|hogy ", first, hogyUp, replaceText(u" hogy|", 6, 0)},
    {6, u" hogy|", first, hogyDown, replaceText(u"|hogy ", 6, 0)},
    {7, u" !", first, always, erase(1, 0)},
    {8, u"\u00a0!", first, always, erase(1, 0)},
    {9, u" .", first, noDotOrDigitAfter, erase(1, 0)},
    {10, u"||", first, always, erase(1, 0)},
    {11, u"!.", atEnd, always, erase(1, 1)},
    {12, u"?.", atEnd, always, erase(1, 1)},
    {13, u"!.|", first, always, erase(1, 1)},
    {14, u"?.|", first, always, erase(1, 1)},
    {15, u"n'T", first, notAtStart, replaceAt(u"t", 2)},
    {16, u"'S", first, notAtStart, replaceAt(u"s", 1)},
    {17, u"<I>", first, always, replaceAt(u"i", 1), nullptr, 0, true},
    {18, u"</I>", first, notAtStart, replaceAt(u"i", 2)},
    {19, u"Útál", first, always, replaceAt(u"U", 0)},
    {20, u"útál", first, always, replaceAt(u"u", 0)},
    {21, u"Mindíg", first, always, replaceAt(u"i", 4)},
    {22, u"mindíg", first, always, replaceAt(u"i", 4)},
    {23, u"Nyílvánvaló", first, always, replaceAt(u"i", 2)},
    {24, u"nyílvánvaló", first, always, replaceAt(u"i", 2)},
    {25, u"Mr ", first, wordStart, replaceText(u". ", 1, 2)},
    {26, u"Ms ", first, wordStart, replaceText(u". ", 1, 2)},
    {27, u"Mrs ", first, wordStart, replaceText(u". ", 1, 3)},
    {28, u"mr.", first, wordStart, replaceAt(u"M", 0)},
    {29, u"ms.", first, wordStart, replaceAt(u"M", 0)},
    {30, u"mrs. ", first, wordStart, replaceAt(u"M", 0)},
    {31, u"\u201c", first, always, replaceAt(u"\"", 0)},
    {32, u"/i>", first, notAfterLessThan, replaceAt(u"<", -1)},
    {33, u"\u201d", first, always, replaceAt(u"\"", 0)},
    {34, u"\u2018", first, always, replaceAt(u"'", 0)},
    {35, u"\u2019", first, always, replaceAt(u"'", 0)},
    routine(36, fontBlock),
    routine(37, scriptBlock),
    {38, u"\"...", first, atStart, erase(3, 1)},
    {39, u"- ...", first, always, eraseTrim(3, 2)},
    {40, u"{\\a6}", first, always, eraseTrim(5, 0)},
    {41, u"{\\a8}", first, always, eraseTrim(5, 0), nullptr, 0, true},
    {42, u"</i> <i>", first, always, replaceText(u" ", 8, 0)},
    {43, u"</i><i>", first, always, replaceText(u" ", 7, 0)},
    {44, u"<i> ", first, always, eraseTrim(1, 3)},
    {45, u" </i>", first, always, eraseTrim(1, 0)},
    {46, u"<i>...", first, always, eraseTrim(3, 3)},
    {47, u"<i>..", first, always, eraseTrim(2, 3)},
    {48, u"...|", atEnd, always, eraseTrim(4, 0)},
    {49, u"..|", atEnd, always, eraseTrim(3, 0)},
    {50, u"|...", first, always, eraseTrim(3, 1)},
    {51, u"|..", first, always, eraseTrim(2, 1)},
    {52, u", ...", atEnd, always, eraseTrim(4, 1)},
    {53, u",...", atEnd, always, eraseTrim(3, 1)},
    {54, u", ..", atEnd, always, eraseTrim(3, 1)},
    {55, u",..", atEnd, always, eraseTrim(2, 1)},
    {56, u",...</i>", first, always, erase(3, 1)},
    {57, u"?...", first, always, erase(3, 1)},
    {58, u"....", first, always, eraseDotRun(3)},
    {59, u"... ...", first, always, erase(4, 3)},
    {60, u" ...", first, notAfterDash, eraseTrim(1, 0)},
    {61, u" ..", first, notAfterDash, eraseTrim(1, 0)},
    {62, u"\u2026", first, notAfterDash, replaceText(u"...", 1, 0)},
    routine(63, threeDots),
    routine(64, lonePairs),
    {65, u",", first, atStart, eraseThenSpace(1, 0)},
    {66, u"|,", first, always, eraseLooseComma(1)},
    {67, u"</i>|<i>", first, always, replaceText(u"|", 8, 0)},
    {68, u"--", first, always, replaceText(u"...", 2, 0)},
};

// The character of a pattern least likely to be in a subtitle's text: a
// text without it cannot hold the pattern, and looking for one character
// is much cheaper than looking for the pattern (most rules find nothing).
QChar keyOf(QStringView pattern)
{
    auto rank = [](QChar c) {
        if (c == u' ')
            return 0;
        if (c >= u'a' && c <= u'z')
            return 1;
        if (c == u'.' || c == u',')
            return 2;
        if (c >= u'A' && c <= u'Z')
            return 3;
        return 4;
    };
    QChar key = pattern[0];
    for (QChar c : pattern)
        if (rank(c) > rank(key))
            key = c;
    return key;
}

qsizetype findPattern(const GeneralFix &fix, QStringView text)
{
    if (fix.find == Find::AtEnd)
        return text.endsWith(fix.pattern) ? text.size() - fix.pattern.size() : -1;
    return text.indexOf(fix.pattern);
}

}  // namespace

BatchTool generalFixesTool(Edition edition)
{
    BatchTool tool;
    tool.reexamine = true;
    std::vector<int> numbers;  // the rule number of each entry of the tool
    for (const GeneralFix &fix : generalFixes) {
        if (fix.fullEditionOnly && edition != Edition::Full)
            continue;
        const GeneralFix *f = &fix;
        if (fix.routine) {
            tool.rules.push_back(makeRule(
                [f](QString &text, RowContext &ctx) { return f->routine(text, ctx); },
                EntryForm::selfWritten()));
        } else {
            std::size_t unless = std::size_t(-1);  // no rule: never fired
            for (std::size_t k = 0; k < numbers.size(); ++k)
                if (numbers[k] == fix.unlessFired)
                    unless = k;
            const QChar key = keyOf(fix.pattern);
            tool.rules.push_back(makeRule([f, unless, key](QString &text, RowContext &ctx) {
                if (!text.contains(key))
                    return false;
                const qsizetype i = findPattern(*f, text);
                if (i < 0 || ctx.fired(unless) || !f->when(text, i))
                    return false;
                applyChange(text, i, f->change);
                return true;
            }));
        }
        numbers.push_back(fix.number);
    }
    return tool;
}

int runGeneralFixes(EditorModel &model, Edition edition)
{
    static const BatchTool full = generalFixesTool(Edition::Full);
    static const BatchTool vn = generalFixesTool(Edition::VN);
    return runBatchPass(model, edition == Edition::Full ? full : vn);
}
