#include "editor/TFelirat.h"

#include "editor/EnableSets.h"

TFelirat::TFelirat(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Felirat"));
    setWindowTitle(QStringLiteral("Felirat megnyitása"));
}

void TFelirat::resetState()
{
    applyResetSet(model_);
}

void TFelirat::setTimeBase(const QString &base)
{
    model_.setTimeBase(base);
}
