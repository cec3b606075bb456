#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "app/Windows.h"
#include "document/DocumentGlobals.h"
#include "document/TimeCode.h"
#include "editor/EditorModel.h"
#include "editor/TimeFieldRules.h"
#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "tools/cd/CdJoin.h"
#include "tools/cd/CdSplit.h"
#include "tools/cd/TCd2cd1.h"
#include "tools/cd/TErtek2cd.h"
#include "tools/timing/OverlapCheck.h"

namespace {

// What the split glue remembers between events: the chosen line and the
// last row the cursor was seen on.
struct CdSplitState {
    int chosenRow = 0;
    int seenRow = 0;
};

// The join's values as accepted in the two join windows.
struct CdJoinChoice {
    QString first;
    QString second;
    QString start;
    QString result;
};

void setText(TFelirat &editor, Ctl name, const QString &text)
{
    if (auto *edit = editor.controlAs<QLineEdit>(name))
        edit->setText(text);
}

bool checked(TFelirat &editor, Ctl name)
{
    auto *radio = editor.controlAs<QRadioButton>(name);
    return radio && radio->isChecked();
}

void resetSplitFields(TFelirat &editor, CdSplitState &state)
{
    EditorModel &m = editor.model();
    setText(editor, Ctl::E4kezdo, QString());
    setText(editor, Ctl::E4kezdouj, QString());
    for (Ctl name : {Ctl::Label13, Ctl::E4kezdouj, Ctl::Bvegrehajt})
        m.setEnabled(name, false);
    state.chosenRow = 0;
}

void enterCdMode(TFelirat &editor, CdSplitState &state)
{
    EditorModel &m = editor.model();
    resetSplitFields(editor, state);
    m.setVisible(Ctl::szazalek12, false);
    const bool hasLines = m.cds.isActive() && m.cds.recordCount() > 0;
    m.setEnabled(Ctl::RB12cd1, hasLines);
    m.setEnabled(Ctl::Label9, hasLines);
    m.setChecked(hasLines ? Ctl::RB12cd1 : Ctl::RB12cd2, true);
    state.seenRow = m.cds.isActive() ? m.cds.recNo() : 0;
}

// A line is chosen for the split each time the cursor reaches another row.
void lineChosen(TFelirat &editor, CdSplitState &state)
{
    EditorModel &m = editor.model();
    const int row = m.cds.recNo();
    if (row <= 0 || !checkCdSplitRow(m.cds, row))
        return;
    state.chosenRow = row;
    m.setEnabled(Ctl::Label13, true);
    m.setEnabled(Ctl::E4kezdouj, true);
    m.setEnabled(Ctl::Bvegrehajt, true);
    setText(editor, Ctl::E4kezdo, m.cds.rowAt(row - 1).kezdes);
    setText(editor, Ctl::E4kezdouj, m.isTimeBase() ? zeroTimeCode : QStringLiteral("0"));
}

// E4kezdouj's keys: Enter hands over to the button; other characters pass
// the time or frame filter of the table's base.
class StartValueKeys : public QObject {
public:
    StartValueKeys(QLineEdit *field, QWidget *target, const EditorModel &model)
        : QObject(field), target_(target), model_(model)
    {
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        if (keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter) {
            target_->setFocus();
            return true;
        }
        const QString text = keyEvent->text();
        return text.size() == 1
               && filterStartValueChar(text.front(), model_.isTimeBase()) == rejectedKey;
    }

private:
    QWidget *target_;
    const EditorModel &model_;
};

}  // namespace

// The CD group: entering it, choosing the line that begins the second part
// and "Végrehajtás" of the split.
void wireCdTools(TFelirat &editor)
{
    auto state = std::make_shared<CdSplitState>();
    EditorModel &m = editor.model();
    if (auto *rb = editor.controlAs<QRadioButton>(Ctl::RB12))
        QObject::connect(rb, &QRadioButton::toggled, &editor, [&editor, state](bool on) {
            if (on)
                enterCdMode(editor, *state);
        });
    if (auto *rb = editor.controlAs<QRadioButton>(Ctl::RB12cd1))
        QObject::connect(rb, &QRadioButton::toggled, &editor, [&m](bool on) {
            if (on)
                m.setEnabled(Ctl::Bvegre21, false);
        });
    if (auto *rb = editor.controlAs<QRadioButton>(Ctl::RB12cd2))
        QObject::connect(rb, &QRadioButton::toggled, &editor, [&editor, &m, state](bool on) {
            if (!on || displayLock)
                return;
            m.setEnabled(Ctl::Bvegre21, false);
            resetSplitFields(editor, *state);
        });
    QObject::connect(&m.cds, &SubtitleTable::dataChange, &editor, [&editor, &m, state] {
        if (displayLock || !checked(editor, Ctl::RB12) || !checked(editor, Ctl::RB12cd1))
            return;
        const int row = m.cds.recNo();
        if (row == state->seenRow)
            return;
        state->seenRow = row;
        lineChosen(editor, *state);
    });
    auto *next = editor.controlAs<QLineEdit>(Ctl::E4kezdouj);
    auto *run = editor.controlAs<QPushButton>(Ctl::Bvegrehajt);
    if (next && run)
        next->installEventFilter(new StartValueKeys(next, run, m));
    editor.onClick(Ctl::Bvegrehajt, [&editor, &m, state] {
        auto *typed = editor.controlAs<QLineEdit>(Ctl::E4kezdouj);
        splitCd(m, state->chosenRow, typed ? typed->text() : QString());
        state->seenRow = m.cds.recNo();
        editor.showFileName();
    });

    // The editor stays open beneath the modal choice: it is itself shown
    // modally, and hiding it would end it.
    auto join = std::make_shared<CdJoinChoice>();
    editor.onClick(Ctl::Bfileki, [&editor, &m, join] {
        m.setEnabled(Ctl::Bvegre21, false);
        TCd2cd1 *files = windows().cd2cd1;
        if (!files)
            return;
        openMode = OpenMode::cdJoined;
        const bool accepted = files->openWindow() == QDialog::Accepted;
        TErtek2cd *values = files->valuesWindow();
        if (!accepted || !values)
            return;
        *join = {files->firstFile(), files->secondFile(), values->startValue(),
                 values->resultName()};
        m.setEnabled(Ctl::Bvegre21, true);
        editor.raise();
        editor.activateWindow();
        if (auto *run = editor.controlAs<QPushButton>(Ctl::Bvegre21))
            run->setFocus(Qt::OtherFocusReason);
    });
    editor.onClick(Ctl::Bvegre21, [&editor, &m, join] {
        // The joined file is saved as the editor saves, overlap check included
        // when its option is on.
        SaveOverlapCheck overlaps(m);
        joinCd(m, join->first, join->second, join->start, join->result,
               m.options.mentAt ? &overlaps : nullptr);
        editor.showFileName();
    });
}
