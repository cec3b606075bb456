#pragma once
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QWidget>
#include <gtest/gtest.h>

// Every shown, named control of a window lies inside its parent, shows its
// caption whole and covers no sibling. `overlapping` names pairs that sit
// on each other on purpose.
inline void expectCaptionsWhole(QWidget *window,
                                const QList<QSet<QString>> &overlapping = {})
{
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    auto counts = [window](QWidget *x) {
        return x->isVisibleTo(window) && !x->objectName().isEmpty() && !qobject_cast<QMenu *>(x)
               && x->parentWidget() && !x->objectName().startsWith(QLatin1String("qt_"));
    };
    for (QWidget *x : all) {
        if (!counts(x))
            continue;
        const std::string name = x->objectName().toStdString();
        if (x->parentWidget() == window || qobject_cast<QGroupBox *>(x->parentWidget()))
            EXPECT_TRUE(x->parentWidget()->rect().contains(x->geometry())) << name;
        const QFontMetrics fm(x->font());
        if (auto *b = qobject_cast<QPushButton *>(x); b && b->icon().isNull())
            EXPECT_LE(fm.horizontalAdvance(b->text()) + 6, b->width()) << name;
        else if (qobject_cast<QCheckBox *>(x) || qobject_cast<QRadioButton *>(x))
            EXPECT_LE(x->sizeHint().width(), x->width()) << name;
        else if (auto *l = qobject_cast<QLabel *>(x); l && !l->text().isEmpty() && !l->wordWrap())
            EXPECT_LE(fm.horizontalAdvance(l->text()), l->width()) << name;
    }
    for (QWidget *a : all) {
        for (QWidget *b : all) {
            if (a >= b || a->parentWidget() != b->parentWidget() || !counts(a) || !counts(b))
                continue;
            if (overlapping.contains(QSet<QString>{a->objectName(), b->objectName()}))
                continue;
            EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                << a->objectName().toStdString() << " / " << b->objectName().toStdString();
        }
    }
}
