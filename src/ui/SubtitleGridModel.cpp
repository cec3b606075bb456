#include "ui/SubtitleGridModel.h"

#include "document/SubtitleTable.h"

SubtitleGridModel::SubtitleGridModel(SubtitleTable &table, QObject *parent)
    : QAbstractTableModel(parent), table_(table)
{
    connect(&table_, &SubtitleTable::rowsAboutToBeInserted, this,
            [this](int i) { beginInsertRows(QModelIndex(), i, i); });
    connect(&table_, &SubtitleTable::rowsInserted, this, [this](int) { endInsertRows(); });
    connect(&table_, &SubtitleTable::rowsAboutToBeRemoved, this,
            [this](int i) { beginRemoveRows(QModelIndex(), i, i); });
    connect(&table_, &SubtitleTable::rowsRemoved, this, [this](int) { endRemoveRows(); });
    connect(&table_, &SubtitleTable::rowChanged, this, [this](int i) {
        emit dataChanged(index(i, 0), index(i, ColumnCount - 1));
    });
    connect(&table_, &SubtitleTable::aboutToReset, this, [this] {
        if (resetting_)
            return;
        resetting_ = true;
        beginResetModel();
    });
    connect(&table_, &SubtitleTable::reset, this, [this] {
        if (!resetting_)
            return;
        resetting_ = false;
        endResetModel();
    });
}

int SubtitleGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : table_.recordCount();
}

int SubtitleGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SubtitleGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= table_.recordCount())
        return QVariant();
    if (role == Qt::TextAlignmentRole) {
        if (index.column() <= BefejezesCol)
            return int(Qt::AlignCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    const SubtitleRow &row = table_.rowAt(index.row());
    switch (index.column()) {
    case SorszamCol: return QString::number(index.row() + 1);
    case KezdesCol: return row.kezdes.toString();
    case BefejezesCol: return row.befejezes.toString();
    case SzovegCol: return row.szoveg;
    case Szoveg2Col: return row.szoveg2.text();
    }
    return QVariant();
}

QVariant SubtitleGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QVariant();  // the row indicator carries no number of its own
    if (role == Qt::TextAlignmentRole)
        return section <= BefejezesCol ? int(Qt::AlignCenter)
                                       : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case SorszamCol: return QStringLiteral("Sorszám");
    case KezdesCol: return QStringLiteral("Kezdés");
    case BefejezesCol: return QStringLiteral("Befejezés");
    case SzovegCol: return QStringLiteral("Szöveg");
    case Szoveg2Col: return QString();
    }
    return QVariant();
}

Qt::ItemFlags SubtitleGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
