#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QPointer>

class Dataset;

// How one field of a dataset shows as a column of a list.
struct DatasetColumn {
    enum class Kind { Text, Date, MultiLine };
    QString field;
    QString header;
    Kind kind = Kind::Text;
    // Sort digits as numbers (article and point numbers).
    bool natural = false;
    // Starting width in pixels; 0 shares the rest of the list's width.
    int width = 0;
    // A lookup column shows `lookupDisplay` of the lookup row whose `lookupKey` equals
    // the field's value (a sanction's type shown by its name).
    QPointer<Dataset> lookup;
    QString lookupKey;
    QString lookupDisplay;
};

// The rows of a dataset as a read-only table model. The model follows every change of
// the dataset: reloads, added, changed and removed rows.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Raw field value, for sorting.
    static constexpr int SortRole = Qt::UserRole + 1;

    DatasetModel(Dataset *dataset, QList<DatasetColumn> columns, QObject *parent = nullptr);

    Dataset *dataset() const { return m_dataset; }
    const DatasetColumn &column(int c) const { return m_columns.at(c); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void rebuildLookups();
    QVariant display(int row, int column) const;

    QPointer<Dataset> m_dataset;
    QList<DatasetColumn> m_columns;
    QList<QHash<QString, QString>> m_lookups; // per column, key text to shown text
};
