#pragma once
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>
#include <vector>

#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"
#include "support/TestFiles.h"

// Times of the first rows and the time lines they are written as.
#define T1 "00:00:01,000 --> 00:00:02,000\r\n"
#define T2 "00:00:03,000 --> 00:00:04,000\r\n"
#define T3 "00:00:05,000 --> 00:00:06,000\r\n"
#define R1 "00:00:01,000", "00:00:02,000"
#define R2 "00:00:03,000", "00:00:04,000"
#define R3 "00:00:05,000", "00:00:06,000"

struct RowData {
    const char *start;
    const char *end;
    const char *text;
    const char *text2 = "";
};

inline void fillTable(EditorModel &model, const std::vector<RowData> &rows,
                      const QString &timeBase = QStringLiteral("Time"))
{
    model.setTimeBase(timeBase);
    SubtitleTable &cds = model.cds;
    cds.create();
    for (const RowData &r : rows) {
        cds.append();
        cds.setField(Field::Kezdes, QString::fromUtf8(r.start));
        cds.setField(Field::Befejezes, QString::fromUtf8(r.end));
        cds.setField(Field::Szoveg, QString::fromUtf8(r.text));
        cds.setField(Field::Szoveg2, QString::fromUtf8(r.text2));
        cds.post();
    }
    cds.first();
}

// Stands in for the file-name dialog: each run takes the next path of its
// script ("" = left with "<<< Vissza") and sets the globals as "Ok" does.
class FakeDialogHost : public EditorHost {
public:
    QStringList script;
    int dialogs = 0;
    int rowsShown = 0;
    int lineFieldsCleared = 0;
    bool progressVisible = false;
    void runFileNameDialog() override
    {
        ++dialogs;
        saveCancelled = true;
        const QString path = script.isEmpty() ? QString() : script.takeFirst();
        if (path.isEmpty())
            return;
        const QString name = QFileInfo(path).fileName();
        if (textTarget == QLatin1String("2")) {
            secondSubtitlePath = path;
            secondSubtitleFileName = name;
        } else {
            subtitlePath = path;
            subtitleFileName = name;
        }
        saveCancelled = false;
    }
    void showCurrentRow() override { ++rowsShown; }
    void clearLineFields() override { ++lineFieldsCleared; }
    void showProgress(bool visible) override { progressVisible = visible; }
};

// A fresh model, a message recorder and a scratch folder for each test.
class WriterFixture : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        model.setHost(&host);
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    // Points the main subtitle at a file of the scratch folder.
    void target(const QString &name)
    {
        subtitlePath = path(name);
        subtitleFileName = name;
    }

    QTemporaryDir dir;
    EditorModel model;
    FakeDialogHost host;
    MessageRecorder messages;
};
