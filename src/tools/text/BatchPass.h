#pragma once
#include <QString>
#include <functional>
#include <vector>

class CorrectionLog;
class EditorModel;

// The pass every text tool runs over all rows. A tool is a list of rules;
// the pass walks the table, lets each rule look at the row's working text,
// and for every rule that fires writes the log entry, counts the change and
// stores the text. It ends with the summary message.

// What a rule sees of the row it examines, and how it talks back.
struct RowContext {
    EditorModel &model;
    CorrectionLog &log;
    // 1-based position of the row in the table now (earlier deletions of
    // this pass have already shifted it). A rule that inserts or removes
    // rows through model.cds leaves here the position of the row it works
    // on; the pass puts the cursor back there before storing.
    int row = 0;
    // Changes counted so far in this pass.
    int changes = 0;
    // Set by a rule to delete the row instead of storing its text. The pass
    // logs a "tor" entry (unless the rule logs itself), lowers the flag
    // counts by the row's flags and examines the row that takes its place.
    bool deleteRow = false;
    // How many changes this firing counts (one per inserted space, say).
    int count = 1;
    // Which rules of the tool (by index) fired so far in this examination.
    std::vector<bool> firedRules;
    bool fired(std::size_t rule) const { return rule < firedRules.size() && firedRules[rule]; }
};

// How the pass writes a rule's entry.
struct EntryForm {
    QString separator;                               // first line of the entry
    QString fromPrefix = QStringLiteral("Miből: ");  // before the old text
    QString toPrefix = QStringLiteral("Mire:   ");   // before the new text
    // The rule writes its whole entry itself through RowContext::log (for
    // entries with times, extra lines or another layout); the pass then
    // writes nothing for it but still counts and stores.
    bool ruleWritesEntry = false;

    static EntryForm standard() { return {}; }
    // "Mire  : ", as line halving and search and replace write it.
    static EntryForm spacedColon();
    static EntryForm selfWritten();
};

struct BatchRule {
    // Changes the working text and returns true when the rule fired; when
    // it returns false the pass keeps the text as it was before the call.
    std::function<bool(QString &text, RowContext &ctx)> apply;
    EntryForm form = EntryForm::standard();
    // Whether this rule firing makes a re-examining tool look at the row
    // again.
    bool reexamines = true;
};

struct BatchTool {
    std::vector<BatchRule> rules;
    // Stay on a row as long as a rule fired on it in the last examination,
    // so that every occurrence is treated.
    bool reexamine = false;
    // Show the standard summary message at the end.
    bool summary = true;
};

// Runs the pass over every row of model.cds and returns the change count.
int runBatchPass(EditorModel &model, const BatchTool &tool);

// Shorthand for a rule.
BatchRule makeRule(std::function<bool(QString &text, RowContext &ctx)> apply,
                   EntryForm form = EntryForm::standard());

// The summary message of a pass that made `changes` changes.
void showBatchSummary(int changes);
