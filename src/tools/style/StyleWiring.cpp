#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QTextEdit>

#include "document/DocumentGlobals.h"
#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "editor/EnableSets.h"
#include "tools/style/TextStyle.h"

namespace {

const Ctl styleItems[] = {Ctl::dolt, Ctl::dolt2, Ctl::Vastagitott, Ctl::Alahuzott};

// The text field's key table: which keys mark the subtitle modified, and
// the copy keys that fill the editor's clipboard too.
class TextFieldKeys : public QObject {
public:
    TextFieldKeys(EditorModel &model, QTextEdit *field)
        : QObject(field), model_(model), field_(field)
    {
    }

    bool typingModifies = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != field_ || event->type() != QEvent::KeyPress)
            return false;
        auto *e = static_cast<QKeyEvent *>(event);
        const QTextCursor cursor = field_->textCursor();
        const TextKeyEffect effect =
            textFieldKeyEffect(e->key(), int(e->modifiers()), cursor.hasSelection());
        if (effect.copiesSelection)
            copySelection(model_, cursor.selectedText());
        if (effect.modifiesNow)
            model_.setModified(true);
        typingModifies = effect.typingModifies;
        if (typingModifies && producesCharacter(e->text()))
            model_.setModified(true);
        typingModifies = false;
        return false;
    }

private:
    static bool producesCharacter(const QString &text)
    {
        if (text.isEmpty())
            return false;
        const QChar c = text.front();
        return c.isPrint() || c == u'\b' || c == u'\r' || c == u'\n' || c == u'\t';
    }

    EditorModel &model_;
    QTextEdit *field_;
};

}  // namespace

// The grid menu's style and clipboard items, the text field's menu and its
// keys.
void wireTextStyles(TFelirat &editor)
{
    EditorModel &m = editor.model();
    auto *text = editor.controlAs<QTextEdit>(Ctl::szoveg);

    // A checkable item flips its own mark when used; the row's text decides it.
    const auto syncMarks = [&editor, &m] {
        for (Ctl name : styleItems)
            if (auto *a = editor.controlAs<QAction>(name))
                a->setChecked(m.isChecked(name));
    };
    const auto onItem = [&editor, syncMarks](Ctl name, std::function<void()> run) {
        editor.onClick(name, [run, syncMarks] {
            run();
            syncMarks();
        });
    };
    onItem(Ctl::dolt, [&m] { toggleWholeStyle(m, italicTags()); });
    onItem(Ctl::dolt2, [&m] { toggleItalic2(m); });
    onItem(Ctl::Vastagitott, [&m] { toggleWholeStyle(m, boldTags()); });
    onItem(Ctl::Alahuzott, [&m] { toggleWholeStyle(m, underlineTags()); });
    onItem(Ctl::osszesel, [&m] { removeAllStyles(m); });
    onItem(Ctl::Kivagas, [&m] { cutRowText(m); });
    onItem(Ctl::Masolas, [&m] { copyRowText(m); });
    onItem(Ctl::Beillesztes, [&m] { pasteRowText(m); });

    if (auto *grid = editor.popup(Ctl::RacsPM))
        QObject::connect(grid, &QMenu::aboutToShow, &editor, [&m, syncMarks] {
            // the items that work on a row are offered only while there is one
            const bool rows = m.cds.isActive() && m.cds.recordCount() > 0;
            for (Ctl name : gridMenuRowItems())
                m.setEnabled(name, rows);
            updateStyleChecks(m);
            syncMarks();
        });
    QObject::connect(&m.cds, &SubtitleTable::dataChange, &editor, [&m, syncMarks] {
        if (!displayLock && !m.cds.refreshSuspended()) {
            updateStyleChecks(m);
            syncMarks();
        }
    });

    const auto selection = [text] { return text->textCursor().selectedText(); };
    if (auto *menu = editor.popup(Ctl::SzovegPop))
        QObject::connect(menu, &QMenu::aboutToShow, &editor, [&m, text] {
            const bool selected = text->textCursor().hasSelection();
            for (Ctl name : {Ctl::SzPK1B, Ctl::SzPK, Ctl::SzPM, Ctl::kszd, Ctl::kszv, Ctl::ksza})
                m.setEnabled(name, selected);
            m.setEnabled(Ctl::SzPB, !m.textClipboard.isEmpty());
            m.setEnabled(Ctl::KivagKovBeEleje, true);
        });
    editor.onClick(Ctl::SzPK1B, [&m, selection] { cutIntoNewRow(m, selection()); });
    editor.onClick(Ctl::KivagKovBeEleje,
                   [&m, selection] { cutToNextRowStart(m, selection()); });
    editor.onClick(Ctl::SzPK, [&m, selection] { cutSelectionFromRow(m, selection()); });
    editor.onClick(Ctl::SzPM, [&m, selection] { copySelection(m, selection()); });
    editor.onClick(Ctl::SzPB, [&m, text] {
        pasteAtCaret(m, storedCaret(text->toPlainText(), text->textCursor().position()));
    });
    editor.onClick(Ctl::kszd,
                   [&m, selection] { tagSelection(m, selection(), italicTags()); });
    editor.onClick(Ctl::kszv,
                   [&m, selection] { tagSelection(m, selection(), boldTags()); });
    editor.onClick(Ctl::ksza,
                   [&m, selection] { tagSelection(m, selection(), underlineTags()); });

    text->installEventFilter(new TextFieldKeys(m, text));
}
