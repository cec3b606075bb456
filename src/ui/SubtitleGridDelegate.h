#pragma once
#include <QStyledItemDelegate>

class EditorModel;

// Paints the grid's cells with the row colouring; index.row() is the row
// index in the model's table.
class SubtitleGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    SubtitleGridDelegate(EditorModel &model, QObject *parent = nullptr);
    // The two colouring check boxes (Cbtobb, CB3sor).
    void setColouring(bool colourLong, bool colourThree);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    EditorModel &model_;
    bool colourLong_ = false;
    bool colourThree_ = false;
};
