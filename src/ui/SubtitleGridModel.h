#pragma once
#include <QAbstractTableModel>

class SubtitleTable;

// The grid's view of the subtitle table. It keeps no copy of the rows: every
// cell is read from the table, and the table's change signals are turned
// into the model's (a suspended bulk pass arrives as one reset).
class SubtitleGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { SorszamCol, KezdesCol, BefejezesCol, SzovegCol, Szoveg2Col, ColumnCount };

    explicit SubtitleGridModel(SubtitleTable &table, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    SubtitleTable &table_;
    bool resetting_ = false;
};
