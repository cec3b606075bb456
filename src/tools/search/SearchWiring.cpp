#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTextEdit>

#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "tools/search/Search.h"
#include "tools/search/TKeresesCsere.h"
#include "tools/search/TReszletesK.h"

namespace {

bool checked(TFelirat &editor, Ctl box)
{
    auto *b = editor.controlAs<QCheckBox>(box);
    return b && b->isChecked();
}

// The quick search of the "Tevékenységek" group; with "Ugrás a szóra" the
// match is selected in the text field, where each "|" is one line break.
void runQuickSearch(TFelirat &editor)
{
    auto *field = editor.controlAs<QLineEdit>(Ctl::Ekereses);
    if (!field)
        return;
    const QString text = field->text();
    const bool ignoreBreaks = checked(editor, Ctl::CBsortores);
    if (quickSearch(editor.model(), text, ignoreBreaks) != SearchOutcome::Found ||
        !checked(editor, Ctl::CBugras))
        return;
    auto *szoveg = editor.controlAs<QTextEdit>(Ctl::szoveg);
    if (!szoveg)
        return;
    const TextSelection s =
        quickSearchSelection(editor.model().cds.field(Field::Szoveg), text, ignoreBreaks);
    szoveg->setFocus(Qt::OtherFocusReason);
    QTextCursor c = szoveg->textCursor();
    const int end = int(szoveg->document()->characterCount()) - 1;
    c.setPosition(qMin(s.start, end));
    c.setPosition(qMin(s.start + s.length, end), QTextCursor::KeepAnchor);
    szoveg->setTextCursor(c);
}

// Enter in Ekereses searches; activating the editor closes the detailed
// search window.
class SearchKeys : public QObject {
public:
    SearchKeys(TFelirat &editor, TReszletesK *detailed)
        : QObject(&editor), editor_(editor), detailed_(detailed)
    {
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && watched != &editor_) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                runQuickSearch(editor_);
                return true;
            }
        }
        if (event->type() == QEvent::WindowActivate && watched == &editor_ && detailed_ &&
            detailed_->isVisible())
            detailed_->close();
        return false;
    }

private:
    TFelirat &editor_;
    QPointer<TReszletesK> detailed_;
};

}  // namespace

void wireSearchTools(TFelirat &editor)
{
    auto *detailed = new TReszletesK(&editor.model(), &editor);
    auto *replace = new TKeresesCsere(&editor.model(), &editor);
    detailed->setQuickSearchText([&editor] {
        auto *field = editor.controlAs<QLineEdit>(Ctl::Ekereses);
        return field ? field->text() : QString();
    });

    auto *keys = new SearchKeys(editor, detailed);
    editor.installEventFilter(keys);
    if (QObject *field = editor.control(Ctl::Ekereses))
        field->installEventFilter(keys);

    editor.onClick(Ctl::Bkeresok, [&editor] { runQuickSearch(editor); });
    editor.onClick(Ctl::BKreszletes, [detailed] { detailed->openWindow(); });
    editor.onClick(Ctl::Reszleteskereses1, [detailed] { detailed->openWindow(); });
    editor.onClick(Ctl::Keresesescsere1, [replace] { replace->openWindow(); });
}
