#pragma once
#include <QHash>
#include <QMutex>
#include <QReadWriteLock>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <optional>

#include "tools/spell/SpellDictionary.h"
#include "tools/spell/WordCutter.h"

// The checker every spell-checking path uses: a dictionary behind a cache
// of verdicts per distinct word (a subtitle repeats its words thousands of
// times), the words ignored for this run and the ones added to the
// dictionary. Safe to use from two threads: the editor checks new words on
// a worker thread while the text field reads verdicts from the cache only.
class SpellChecker {
public:
    explicit SpellChecker(std::unique_ptr<SpellDictionary> dictionary);

    // The verdict of a word, asking the dictionary once per distinct word.
    bool isKnown(const QString &word);
    // A word of a text is known when any of its forms is.
    bool isKnown(const SpellWord &word);
    // The verdict only when it is in the cache already; never waits for the
    // dictionary.
    std::optional<bool> cachedVerdict(const SpellWord &word) const;
    // The first max suggestions, cached too.
    QStringList suggestions(const QString &word, int max = 8);

    // "Mindet kihagyja": known for the rest of this run.
    void ignore(const QString &word);
    // "Szótárba" (and the personal list at start): known from now on.
    void addWord(const QString &word);

    // The words of a stored text that are not known.
    QList<SpellWord> unknownWords(QStringView stored);

private:
    std::optional<bool> cached(const QString &word) const;

    std::unique_ptr<SpellDictionary> dictionary_;
    QMutex dictionaryLock_;
    mutable QReadWriteLock cacheLock_;
    QHash<QString, bool> verdicts_;
    QHash<QString, QStringList> suggestions_;
};
