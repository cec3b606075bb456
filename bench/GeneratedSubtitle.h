#pragma once
// Subtitles made by the shared generator (gen_srt.py, found beside the
// checkout or through KELVO_GEN_SRT), once per run, for the benchmarks.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <map>

namespace bench {

inline QString generatorPath()
{
    const QByteArray given = qgetenv("KELVO_GEN_SRT");
    if (!given.isEmpty())
        return QString::fromLocal8Bit(given);
    // <checkout>/bench/GeneratedSubtitle.h -> <checkout>/../shared/tools. The
    // compiler may give the source's name relative to the build folder,
    // which holds this program in bench/.
    QString source = QStringLiteral(__FILE__);
    if (QFileInfo(source).isRelative()) {
        QDir build = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
        build.cdUp();
        source = build.filePath(source);
    }
    const QDir bench = QFileInfo(source).dir();
    return QDir::cleanPath(bench.filePath(QStringLiteral("../../shared/tools/gen_srt.py")));
}

inline QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

inline bool generate(int entries, int seed, const QString &path)
{
    const int status = QProcess::execute(
        QStringLiteral("python3"), {generatorPath(), QString::number(entries), path,
                                    QStringLiteral("--seed"), QString::number(seed)});
    return status == 0 && QFileInfo::exists(path);
}

// The generated file of that many entries, or empty when it cannot be made.
// Past 100,000 entries the times would run over 99 hours, so a bigger file
// is made of 100,000-entry parts of their own seeds, numbered on: each part
// starts again at the first hour.
inline QString subtitleFile(int entries)
{
    static std::map<int, QString> made;
    if (auto it = made.find(entries); it != made.end())
        return it->second;
    const QString path = scratch().filePath(QStringLiteral("gen%1.srt").arg(entries));
    QString &result = made[entries];
    const int part = 100000;
    if (entries <= part) {
        if (generate(entries, 1250, path))
            result = path;
        return result;
    }
    QByteArray all;
    int number = 0;
    for (int done = 0; done < entries; done += part) {
        const QString piece = scratch().filePath(QStringLiteral("part.srt"));
        if (!generate(qMin(part, entries - done), 1250 + done / part, piece))
            return result;
        QFile f(piece);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        // every entry opens with its number, after an empty line
        for (qsizetype at = 0; at < bytes.size();) {
            const qsizetype lineEnd = bytes.indexOf("\r\n", at);
            if (lineEnd < 0)
                break;
            const qsizetype next = bytes.indexOf("\r\n\r\n", lineEnd);
            const qsizetype stop = next < 0 ? bytes.size() : next + 4;
            all += QByteArray::number(++number);
            all += QByteArrayView(bytes).sliced(lineEnd, stop - lineEnd);
            at = stop;
        }
        QFile::remove(piece);
    }
    QFile out(path);
    if (out.open(QIODevice::WriteOnly) && out.write(all) == all.size())
        result = path;
    return result;
}

}  // namespace bench
