#pragma once
#include <QString>
#include <QStringList>

// A spelling dictionary: words in, verdicts and suggestions out. The real
// one is Hunspell (src/spell); tests use a small fake. Not thread-safe:
// SpellChecker serialises the calls.
class SpellDictionary {
public:
    virtual ~SpellDictionary() = default;
    virtual bool isCorrect(const QString &word) = 0;
    // Best first.
    virtual QStringList suggestions(const QString &word) = 0;
    // Known from now on, for this run (the personal list keeps it on disk).
    virtual void addWord(const QString &word) = 0;
};
