#include <gtest/gtest.h>

#include "support/PrintQString.h"
#include "tools/spell/WordCutter.h"

namespace {

// Each word as "text@start+length", other forms after "/".
QStringList described(const QString &stored)
{
    QStringList out;
    for (const SpellWord &w : cutWords(stored)) {
        QString d = QStringLiteral("%1@%2+%3").arg(w.text).arg(w.start).arg(w.length);
        for (const QString &form : w.otherForms)
            d += u'/' + form;
        out.append(d);
    }
    return out;
}

struct CutCase {
    const char *name;
    const char *stored;
    QStringList words;
};

TEST(WordCutter, CutsTheWordsOfStoredTexts)
{
    const CutCase cases[] = {
        {"plain", "Hol voltál?", {"Hol@0+3", "voltál@4+6"}},
        {"line break", "első|második", {"első@0+4", "második@5+7"}},
        {"style tags", "<i>Szia</i> <b>te</b>", {"Szia@3+4", "te@15+2"}},
        {"tag with attribute", "<font color=\"#ff0000\">piros</font>", {"piros@22+5"}},
        {"override code", "{\\an8}Fent", {"Fent@6+4"}},
        {"a lone angle bracket is no tag", "a < b", {"a@0+1", "b@4+1"}},
        {"dialogue dashes", "- Jössz?|-Megyek.|– Jó.",
         {"Jössz@2+5", "Megyek@10+6/Megyek.", "Jó@20+2/Jó."}},
        {"hyphenated compound", "Kelet-Európa", {"Kelet-Európa@0+12"}},
        {"hyphen at a line end joins", "szép-|séges nap", {"szépséges@0+11/szép-séges", "nap@12+3"}},
        {"hyphen at the end of the text", "szép-", {"szép@0+4"}},
        {"numbers and times", "10:30-kor 2 óra, 1,5 km 3-as", {"óra@12+3", "km@21+2"}},
        {"Hungarian quotation marks", "„Gyere!” »Ne«", {"Gyere@1+5", "Ne@10+2"}},
        {"apostrophes", "'Szia' O'Brien don’t", {"Szia@1+4", "O'Brien@7+7", "don’t@15+5"}},
        {"abbreviation", "dr. Kovács", {"dr@0+2/dr.", "Kovács@4+6"}},
        {"ellipsis", "Hát…|és?", {"Hát@0+3", "és@5+2"}},
        {"empty", "", {}},
    };
    for (const CutCase &c : cases)
        EXPECT_EQ(described(QString::fromUtf8(c.stored)), c.words) << c.name;
}

}  // namespace
