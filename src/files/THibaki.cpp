#include "files/THibaki.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStringListModel>

#include "tools/text/CorrectionLog.h"
#include "ui/Modal.h"

THibaki::THibaki(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Hibaki"));
    setFixedSize(595, 653);

    Label1 = new QLabel(
        QStringLiteral("A következő hibákat észlelte a program a file beolvasásakor:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(10, 8, 575, 20);
    Label2 = new QLabel(
        QStringLiteral("(Ez az ablak csak akkor jelenik meg, ha a file teljesen be lett olvasva)"),
        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(10, 28, 575, 20);

    lines_ = new QStringListModel(this);
    LBhiba = new QListView(this);
    LBhiba->setObjectName(QStringLiteral("LBhiba"));
    // One line per row, all of one height: long logs scroll without
    // measuring every row.
    LBhiba->setUniformItemSizes(true);
    LBhiba->setLayoutMode(QListView::Batched);
    LBhiba->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LBhiba->setModel(lines_);
    LBhiba->setGeometry(10, 54, 575, 543);

    Bezar = new QPushButton(QStringLiteral("Bezár"), this);
    Bezar->setObjectName(QStringLiteral("Bezar"));
    Bezar->setGeometry((595 - 100) / 2, 609, 100, 32);
    connect(Bezar, &QPushButton::clicked, this, &QDialog::accept);
}

void THibaki::setLog(const CorrectionLog &log)
{
    setWindowTitle(log.caption);
    Label1->setVisible(log.headingsVisible);
    Label2->setVisible(log.headingsVisible);
    lines_->setStringList(log.lines());
}

void THibaki::showLog(const CorrectionLog &log)
{
    setLog(log);
    showModal(this);
}

void THibaki::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    LBhiba->scrollToTop();
    Bezar->setFocus();
}
