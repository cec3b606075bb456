#pragma once
#include <QString>
#include <QStringList>

#include "files/FileReplace.h"

// The user's own word list: one word a line, UTF-8, in
// $XDG_DATA_HOME/kelvo (else ~/.local/share/kelvo). Every addition
// rewrites it through the safe file replacement, so a failed write leaves
// the old list whole.
class PersonalWords {
public:
    // The list at its usual place.
    PersonalWords();
    explicit PersonalWords(const QString &path) : path_(path) {}

    const QString &path() const { return path_; }
    // The words of the list (none when there is no list yet).
    QStringList load() const;
    // Adds word (once) and writes the list; false with the cause when the
    // list could not be written.
    bool add(const QString &word, WriteFault *fault = nullptr);

private:
    QString path_;
};

// "Szótárba": adds word to the checker and to the list; a list that cannot
// be written is told (the word stays known for this run).
class SpellChecker;
void addToPersonalWords(SpellChecker &checker, PersonalWords &list, const QString &word);
