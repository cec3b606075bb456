#include "tools/style/TextStyle.h"

#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "editor/LineFields.h"
#include "editor/RowOperations.h"
#include "editor/RowText.h"
#include "editor/SecondSubtitle.h"

namespace {

constexpr Ctl italicItem = Ctl::dolt;
constexpr Ctl italic2Item = Ctl::dolt2;
constexpr Ctl boldItem = Ctl::Vastagitott;
constexpr Ctl underlineItem = Ctl::Alahuzott;

bool hasRows(const EditorModel &model)
{
    const SubtitleTable &cds = model.cds;
    return cds.isActive() && cds.recordCount() > 0 && cds.recNo() >= 1;
}

// Stores a changed text in the current row; every style and clipboard
// change of a text counts as a change of the subtitle.
void writeText(EditorModel &model, const QString &text)
{
    writeRowText(model, text, true, true, true);
    model.setModified(true);
}

}  // namespace

const TagPair &italicTags()
{
    static const TagPair tags{QStringLiteral("<i>"), QStringLiteral("</i>")};
    return tags;
}

const TagPair &boldTags()
{
    static const TagPair tags{QStringLiteral("<b>"), QStringLiteral("</b>")};
    return tags;
}

const TagPair &underlineTags()
{
    static const TagPair tags{QStringLiteral("<u>"), QStringLiteral("</u>")};
    return tags;
}

StyleChecks styleChecksOf(const QString &text)
{
    StyleChecks c;
    const bool openI = text.contains(italicTags().open);
    const bool closeI = text.contains(italicTags().close);
    c.italic = openI && closeI;
    c.italic2 = openI && !closeI;
    c.bold = text.contains(boldTags().open) && text.contains(boldTags().close);
    c.underline = text.contains(underlineTags().open) && text.contains(underlineTags().close);
    return c;
}

QString withoutTags(const QString &text, const TagPair &tags)
{
    QString t = text;
    // one open and one close tag per round, so unpaired tags go too
    for (;;) {
        const qsizetype open = t.indexOf(tags.open);
        if (open < 0 && !t.contains(tags.close))
            break;
        if (open >= 0)
            t.remove(open, tags.open.size());
        const qsizetype close = t.indexOf(tags.close);
        if (close >= 0)
            t.remove(close, tags.close.size());
    }
    return t;
}

QString italicCleanup(const QString &text)
{
    if (!text.contains(italicTags().open) && text.endsWith(italicTags().close))
        return text.left(text.size() - italicTags().close.size());
    return text;
}

QString selectionStoredForm(const QString &selected)
{
    QString out = storedFormOf(selected);
    out.remove(QChar(0));
    return out;
}

bool cutFirstOccurrence(QString *text, const QString &piece)
{
    const qsizetype at = piece.isEmpty() ? -1 : text->indexOf(piece);
    if (at < 0)
        return false;
    QString t = *text;
    t.remove(at, piece.size());
    if (!t.isEmpty() && t.endsWith(u'|'))
        t.chop(1);
    *text = italicCleanup(t);
    return true;
}

bool tagFirstOccurrence(QString *text, const QString &piece, const TagPair &tags)
{
    const qsizetype at = piece.isEmpty() ? -1 : text->indexOf(piece);
    if (at < 0)
        return false;
    text->insert(at, tags.open);
    text->insert(at + tags.open.size() + piece.size(), tags.close);
    return true;
}

int storedCaret(const QString &fieldText, int caret)
{
    caret = qBound(0, caret, int(fieldText.size()));
    int pos = caret;
    for (int i = 0; i + 1 < caret; ++i) {
        if (fieldText[i] == u'\r' && fieldText[i + 1] == u'\n')
            --pos;
    }
    return pos;
}

// ---- on the current row ---------------------------------------------------

void updateStyleChecks(EditorModel &model)
{
    if (!hasRows(model))
        return;
    const StyleChecks c = styleChecksOf(model.cds.field(Field::Szoveg));
    model.setChecked(italicItem, c.italic);
    model.setChecked(italic2Item, c.italic2);
    model.setChecked(boldItem, c.bold);
    model.setChecked(underlineItem, c.underline);
}

void toggleWholeStyle(EditorModel &model, const TagPair &tags)
{
    if (!hasRows(model))
        return;
    const QString text = model.cds.field(Field::Szoveg);
    // the item's check mark: both tags of the pair anywhere in the text
    const bool styled = text.contains(tags.open) && text.contains(tags.close);
    writeText(model, styled ? withoutTags(text, tags) : tags.open + text + tags.close);
    updateStyleChecks(model);
}

void toggleItalic2(EditorModel &model)
{
    if (!hasRows(model))
        return;
    const QString text = model.cds.field(Field::Szoveg);
    writeText(model, styleChecksOf(text).italic2 ? withoutTags(text, italicTags())
                                                 : italicTags().open + text);
    updateStyleChecks(model);
}

void removeTags(EditorModel &model, const TagPair &tags)
{
    if (!hasRows(model))
        return;
    const QString text = model.cds.field(Field::Szoveg);
    const QString bare = withoutTags(text, tags);
    if (bare != text)
        writeText(model, bare);
    updateStyleChecks(model);
}

