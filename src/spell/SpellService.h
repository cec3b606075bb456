#pragma once
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>
#include <functional>
#include <memory>

#include "tools/spell/PersonalWords.h"
#include "tools/spell/SpellChecker.h"

// The program's one checker for its windows. The dictionary loads on a
// worker thread (Hungarian takes over a second), and words the text field
// has not seen yet are checked there too, so typing never waits: the field
// reads the cache and is told when new verdicts are in.
class SpellService : public QObject {
    Q_OBJECT
public:
    using Opener = std::function<std::unique_ptr<SpellDictionary>()>;
    // The opener runs on the worker thread; nullptr means no dictionary.
    explicit SpellService(Opener opener, QObject *parent = nullptr);
    ~SpellService() override;

    // Starts loading the dictionary, once.
    void start();
    // The checker once loaded, else nullptr (never waits).
    SpellChecker *checker();
    // Loads if needed and waits for it: nullptr when there is no
    // dictionary (the caller tells the user).
    SpellChecker *waitForChecker();
    // Checks the words on the worker thread; verdictsReady follows.
    void request(const QStringList &words);

    PersonalWords &personalWords() { return personal_; }

signals:
    void verdictsReady();

private:
    void load();

    Opener opener_;
    PersonalWords personal_;
    QThread thread_;
    QObject *worker_;
    QMutex lock_;
    QWaitCondition loadedCondition_;
    bool started_ = false;
    bool loaded_ = false;
    std::unique_ptr<SpellChecker> checker_;
    QSet<QString> pending_;  // main thread only
};

// The service of the editor and the translation workspace (made on first
// use, with the Hungarian dictionary).
SpellService &spellService();
// Tests replace the dictionary: the next spellService() opens it with this
// opener (an empty one brings back the installed dictionary).
void installSpellOpener(SpellService::Opener opener);
