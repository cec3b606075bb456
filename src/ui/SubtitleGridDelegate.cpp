#include "ui/SubtitleGridDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include "editor/CellShade.h"
#include "editor/EditorModel.h"
#include "ui/SubtitleGridModel.h"

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

void SubtitleGridDelegate::initStyleOption(QStyleOptionViewItem *option,
                                           const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() != SubtitleGridModel::SorszamCol || option->text.isEmpty())
        return;
    const QWidget *widget = option->widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    // the room the style leaves for a cell's text
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const int room = option->rect.width() - 2 * margin;
    QFont font = option->font;
    const bool points = font.pointSizeF() > 0;
    while (QFontMetrics(font).horizontalAdvance(option->text) > room
           && (points ? font.pointSizeF() > 4 : font.pixelSize() > 6)) {
        if (points)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        else
            font.setPixelSize(font.pixelSize() - 1);
        option->font = font;
        option->fontMetrics = QFontMetrics(font);
    }
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