void removeAllStyles(EditorModel &model)
{
    if (!hasRows(model))
        return;
    QString text = model.cds.field(Field::Szoveg);
    for (const TagPair *tags : {&italicTags(), &boldTags(), &underlineTags()})
        text = withoutTags(text, *tags);
    writeText(model, text);
    updateStyleChecks(model);
}

void cutRowText(EditorModel &model)
{
    if (!hasRows(model))
        return;
    model.textClipboard = model.cds.field(Field::Szoveg);
    writeText(model, QString());
    model.setEnabled(Ctl::Beillesztes, true);
    updateStyleChecks(model);
}

void copyRowText(EditorModel &model)
{
    if (!hasRows(model))
        return;
    model.textClipboard = model.cds.field(Field::Szoveg);
    model.setEnabled(Ctl::Beillesztes, true);
}

void pasteRowText(EditorModel &model)
{
    // an empty clipboard would only wipe the row's text
    if (model.textClipboard.isEmpty())
        return;
    if (hasRows(model)) {
        writeText(model, model.textClipboard);
        updateStyleChecks(model);
    }
    model.setModified(true);
}

void copySelection(EditorModel &model, const QString &selected)
{
    model.textClipboard = selectionStoredForm(selected);
}

namespace {

// The cut of the text field; false when the selection is not in the row.
bool cutSelection(EditorModel &model, const QString &selected)
{
    copySelection(model, selected);
    if (!hasRows(model))
        return false;
    QString text = model.cds.field(Field::Szoveg);
    if (!cutFirstOccurrence(&text, model.textClipboard))
        return false;
    writeText(model, text);
    return true;
}

}  // namespace

void cutSelectionFromRow(EditorModel &model, const QString &selected)
{
    cutSelection(model, selected);
}

void pasteAtCaret(EditorModel &model, int caret)
{
    if (model.textClipboard.isEmpty() || !hasRows(model))
        return;
    QString text = model.cds.field(Field::Szoveg);
    text.insert(qBound(0, caret, int(text.size())), model.textClipboard);
    writeText(model, italicCleanup(text));
}

void tagSelection(EditorModel &model, const QString &selected, const TagPair &tags)
{
    copySelection(model, selected);
    if (!hasRows(model))
        return;
    QString text = model.cds.field(Field::Szoveg);
    if (tagFirstOccurrence(&text, model.textClipboard, tags))
        writeText(model, text);
}

void cutIntoNewRow(EditorModel &model, const QString &selected)
{
    // a selection that is not in the row would only be copied into the new row
    if (!cutSelection(model, selected))
        return;
    insertAfter(model);
    pasteAtCaret(model, 0);
}

void cutToNextRowStart(EditorModel &model, const QString &selected)
{
    if (!hasRows(model))
        return;
    // with nothing selected it only moves on; a selection not in the row stops it
    if (!cutSelection(model, selected) && !model.textClipboard.isEmpty())
        return;
    SubtitleTable &cds = model.cds;
    if (cds.recNo() >= cds.recordCount())
        insertAfter(model);
    else
        cds.next();
    pasteAtCaret(model, 0);
}

void cutSecondIntoNextCell(EditorModel &model, const QString &selected)
{
    if (!hasRows(model))
        return;
    SubtitleTable &cds = model.cds;
    const QString piece = selectionStoredForm(selected);
    QString text = cds.field(Field::Szoveg2);
    if (!cutFirstOccurrence(&text, piece))
        return;
    writeRowText2(model, text, true, true, true);
    if (cds.recNo() >= cds.recordCount()) {
        // no next row: one with empty times takes the cut text
        displayLock = true;
        cds.append();
        displayLock = false;
        cds.post();
    } else {
        cds.next();
        insertSecondCell(model, false);
    }
    QString next = cds.field(Field::Szoveg2);
    next.insert(0, piece);
    writeRowText2(model, italicCleanup(next), true, true, true);
    noteSecondText(model);
    model.setModified(true);
    model.host()->showCurrentRow();
    model.host()->focusGrid();
}

TextKeyEffect textFieldKeyEffect(int key, int modifiers, bool hasSelection)
{
    TextKeyEffect e;
    const int mods = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier
                                  | Qt::MetaModifier);
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up
                       || key == Qt::Key_Down;
    if (mods == Qt::ControlModifier) {
        if ((key == Qt::Key_C || key == Qt::Key_Insert) && hasSelection) {
            e.copiesSelection = true;
            return e;
        }
        if (key == Qt::Key_V || (key == Qt::Key_X && hasSelection)) {
            e.modifiesNow = true;
            return e;
        }
    }
    if (mods == 0) {
        switch (key) {
        case Qt::Key_Delete:
        case Qt::Key_Space: e.modifiesNow = true; return e;
        case Qt::Key_Escape:
        case Qt::Key_End:
        case Qt::Key_Home:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_NumLock:
        case Qt::Key_Meta:
        case Qt::Key_Super_L: return e;
        default: break;
        }
        if (arrow)
            return e;
        e.typingModifies = true;
        return e;
    }
    if (mods == Qt::ShiftModifier) {
        e.modifiesNow = key != Qt::Key_Shift && !arrow;
        return e;
    }
    // modifier keys pressed on their own produce nothing
    e.typingModifies = key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta
                       && key != Qt::Key_Shift;
    return e;
}
