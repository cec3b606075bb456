#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// A word of a stored text ("|" is a line break) and where it stands.
struct SpellWord {
    int start = 0;   // index into the stored text
    int length = 0;  // characters it covers there (a word split by a hyphen
                     // at a line end covers "-|" too)
    QString text;    // the form checked first and shown
    // Other forms that make the word correct: the hyphen kept for a word
    // split at a line end, a trailing full stop for abbreviations.
    QStringList otherForms;
};

// Cuts the words out of a stored text for spell checking: style tags
// (<i>, </font>, {\an8}) are not words, nor are numbers, times or anything
// with a digit in it; dialogue dashes, quotation marks („…”, »…«, '…') and
// punctuation stand between words; an apostrophe or hyphen inside a word
// belongs to it; a word broken with a hyphen at a line end is one word.
QList<SpellWord> cutWords(QStringView stored);
