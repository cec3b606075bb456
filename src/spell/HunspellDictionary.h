#pragma once
#include <QString>
#include <QStringList>
#include <memory>

#include "tools/spell/SpellDictionary.h"

// The dictionaries installed for Hunspell (Debian puts them in
// /usr/share/hunspell as NAME.aff and NAME.dic), and a SpellDictionary on
// one of them.

// The Hungarian dictionary of hunspell-hu.
inline const QString defaultDictionaryName = QStringLiteral("hu_HU");

// Where dictionaries are looked for, in order: the folders
// KELVO_DICTIONARY_DIRS lists (separated by ":"), else Debian's folders.
QStringList dictionaryFolders();

// The .dic file of an installed dictionary (its .aff beside it), or empty.
QString findDictionary(const QString &name);

// The dictionary of that name, or nullptr when it is not installed.
std::unique_ptr<SpellDictionary> openDictionary(const QString &name);
// The message that says the dictionary of that name is not installed.
void tellDictionaryMissing(const QString &name);
// openDictionary, with the message when there is none.
std::unique_ptr<SpellDictionary> openInstalledDictionary(const QString &name);
