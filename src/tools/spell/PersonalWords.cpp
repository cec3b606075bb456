#include "tools/spell/PersonalWords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "tools/spell/SpellChecker.h"

namespace {

QString dataHome()
{
    const QString value = qEnvironmentVariable("XDG_DATA_HOME");
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

}  // namespace

PersonalWords::PersonalWords() : path_(dataHome() + QStringLiteral("/kelvo/szotar.txt")) {}

QStringList PersonalWords::load() const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList words;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QString word = QString::fromUtf8(line).trimmed();
        if (!word.isEmpty())
            words.append(word);
    }
    return words;
}

bool PersonalWords::add(const QString &word, WriteFault *fault)
{
    QStringList words = load();
    if (words.contains(word))
        return true;
    words.append(word);
    QDir().mkpath(QFileInfo(path_).absolutePath());
    return replaceFile(path_, (words.join(u'\n') + u'\n').toUtf8(), fault);
}

void addToPersonalWords(SpellChecker &checker, PersonalWords &list, const QString &word)
{
    checker.addWord(word);
    WriteFault fault = WriteFault::None;
    if (list.add(word, &fault))
        return;
    showMessageBox(QStringLiteral("Hiba!"), BoxKind::error,
                   QStringLiteral("A szót nem tudtam a saját szótárba írni!"), false, false, true,
                   withWriteFault(list.path(), fault));
}
