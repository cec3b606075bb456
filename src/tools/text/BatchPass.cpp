#include "tools/text/BatchPass.h"

#include "app/MessageBox.h"
#include "document/DocumentGlobals.h"
#include "editor/BulkPass.h"
#include "editor/EditorModel.h"
#include "editor/RowText.h"
#include "tools/text/CorrectionLog.h"

namespace {

// A rule that fires on every examination would keep the pass on one row
// for ever; no honest rule needs this many rounds on a 220-character text.
constexpr int maxExaminations = 1000;

void removeCurrentRow(EditorModel &model)
{
    SubtitleTable &cds = model.cds;
    if (cds.field(Field::Betu38) == QLatin1String("t"))
        --model.overThresholdCount;
    if (cds.field(Field::Sor3) == QLatin1String("t"))
        --model.threeLineCount;
    // the table moves the count of rows carrying a second text itself
    cds.remove();
    model.announceCounts();
}

void writeEntry(CorrectionLog &log, const EntryForm &form, int row, const QString &before,
                const QString &after)
{
    log.add(form.separator);
    log.add(QStringLiteral("Melyik sorban volt: ") + QString::number(row));
    log.add(form.fromPrefix + before);
    log.add(form.toPrefix + after);
}

}  // namespace

EntryForm EntryForm::spacedColon()
{
    EntryForm f;
    f.toPrefix = QStringLiteral("Mire  : ");
    return f;
}

EntryForm EntryForm::selfWritten()
{
    EntryForm f;
    f.ruleWritesEntry = true;
    return f;
}

BatchRule makeRule(std::function<bool(QString &, RowContext &)> apply, EntryForm form)
{
    return BatchRule{std::move(apply), std::move(form)};
}

void showBatchSummary(int changes)
{
    if (changes > 0)
        showMessageBox(QStringLiteral("Eredmény"), QStringLiteral("info"),
                       QStringLiteral("Ennyit találtam: ") + QString::number(changes), false,
                       false, true,
                       QStringLiteral("További információt a \"Lista\" gomb alatt találsz!"));
    else
        showMessageBox(QStringLiteral("Eredmény"), QStringLiteral("info"),
                       QStringLiteral("Nem találtam módosítandó sort!"), false, false, true);
}

int runBatchPass(EditorModel &model, const BatchTool &tool)
{
    SubtitleTable &cds = model.cds;
    CorrectionLog &log = model.log;
    const int remembered = cds.recNo();
    BulkPass pass(model);
    log.clear();
    cds.first();
    int row = 1;
    int changes = 0;
    int examinations = 0;
    // The row count is read again every round: rules may delete rows.
    while (row < cds.recordCount() + 1) {
        if (cds.recNo() != row)
            cds.setRecNo(row);  // a rule may have looked at other rows
        QString text = cds.field(Field::Szoveg);
        RowContext ctx{model, log, row, changes, false, 1, {}};
        ctx.firedRules.assign(tool.rules.size(), false);
        bool again = false;
        bool deleted = false;
        for (std::size_t i = 0; i < tool.rules.size(); ++i) {
            const BatchRule &rule = tool.rules[i];
            const QString before = text;
            ctx.changes = changes;
            ctx.deleteRow = false;
            ctx.count = 1;
            if (!rule.apply(text, ctx)) {
                if (!text.isSharedWith(before))  // a rule that found nothing left it as it was
                    text = before;
                continue;
            }
            ctx.firedRules[i] = true;
            again = again || rule.reexamines;
            changes += ctx.count;
            if (cds.recNo() != ctx.row)
                cds.setRecNo(ctx.row);
            if (ctx.deleteRow) {
                if (!rule.form.ruleWritesEntry)
                    log.entryHeader(QStringLiteral("tor"), ctx.row, before);
                removeCurrentRow(model);
                deleted = true;
                break;
            }
            if (!rule.form.ruleWritesEntry)
                writeEntry(log, rule.form, ctx.row, before, text);
            writeRowText(model, text, true, false, true);
        }
        row = qMax(1, ctx.row);
        if (deleted) {
            // the next row has taken this place: examine it without moving
            examinations = 0;
            continue;
        }
        if (tool.reexamine && again && ++examinations < maxExaminations)
            continue;
        examinations = 0;
        ++row;
        cds.setRecNo(row);
    }
    if (changes > 0)
        model.setModified(true);
    // the last row when the table shrank below the remembered one
    pass.finish(remembered, true);
    if (tool.summary)
        showBatchSummary(changes);
    model.host()->focusGrid();
    return changes;
}
