#include "editor/BulkPass.h"

#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"

BulkPass::BulkPass(EditorModel &model, Options options)
    : model_(model), options_(options), step_(model.cds.recordCount() / 100)
{
    displayLock = true;
    if (options_.waitCursor)
        model_.host()->setWaitCursor(true);
    if (options_.gauge) {
        model_.host()->showProgress(true);
        model_.host()->setProgress(0);
    }
    model_.cds.suspendRefresh();
}

BulkPass::~BulkPass()
{
    if (held_)
        finish(0, true);
}

void BulkPass::progress(int done)
{
    if (options_.gauge && step_ > 0)
        model_.host()->setProgress(done / step_);
}

void BulkPass::finish(int row, bool showRow)
{
    if (!held_)
        return;
    held_ = false;
    SubtitleTable &cds = model_.cds;
    if (showRow)
        displayLock = false;
    if (row > 0)
        cds.setRecNo(row);
    cds.resumeRefresh();
    displayLock = false;
    if (options_.gauge) {
        model_.host()->setProgress(0);
        model_.host()->showProgress(false);
    }
    if (options_.waitCursor)
        model_.host()->setWaitCursor(false);
}

DisplayHold::DisplayHold()
{
    displayLock = true;
}

DisplayHold::~DisplayHold()
{
    displayLock = false;
}
