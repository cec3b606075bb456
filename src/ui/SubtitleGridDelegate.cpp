#include "ui/SubtitleGridDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include "editor/CellShade.h"
#include "editor/EditorModel.h"

namespace {

QColor shadeColour(CellShade shade)
{
    switch (shade) {
    case CellShade::Silver: return QColor(0xC0, 0xC0, 0xC0);
    case CellShade::Red: return QColor(0xFF, 0x00, 0x00);
    case CellShade::Green: return QColor(0x00, 0x80, 0x00);
    case CellShade::Normal: break;
    }
    return QColor();
}

}  // namespace

SubtitleGridDelegate::SubtitleGridDelegate(EditorModel &model, QObject *parent)
    : QStyledItemDelegate(parent), model_(model)
{
}

void SubtitleGridDelegate::setColouring(bool colourLong, bool colourThree)
{
    colourLong_ = colourLong;
    colourThree_ = colourThree;
}

CellShade SubtitleGridDelegate::shadeFor(int row) const
{
    const SubtitleTable &cds = model_.cds;
    if (row < 0 || row >= cds.recordCount())
        return CellShade::Normal;
    return cellShade(cds.rowAt(row), model_.isTimeBase(), model_.threshold(), colourLong_,
                     colourThree_);
}

void SubtitleGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    const CellShade shade = shadeFor(index.row());
    if (shade == CellShade::Normal) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.backgroundBrush = shadeColour(shade);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
}
