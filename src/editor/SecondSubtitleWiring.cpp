#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTableView>
#include <QTextEdit>

#include "app/Windows.h"
#include "document/DocumentGlobals.h"
#include "editor/EditorTools.h"
#include "editor/Leaving.h"
#include "editor/SecondSubtitle.h"
#include "editor/TFelirat.h"
#include "files/TKereses.h"
#include "tools/style/TextStyle.h"
#include "ui/SubtitleGridModel.h"

namespace {

// The grid's mouse for dragging a second text into the first subtitle.
class SecondTextDragFilter : public QObject {
public:
    explicit SecondTextDragFilter(TFelirat &editor) : QObject(&editor), editor_(editor) {}

    SecondTextDrag drag;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
            return false;
        EditorModel &m = editor_.model();
        if (!secondSubtitleShown(m) || !m.isChecked(Ctl::RB1))
            return false;
        auto *e = static_cast<QMouseEvent *>(event);
        auto *viewport = static_cast<QWidget *>(watched);
        const QModelIndex idx = editor_.grid()->indexAt(e->position().toPoint());
        const SecondTextDrag::Column column =
            !idx.isValid()                                   ? SecondTextDrag::Column::Other
            : idx.column() == SubtitleGridModel::SzovegCol  ? SecondTextDrag::Column::Text
            : idx.column() == SubtitleGridModel::Szoveg2Col ? SecondTextDrag::Column::Second
                                                            : SecondTextDrag::Column::Other;
        if (type == QEvent::MouseMove) {
            const bool leftOnly = e->buttons() == Qt::LeftButton;
            const int row = idx.isValid() ? idx.row() + 1 : drag.dropRow();
            const QString current =
                m.cds.recordCount() > 0 ? m.cds.field(Field::Szoveg2) : QString();
            if (drag.mouseMove(row, column, leftOnly, current))
                viewport->setCursor(Qt::DragCopyCursor);
            else
                viewport->unsetCursor();
            return false;
        }
        viewport->unsetCursor();
        if (drag.mouseUp(column)) {
            if (auto *menu = editor_.popup(Ctl::Athuzas))
                menu->popup(e->globalPosition().toPoint());
        }
        return false;
    }

private:
    TFelirat &editor_;
};

}  // namespace

// The second subtitle: reading it or starting it empty, the second column's
// menus, the merge buttons and the drag of a second text into the first.
void wireSecondSubtitle(TFelirat &editor)
{
    EditorModel &m = editor.model();

    editor.onClick(Ctl::Masikfelirat, [&editor] {
        // Another second subtitle replaces the second texts: unsaved edits of
        // them are asked about first.
        EditorModel &model = editor.model();
        if (model.unsaved(EditorModel::Subtitle::second) && !mayReplaceSubtitle(model))
            return;
        editor.controlAs<QLineEdit>(Ctl::Ekereses)->clear();
        if (TKereses *w = windows().kereses)
            w->openForEditor(true, false);
    });
    editor.onClick(Ctl::Uresmasikfelirat1, [&m] { startEmptySecondSubtitle(m); });

    editor.onClick(Ctl::Bov, [&m] { mergeIntoPrevious(m, false); });
    editor.onClick(Ctl::Bovm, [&m] { mergeIntoPrevious(m, true); });
    editor.onClick(Ctl::Mov, [&m] { mergeSecondIntoPrevious(m, false); });
    editor.onClick(Ctl::movm, [&m] { mergeSecondIntoPrevious(m, true); });

    auto *italic = editor.controlAs<QAction>(Ctl::doltSz2);
    if (auto *menu = editor.popup(Ctl::BeTorlesPM))
        QObject::connect(menu, &QMenu::aboutToShow, &editor, [&m, italic] {
            const QString text = m.cds.recordCount() > 0 ? m.cds.field(Field::Szoveg2) : QString();
            m.setChecked(Ctl::doltSz2,
                         text.contains(QStringLiteral("<i>")) && text.contains(QStringLiteral("</i>")));
            italic->setChecked(m.isChecked(Ctl::doltSz2));
        });
    editor.onClick(Ctl::doltSz2, [&m, italic] {
        toggleSecondItalic(m);
        italic->setChecked(m.isChecked(Ctl::doltSz2));
    });
    editor.onClick(Ctl::BeszurPMB, [&m] { insertSecondCell(m, true); });
    editor.onClick(Ctl::TorlesPMB, [&m] { deleteSecondCellAsked(m); });

    auto *second = editor.controlAs<QTextEdit>(Ctl::szoveg2);
    if (auto *menu = editor.popup(Ctl::PMSz2))
        QObject::connect(menu, &QMenu::aboutToShow, &editor, [&m, second] {
            m.setEnabled(Ctl::Kivgs1, second->textCursor().hasSelection());
        });
    editor.onClick(Ctl::Kivgs1, [&m, second] {
        cutSecondIntoNextCell(m, second->textCursor().selectedText());
    });

    auto *dragFilter = new SecondTextDragFilter(editor);
    editor.grid()->viewport()->installEventFilter(dragFilter);
    SecondTextDrag &drag = dragFilter->drag;
    editor.onClick(Ctl::Beszrsasorel1, [&m, &drag] {
        dropSecondText(m, drag.dropRow(), drag.draggedText(), false);
    });
    editor.onClick(Ctl::Beszrsasorutn1, [&m, &drag] {
        dropSecondText(m, drag.dropRow(), drag.draggedText(), true);
    });
}
