#include "tools/spell/WordCutter.h"

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

// An apostrophe or hyphen joins two word characters into one word.
bool isJoiner(QChar c)
{
    return c == u'-' || c == u'\'' || c == u'\u2019' || c == u'\u2010';
}

bool charIs(QStringView s, qsizetype i, auto test)
{
    return i >= 0 && i < s.size() && test(s[i]);
}

// The end of a style tag starting at i ("<i>", "</font>", "{\an8}"), or -1.
// A tag stays within its line.
qsizetype tagEnd(QStringView s, qsizetype i)
{
    QChar close;
    if (s[i] == u'<' && (charIs(s, i + 1, [](QChar c) { return c.isLetter() || c == u'/'; })))
        close = u'>';
    else if (s[i] == u'{' && charIs(s, i + 1, [](QChar c) { return c == u'\\'; }))
        close = u'}';
    else
        return -1;
    for (qsizetype j = i + 1; j < s.size(); ++j) {
        if (s[j] == close)
            return j + 1;
        if (s[j] == u'|' || s[j] == u'<' || s[j] == u'{')
            return -1;
    }
    return -1;
}

// The end of the run of word characters and inner joiners from i.
qsizetype runEnd(QStringView s, qsizetype i)
{
    while (i < s.size()) {
        if (isWordChar(s[i]))
            ++i;
        else if (isJoiner(s[i]) && charIs(s, i + 1, isWordChar) && i > 0 && isWordChar(s[i - 1]))
            ++i;
        else
            break;
    }
    return i;
}

bool hasDigit(QStringView s)
{
    for (QChar c : s)
        if (c.isDigit() || c.isNumber())
            return true;
    return false;
}

}  // namespace

QList<SpellWord> cutWords(QStringView s)
{
    QList<SpellWord> words;
    qsizetype i = 0;
    while (i < s.size()) {
        if (const qsizetype tag = tagEnd(s, i); tag > 0) {
            i = tag;
            continue;
        }
        if (!isWordChar(s[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        qsizetype end = runEnd(s, i);
        SpellWord word;
        word.text = s.mid(start, end - start).toString();
        // "gye-|rekek": the two halves are one word, with or without the hyphen
        if (charIs(s, end, [](QChar c) { return c == u'-'; }) &&
            charIs(s, end + 1, [](QChar c) { return c == u'|'; }) &&
            charIs(s, end + 2, [](QChar c) { return c.isLetter(); })) {
            const qsizetype second = end + 2;
            const qsizetype secondEnd = runEnd(s, second);
            const QString rest = s.mid(second, secondEnd - second).toString();
            word.otherForms.append(word.text + u'-' + rest);
            word.text += rest;
            end = secondEnd;
        }
        i = end;
        if (hasDigit(word.text))
            continue;
        if (charIs(s, end, [](QChar c) { return c == u'.'; }))
            word.otherForms.append(word.text + u'.');
        word.start = int(start);
        word.length = int(end - start);
        words.append(std::move(word));
    }
    return words;
}
