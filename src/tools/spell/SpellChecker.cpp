#include "tools/spell/SpellChecker.h"

SpellChecker::SpellChecker(std::unique_ptr<SpellDictionary> dictionary)
    : dictionary_(std::move(dictionary))
{
}

std::optional<bool> SpellChecker::cached(const QString &word) const
{
    QReadLocker lock(&cacheLock_);
    const auto it = verdicts_.constFind(word);
    if (it == verdicts_.cend())
        return std::nullopt;
    return *it;
}

bool SpellChecker::isKnown(const QString &word)
{
    if (const auto verdict = cached(word))
        return *verdict;
    bool known;
    {
        QMutexLocker lock(&dictionaryLock_);
        known = dictionary_->isCorrect(word);
    }
    QWriteLocker lock(&cacheLock_);
    // an ignore or an addition meanwhile wins
    return *verdicts_.insert(word, verdicts_.value(word, known));
}

bool SpellChecker::isKnown(const SpellWord &word)
{
    if (isKnown(word.text))
        return true;
    for (const QString &form : word.otherForms)
        if (isKnown(form))
            return true;
    return false;
}

std::optional<bool> SpellChecker::cachedVerdict(const SpellWord &word) const
{
    const auto first = cached(word.text);
    if (!first)
        return std::nullopt;
    if (*first)
        return true;
    for (const QString &form : word.otherForms) {
        const auto other = cached(form);
        if (!other || *other)
            return other;
    }
    return false;
}

QStringList SpellChecker::suggestions(const QString &word, int max)
{
    {
        QReadLocker lock(&cacheLock_);
        if (const auto it = suggestions_.constFind(word); it != suggestions_.cend())
            return it->mid(0, max);
    }
    QStringList found;
    {
        QMutexLocker lock(&dictionaryLock_);
        found = dictionary_->suggestions(word);
    }
    QWriteLocker lock(&cacheLock_);
    suggestions_.insert(word, found);
    return found.mid(0, max);
}

void SpellChecker::ignore(const QString &word)
{
    QWriteLocker lock(&cacheLock_);
    verdicts_.insert(word, true);
}

void SpellChecker::addWord(const QString &word)
{
    {
        QMutexLocker lock(&dictionaryLock_);
        dictionary_->addWord(word);
    }
    QWriteLocker lock(&cacheLock_);
    verdicts_.insert(word, true);
}

QList<SpellWord> SpellChecker::unknownWords(QStringView stored)
{
    QList<SpellWord> unknown;
    for (SpellWord &word : cutWords(stored))
        if (!isKnown(word))
            unknown.append(std::move(word));
    return unknown;
}
