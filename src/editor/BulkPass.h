#pragma once

class EditorModel;

// Holds the editor still while a routine walks many rows: displayLock set,
// the grid's refresh suspended and, when asked for, the gauge shown and the
// hourglass. Everything is given back when the pass ends, on every path:
// a pass that returns early or throws cannot leave the editor frozen.
class BulkPass {
public:
    struct Options {
        bool gauge = false;       // the gauge Fszazalek, stepped by progress()
        bool waitCursor = false;
    };
    explicit BulkPass(EditorModel &model) : BulkPass(model, Options{}) {}
    BulkPass(EditorModel &model, Options options);
    ~BulkPass();
    BulkPass(const BulkPass &) = delete;
    BulkPass &operator=(const BulkPass &) = delete;

    // The gauge after `done` rows, in steps of a hundredth of the row count
    // (nothing while the table has fewer than 100 rows).
    void progress(int done);

    // Ends the pass: the cursor goes to `row` (1-based; 0 keeps it where it
    // is) and the grid catches up. With showRow the line fields show the
    // current row then; without it displayLock is cleared only after the
    // grid has caught up, so the fields are left as they are.
    void finish(int row, bool showRow);

private:
    EditorModel &model_;
    Options options_;
    int step_ = 0;
    bool held_ = true;
};

// displayLock for a change of one row, cleared when the change is done.
class DisplayHold {
public:
    DisplayHold();
    ~DisplayHold();
    DisplayHold(const DisplayHold &) = delete;
    DisplayHold &operator=(const DisplayHold &) = delete;
};
