#include "tools/spell/EditorSpell.h"

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/RowText.h"

int EditorSpellTarget::rowCount() const
{
    return model_.cds.recordCount();
}

QString EditorSpellTarget::rowText(int row) const
{
    return model_.cds.rowAt(row).szoveg;
}

void EditorSpellTarget::replaceText(int row, int start, int length, const QString &with)
{
    SubtitleTable &cds = model_.cds;
    cds.setRecNo(row + 1);
    const QString before = cds.rowAt(row).szoveg;
    QString changed = before;
    changed.replace(start, length, with);
    {
        DisplayHold hold;
        writeRowText(model_, changed, true, false, false);
    }
    model_.log.add(QString());
    model_.log.add(QStringLiteral("Melyik sorban volt: ") + QString::number(row + 1));
    model_.log.add(QStringLiteral("Miből: ") + before);
    model_.log.add(QStringLiteral("Mire  : ") + cds.field(Field::Szoveg));
    model_.markChanged(EditorModel::Subtitle::main);
}

void EditorSpellTarget::showRow(int row)
{
    model_.cds.setRecNo(row + 1);
    model_.host()->showCurrentRow();
}

void beginEditorSpellCheck(EditorModel &model)
{
    model.log.clear();
    model.log.caption = QStringLiteral("Helyesírás-ellenőrzés végeredménye");
    model.log.headingsVisible = false;
}

void endEditorSpellCheck(EditorModel &model, int replacements)
{
    if (replacements > 0)
        model.announceCounts();
    model.host()->showCurrentRow();
}

void announceSpellCheckDone(int replacements)
{
    const QString second =
        replacements > 0 ? QStringLiteral("Ennyi szót cseréltem le: ") + QString::number(replacements)
                         : QString();
    showMessageBox(QStringLiteral("Helyesírás-ellenőrzés"), BoxKind::info,
                   QStringLiteral("Nem találtam (több) ismeretlen szót!"), false, false, true,
                   second);
}
