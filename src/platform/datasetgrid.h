#pragma once

#include <QPointer>
#include <QTreeView>

class Dataset;
class DatasetModel;
class QAction;
class QSortFilterProxyModel;

// A read-only list of a dataset's rows: whole-row selection, columns that fit the
// width, sorting by a header click (digits as numbers where the column asks for it),
// columns shown and hidden from the header's menu. The selected row and the dataset's
// current record follow each other. Rows may grow to show multi-line text; a tree view
// is used because it measures only the rows it shows, which keeps a list of thousands
// of articles instant.
class DatasetGrid : public QTreeView {
    Q_OBJECT
public:
    DatasetGrid(DatasetModel *model, bool multiLineRows, QWidget *parent = nullptr);

    DatasetModel *datasetModel() const { return m_model; }
    // The context menu's "Добавить", "Редактировать" and "Удалить" trigger these; a
    // double-click triggers `edit`.
    void setCommands(QAction *add, QAction *edit, QAction *remove);
    QMenu *contextMenu() const { return m_menu; }

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void showCurrentRecord();
    void recordFromSelection(const QModelIndex &current);
    void headerMenu(const QPoint &pos);

    DatasetModel *m_model;
    QSortFilterProxyModel *m_proxy;
    QMenu *m_menu;
    QPointer<QAction> m_edit;
    bool m_syncing = false;
};
