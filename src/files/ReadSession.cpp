#include "files/ReadSession.h"

#include "app/MessageBox.h"
#include "editor/EditorModel.h"

ReadSession::ReadSession(EditorModel &m, const DecodedText &text, bool secondText,
                         bool offset)
    : model(m), cds(m.cds), second(secondText), withOffset(offset), lines_(text)
{
    step_ = lines_.count() / 100;
    untilProgress_ = step_;
}

QStringView ReadSession::nextLine()
{
    const QStringView line = lines_.next();
    ++pos_;
    // Only a change of the gauge's value is passed on, so showing progress
    // costs a hundred calls whatever the file's size.
    if (step_ >= 1 && --untilProgress_ == 0) {
        untilProgress_ = step_;
        model.host()->setProgress(int(pos_ / step_));
    }
    return line;
}

void ReadSession::report(std::initializer_list<QString> lines)
{
    model.log.add(QString());
    for (const QString &l : lines)
        model.log.add(l);
    reported = true;
}

void ReadSession::stopWithMessage()
{
    fatal = true;
    showMessageBox(QStringLiteral("Hiba"), QStringLiteral("hiba"), QStringLiteral("Hiba a file-ban!"),
                   false, false, true, QStringLiteral("Csak eddig tudtam betölteni a file-t!"));
}

QString faultRowLine(int n)
{
    return QStringLiteral("Ebben a sorban fordult elő a hiba: ") + QString::number(n);
}
