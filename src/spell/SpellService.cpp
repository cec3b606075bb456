#include "spell/SpellService.h"

#include <QCoreApplication>
#include <QPointer>

#include "spell/HunspellDictionary.h"

SpellService::SpellService(Opener opener, QObject *parent)
    : QObject(parent), opener_(std::move(opener)), worker_(new QObject)
{
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start(QThread::LowPriority);
}

SpellService::~SpellService()
{
    thread_.quit();
    thread_.wait();
}

void SpellService::start()
{
    if (started_)
        return;
    started_ = true;
    QMetaObject::invokeMethod(worker_, [this] { load(); }, Qt::QueuedConnection);
}

void SpellService::load()
{
    std::unique_ptr<SpellDictionary> dictionary = opener_ ? opener_() : nullptr;
    std::unique_ptr<SpellChecker> checker;
    if (dictionary) {
        checker = std::make_unique<SpellChecker>(std::move(dictionary));
        for (const QString &word : personal_.load())
            checker->addWord(word);
    }
    {
        QMutexLocker lock(&lock_);
        checker_ = std::move(checker);
        loaded_ = true;
        loadedCondition_.wakeAll();
    }
    // fields that waited for the dictionary are drawn again
    QMetaObject::invokeMethod(this, [this] { emit verdictsReady(); }, Qt::QueuedConnection);
}

SpellChecker *SpellService::checker()
{
    start();
    QMutexLocker lock(&lock_);
    return loaded_ ? checker_.get() : nullptr;
}

SpellChecker *SpellService::waitForChecker()
{
    start();
    QMutexLocker lock(&lock_);
    while (!loaded_)
        loadedCondition_.wait(&lock_);
    return checker_.get();
}

void SpellService::request(const QStringList &words)
{
    QStringList fresh;
    for (const QString &word : words)
        if (!pending_.contains(word)) {
            pending_.insert(word);
            fresh.append(word);
        }
    if (fresh.isEmpty())
        return;
    start();
    QPointer<SpellService> self(this);
    QMetaObject::invokeMethod(
        worker_,
        [this, self, fresh] {
            // the checker is made on this thread before any request runs
            if (SpellChecker *c = checker_.get())
                for (const QString &word : fresh)
                    c->isKnown(word);
            QMetaObject::invokeMethod(
                this,
                [this, fresh] {
                    for (const QString &word : fresh)
                        pending_.remove(word);
                    emit verdictsReady();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

namespace {

SpellService::Opener &installedOpener()
{
    static SpellService::Opener opener;
    return opener;
}

QPointer<SpellService> &current()
{
    static QPointer<SpellService> service;
    return service;
}

}  // namespace

SpellService &spellService()
{
    if (!current()) {
        SpellService::Opener opener = installedOpener();
        if (!opener)
            opener = [] { return openDictionary(defaultDictionaryName); };
        current() = new SpellService(opener, QCoreApplication::instance());
    }
    return *current();
}

void installSpellOpener(SpellService::Opener opener)
{
    installedOpener() = std::move(opener);
    delete current().data();
}
