#include "datasetmodel.h"

#include "dataset.h"

#include <QDate>
#include <QLocale>

DatasetModel::DatasetModel(Dataset *dataset, QList<DatasetColumn> columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_dataset(dataset)
    , m_columns(std::move(columns))
{
    connect(dataset, &Dataset::aboutToReload, this, [this] { beginResetModel(); });
    connect(dataset, &Dataset::reloaded, this, [this] { endResetModel(); });
    connect(dataset, &Dataset::aboutToAddRow, this,
            [this](int row) { beginInsertRows({}, row, row); });
    connect(dataset, &Dataset::rowAdded, this, [this] { endInsertRows(); });
    connect(dataset, &Dataset::aboutToRemoveRow, this,
            [this](int row) { beginRemoveRows({}, row, row); });
    connect(dataset, &Dataset::rowRemoved, this, [this] { endRemoveRows(); });
    connect(dataset, &Dataset::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount())
            Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    });

    QList<Dataset *> lookups;
    for (const DatasetColumn &c : m_columns)
        if (c.lookup && !lookups.contains(c.lookup.data()))
            lookups.append(c.lookup.data());
    for (Dataset *l : lookups)
        connect(l, &Dataset::reloaded, this, [this] {
            rebuildLookups();
            if (rowCount() > 0)
                Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        });
    rebuildLookups();
}

void DatasetModel::rebuildLookups()
{
    m_lookups.clear();
    for (const DatasetColumn &c : m_columns) {
        QHash<QString, QString> map;
        if (c.lookup) {
            for (int r = 0; r < c.lookup->recordCount(); ++r)
                map.insert(c.lookup->valueAt(r, c.lookupKey).toString(),
                           c.lookup->valueAt(r, c.lookupDisplay).toString());
        }
        m_lookups.append(map);
    }
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_dataset ? 0 : m_dataset->recordCount();
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DatasetModel::display(int row, int column) const
{
    const DatasetColumn &c = m_columns.at(column);
    const QVariant v = m_dataset->valueAt(row, c.field);
    if (v.isNull())
        return QString();
    if (c.lookup)
        return m_lookups.at(column).value(v.toString());
    if (c.kind == DatasetColumn::Kind::Date && v.typeId() == QMetaType::QDate)
        return QLocale().toString(v.toDate(), QStringLiteral("dd.MM.yyyy"));
    return v.toString();
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_dataset || index.row() >= rowCount() ||
        index.column() >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole: return display(index.row(), index.column());
    case Qt::ToolTipRole:
        return m_columns.at(index.column()).kind == DatasetColumn::Kind::MultiLine
                   ? QVariant()
                   : display(index.row(), index.column());
    case SortRole: {
        const DatasetColumn &c = m_columns.at(index.column());
        return c.lookup ? display(index.row(), index.column())
                        : m_dataset->valueAt(index.row(), c.field);
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignTop);
    default: return {};
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_columns.size())
        return m_columns.at(section).header;
    return {};
}
