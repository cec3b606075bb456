#pragma once
#include <QAbstractItemView>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "ui/Modal.h"

// Creates empty files (and directories for names ending in "/").
inline void makeEntries(const QTemporaryDir &dir, const QStringList &names)
{
    for (const QString &n : names) {
        if (n.endsWith(u'/')) {
            QDir(dir.path()).mkpath(n);
        } else {
            QFile f(dir.filePath(n));
            f.open(QIODevice::WriteOnly);
        }
    }
}

inline QStringList listed(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

inline QListWidgetItem *itemNamed(QListWidget *list, const QString &text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

// Clicks (or double-clicks) the list entry whose text, spaces trimmed, is
// text. Returns false when no entry reads so.
inline bool clickEntry(QListWidget *list, const QString &text, bool twice = false)
{
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        if (item->text().trimmed() != text)
            continue;
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        if (twice) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        } else {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        }
        return true;
    }
    return false;
}

// Stands in for the nested modal windows while it lives; each modal show
// runs the given interaction (after showing the window, as exec would).
class ModalScript {
public:
    explicit ModalScript(std::function<void(QDialog *)> interaction)
        : previous_(installModalDriver([this, interaction](QDialog *w) {
              ++shown;
              w->show();
              interaction(w);
              const int result = w->result();
              if (w->isVisible())
                  leftOpen = true;
              w->hide();
              return result;
          }))
    {
    }
    ~ModalScript() { installModalDriver(previous_); }
    int shown = 0;
    // The interaction ended with the window still open.
    bool leftOpen = false;

private:
    ModalDriver previous_;
};

// Every dialog test starts from fresh globals, with a temporary directory
// and a message recorder.
class DialogTest : public GlobalsFixture {
protected:
    QTemporaryDir dir;
    MessageRecorder messages;
    QString path(const QString &name) const { return dir.path() + u'/' + name; }
};
