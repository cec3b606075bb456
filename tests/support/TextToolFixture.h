#pragma once
#include <gtest/gtest.h>

#include "document/DocumentGlobals.h"
#include "editor/EditorModel.h"
#include "editor/RowText.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"

// A model with rows of given texts, as the text tools find it after a read,
// for the tests of every text tool.
class TextToolTest : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        model.setTimeBase(QStringLiteral("Time"));
        model.cds.create();
    }
    void setRows(const QStringList &texts)
    {
        model.cds.empty();
        model.overThresholdCount = 0;
        model.threeLineCount = 0;
        int second = 1;
        for (const QString &t : texts) {
            model.cds.append();
            model.cds.setField(Field::Kezdes, QStringLiteral("00:00:%1,000").arg(second, 2, 10, QChar(u'0')));
            model.cds.setField(Field::Befejezes,
                               QStringLiteral("00:00:%1,500").arg(second, 2, 10, QChar(u'0')));
            writeRowText(model, t, false, false, true);
            ++second;
        }
        model.cds.first();
    }
    QStringList texts() const
    {
        QStringList out;
        for (int i = 0; i < model.cds.recordCount(); ++i)
            out.append(model.cds.rowAt(i).szoveg);
        return out;
    }
    static QString found(int count)
    {
        return QStringLiteral("Eredmény|info|Ennyit találtam: %1|További információt a \"Lista\" "
                              "gomb alatt találsz!")
            .arg(count);
    }
    static QString nothingFound() { return QStringLiteral("Eredmény|info|Nem találtam módosítandó sort!|"); }

    EditorModel model;
    MessageRecorder messages;
};

// One row through a tool: what it becomes and how many changes it counted.
struct TextCase {
    const char *why;
    QStringView in;
    QStringView out;
    int changes;
};
