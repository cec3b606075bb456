#include "spell/HunspellDictionary.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <hunspell.hxx>

#include "app/MessageBox.h"
#include "app/ModeValues.h"

namespace {

class HunspellDictionary : public SpellDictionary {
public:
    HunspellDictionary(const QString &aff, const QString &dic)
        : hunspell_(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData())
    {
        const QByteArray encoding = QByteArray::fromStdString(hunspell_.get_dict_encoding());
        utf8_ = encoding.isEmpty() || encoding.compare("UTF-8", Qt::CaseInsensitive) == 0;
        if (!utf8_) {
            encoder_ = QStringEncoder(encoding.constData());
            decoder_ = QStringDecoder(encoding.constData());
        }
    }

    bool isCorrect(const QString &word) override
    {
        const std::string bytes = encode(word);
        // a word the dictionary's encoding cannot hold is not in it
        return !bytes.empty() && hunspell_.spell(bytes);
    }

    QStringList suggestions(const QString &word) override
    {
        const std::string bytes = encode(word);
        QStringList out;
        if (bytes.empty())
            return out;
        for (const std::string &s : hunspell_.suggest(bytes))
            out.append(decode(s));
        return out;
    }

    void addWord(const QString &word) override
    {
        const std::string bytes = encode(word);
        if (!bytes.empty())
            hunspell_.add(bytes);
    }

private:
    std::string encode(const QString &word)
    {
        if (utf8_)
            return word.toStdString();
        if (!encoder_.isValid())
            return {};
        const QByteArray bytes = encoder_.encode(word);
        if (encoder_.hasError()) {
            encoder_.resetState();
            return {};
        }
        return bytes.toStdString();
    }

    QString decode(const std::string &bytes)
    {
        if (utf8_ || !decoder_.isValid())
            return QString::fromStdString(bytes);
        return decoder_.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    }

    Hunspell hunspell_;
    bool utf8_ = true;
    QStringEncoder encoder_;
    QStringDecoder decoder_;
};

}  // namespace

QStringList dictionaryFolders()
{
    const QString listed = qEnvironmentVariable("KELVO_DICTIONARY_DIRS");
    if (!listed.isEmpty())
        return listed.split(u':', Qt::SkipEmptyParts);
    return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell"),
            QStringLiteral("/usr/share/myspell/dicts")};
}

QString findDictionary(const QString &name)
{
    if (name.isEmpty() || name.contains(u'/'))
        return QString();
    for (const QString &folder : dictionaryFolders()) {
        const QString stem = folder + u'/' + name;
        if (QFileInfo(stem + QStringLiteral(".dic")).isFile() &&
            QFileInfo(stem + QStringLiteral(".aff")).isFile())
            return stem + QStringLiteral(".dic");
    }
    return QString();
}

std::unique_ptr<SpellDictionary> openDictionary(const QString &name)
{
    const QString dic = findDictionary(name);
    if (dic.isEmpty())
        return nullptr;
    return std::make_unique<HunspellDictionary>(dic.chopped(4) + QStringLiteral(".aff"), dic);
}

std::unique_ptr<SpellDictionary> openInstalledDictionary(const QString &name)
{
    auto dictionary = openDictionary(name);
    if (!dictionary)
        tellDictionaryMissing(name);
    return dictionary;
}

void tellDictionaryMissing(const QString &name)
{
    const QString where = QStringLiteral("A szótárak helye: ") + dictionaryFolders().join(QStringLiteral(", "));
    if (name == defaultDictionaryName)
        showMessageBox(QStringLiteral("Hiba!"), BoxKind::error,
                       QStringLiteral("Nincs telepítve a magyar helyesírási szótár!"), false, false,
                       true, QStringLiteral("Telepítse a hunspell-hu csomagot! ") + where);
    else
        showMessageBox(QStringLiteral("Hiba!"), BoxKind::error,
                       QStringLiteral("Nincs telepítve ilyen helyesírási szótár: ") + name, false,
                       false, true, where);
}
