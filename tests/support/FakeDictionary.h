#pragma once
#include <QHash>
#include <QSet>
#include <QStringList>
#include <memory>

#include "tools/spell/SpellDictionary.h"

// A dictionary of a few words for tests: the known words, suggestions per
// word, and how often each word was looked up (to see the cache work).
class FakeDictionary : public SpellDictionary {
public:
    explicit FakeDictionary(const QStringList &known, QHash<QString, QStringList> suggestions = {})
        : known_(known.begin(), known.end()), suggestions_(std::move(suggestions))
    {
    }
    bool isCorrect(const QString &word) override
    {
        ++lookups[word];
        return known_.contains(word);
    }
    QStringList suggestions(const QString &word) override { return suggestions_.value(word); }
    void addWord(const QString &word) override { known_.insert(word); }

    QHash<QString, int> lookups;

private:
    QSet<QString> known_;
    QHash<QString, QStringList> suggestions_;
};

inline std::unique_ptr<SpellDictionary> fakeDictionary(const QStringList &known,
                                                       QHash<QString, QStringList> suggestions = {})
{
    return std::make_unique<FakeDictionary>(known, std::move(suggestions));
}
