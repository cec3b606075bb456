#pragma once
#include <QString>
#include <optional>

#include "tools/spell/WordCutter.h"

class PersonalWords;
class SpellChecker;

// The table a check walks: the editor's subtitle or the translation
// workspace's translation. Rows are 0-based.
class SpellTarget {
public:
    virtual ~SpellTarget() = default;
    virtual int rowCount() const = 0;
    virtual QString rowText(int row) const = 0;
    // The one place a check changes the table: the characters start..start+
    // length of the row become with (through the table's own setters, and
    // logged where the target keeps a log).
    virtual void replaceText(int row, int start, int length, const QString &with) = 0;
    // Makes the row current, so the user sees it.
    virtual void showRow(int row) {}
};

struct SpellFinding {
    int row = 0;
    SpellWord word;
};

// A check of the whole table from a row: that row to the last, then the
// first to the one before it. Each step stops at the next unknown word.
class SpellWalk {
public:
    SpellWalk(SpellChecker &checker, SpellTarget &target, int startRow);

    // The next unknown word from where the walk stands (none: done).
    std::optional<SpellFinding> next();
    const std::optional<SpellFinding> &current() const { return current_; }

    // The answers on the current word; each moves on past it.
    void replace(const QString &with);
    // Every occurrence of the word in the table; returns how many.
    int replaceAll(const QString &with);
    void skip();
    void skipAll();
    // "Szótárba": known from now on, kept in the personal list.
    void addToDictionary(PersonalWords &list);

    int replacements() const { return replacements_; }

private:
    int rowAt(int step) const;
    void replaceAt(int row, const SpellWord &word, const QString &with);

    SpellChecker &checker_;
    SpellTarget &target_;
    int startRow_;
    int step_ = 0;       // rows walked so far
    int position_ = 0;   // in the row of step_, where the next word may start
    int replacements_ = 0;
    std::optional<SpellFinding> current_;
};
