#include "ui/SubtitleGridDelegate.h"

#include "editor/EditorModel.h"

SubtitleGridDelegate::SubtitleGridDelegate(EditorModel &model, QObject *parent)
    : QStyledItemDelegate(parent), model_(model)
{
}

void SubtitleGridDelegate::setColouring(bool colourLong, bool colourThree)
{
    colourLong_ = colourLong;
    colourThree_ = colourThree;
}

void SubtitleGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
}
