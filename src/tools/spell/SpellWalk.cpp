#include "tools/spell/SpellWalk.h"

#include "tools/spell/PersonalWords.h"
#include "tools/spell/SpellChecker.h"

SpellWalk::SpellWalk(SpellChecker &checker, SpellTarget &target, int startRow)
    : checker_(checker), target_(target), startRow_(qBound(0, startRow, qMax(0, target.rowCount() - 1)))
{
}

int SpellWalk::rowAt(int step) const
{
    return (startRow_ + step) % target_.rowCount();
}

std::optional<SpellFinding> SpellWalk::next()
{
    current_.reset();
    for (; step_ < target_.rowCount(); ++step_, position_ = 0) {
        const int row = rowAt(step_);
        for (SpellWord &word : cutWords(target_.rowText(row))) {
            if (word.start < position_ || checker_.isKnown(word))
                continue;
            position_ = word.start;
            current_ = SpellFinding{row, std::move(word)};
            target_.showRow(row);
            return current_;
        }
    }
    return std::nullopt;
}

void SpellWalk::replaceAt(int row, const SpellWord &word, const QString &with)
{
    target_.replaceText(row, word.start, word.length, with);
    ++replacements_;
}

void SpellWalk::replace(const QString &with)
{
    if (!current_)
        return;
    replaceAt(current_->row, current_->word, with);
    position_ = current_->word.start + int(with.size());
    current_.reset();
}

int SpellWalk::replaceAll(const QString &with)
{
    if (!current_)
        return 0;
    const SpellFinding found = *current_;
    int count = 0;
    for (int row = 0; row < target_.rowCount(); ++row) {
        const QList<SpellWord> words = cutWords(target_.rowText(row));
        // from the end, so the places of the earlier words stay true
        for (auto it = words.crbegin(); it != words.crend(); ++it) {
            if (it->text != found.word.text)
                continue;
            replaceAt(row, *it, with);
            ++count;
            if (row == found.row && it->start < found.word.start)
                position_ += int(with.size()) - it->length;
        }
    }
    position_ += int(with.size());
    current_.reset();
    return count;
}

void SpellWalk::skip()
{
    if (!current_)
        return;
    position_ = current_->word.start + current_->word.length;
    current_.reset();
}

void SpellWalk::skipAll()
{
    if (!current_)
        return;
    checker_.ignore(current_->word.text);
    skip();
}

void SpellWalk::addToDictionary(PersonalWords &list)
{
    if (!current_)
        return;
    addToPersonalWords(checker_, list, current_->word.text);
    skip();
}
