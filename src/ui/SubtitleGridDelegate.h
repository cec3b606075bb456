#pragma once
#include <QStyledItemDelegate>

#include "editor/CellShade.h"

class EditorModel;

// Paints the grid's cells with the row colouring (cellShade) and draws them
// in the standard way otherwise; index.row() is the 0-based row of cds.
class SubtitleGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    SubtitleGridDelegate(EditorModel &model, QObject *parent = nullptr);
    // The two colouring check boxes (Cbtobb, CB3sor).
    void setColouring(bool colourLong, bool colourThree);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    // The shade of a table row by its 0-based index; Normal outside the table.
    CellShade shadeFor(int row) const;

protected:
    // A row number wider than its column is drawn in a smaller font rather
    // than cut to "100…".
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    EditorModel &model_;
    bool colourLong_ = false;
    bool colourThree_ = false;
};
