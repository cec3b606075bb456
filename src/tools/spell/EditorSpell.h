#pragma once
#include "tools/spell/SpellWalk.h"

class EditorModel;

// The editor's subtitle as the table a check walks. Every replacement goes
// through replaceText, which stores the row with the editor's own row
// writer and logs it in the correction log.
class EditorSpellTarget : public SpellTarget {
public:
    explicit EditorSpellTarget(EditorModel &model) : model_(model) {}
    int rowCount() const override;
    QString rowText(int row) const override;
    void replaceText(int row, int start, int length, const QString &with) override;
    void showRow(int row) override;

private:
    EditorModel &model_;
};

// Before a check of the editor's subtitle: the correction log is the
// check's own from here on.
void beginEditorSpellCheck(EditorModel &model);
// After it: the counts brought up to date, the current row shown again.
void endEditorSpellCheck(EditorModel &model, int replacements);

// The message at the end of a check (none found, or done).
void announceSpellCheckDone(int replacements);
