#include "datasetgrid.h"

#include "dataset.h"
#include "datasetmodel.h"
#include "messages.h"
#include "naturalorder.h"

#include <QAction>
#include <QApplication>
#include <QStyledItemDelegate>
#include <QContextMenuEvent>
#include <QDate>
#include <QHeaderView>
#include <QMenu>
#include <QSortFilterProxyModel>

namespace {

class GridSortModel : public QSortFilterProxyModel {
public:
    explicit GridSortModel(DatasetModel *source, QObject *parent)
        : QSortFilterProxyModel(parent), m_source(source)
    {
        setSourceModel(source);
        setSortRole(DatasetModel::SortRole);
        setDynamicSortFilter(true);
    }

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        const QVariant a = left.data(DatasetModel::SortRole);
        const QVariant b = right.data(DatasetModel::SortRole);
        if (a.isNull() || b.isNull()) // empty values first
            return a.isNull() && !b.isNull();
        if (a.typeId() == QMetaType::QDate && b.typeId() == QMetaType::QDate)
            return a.toDate() < b.toDate();
        if (a.typeId() == QMetaType::LongLong && b.typeId() == QMetaType::LongLong)
            return a.toLongLong() < b.toLongLong();
        if (m_source->column(left.column()).natural)
            return naturalCompare(a.toString(), b.toString()) < 0;
        return a.toString().localeAwareCompare(b.toString()) < 0;
    }

private:
    DatasetModel *m_source;
};

// Measures a wrapped cell at the width of its column, so that a long title grows its
// row instead of being cut.
class WrappingDelegate : public QStyledItemDelegate {
public:
    WrappingDelegate(QHeaderView *header, QObject *parent)
        : QStyledItemDelegate(parent), m_header(header)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.features |= QStyleOptionViewItem::WrapText;
        opt.rect = QRect(0, 0, m_header->sectionSize(index.column()), 1);
        const QWidget *view = opt.widget;
        QStyle *style = view ? view->style() : QApplication::style();
        return style->sizeFromContents(QStyle::CT_ItemViewItem, &opt, QSize(), view);
    }

private:
    QHeaderView *m_header;
};

} // namespace

DatasetGrid::DatasetGrid(DatasetModel *model, bool multiLineRows, QWidget *parent)
    : QTreeView(parent)
    , m_model(model)
    , m_proxy(new GridSortModel(model, this))
    , m_menu(new QMenu(this))
{
    setModel(m_proxy);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(!multiLineRows);
    setWordWrap(multiLineRows);
    setTextElideMode(multiLineRows ? Qt::ElideNone : Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlternatingRowColors(true);

    QHeaderView *h = header();
    h->setStretchLastSection(false);
    h->setSectionsMovable(true);
    h->setContextMenuPolicy(Qt::CustomContextMenu);
    for (int c = 0; c < model->columnCount(); ++c) {
        const int width = model->column(c).width;
        h->setSectionResizeMode(c, width > 0 ? QHeaderView::Interactive : QHeaderView::Stretch);
        if (width > 0)
            h->resizeSection(c, width);
    }
    // Rows come in the order the database gives until the user asks for a sort.
    h->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);
    connect(h, &QHeaderView::customContextMenuRequested, this, &DatasetGrid::headerMenu);
    // Wrapped rows are measured at the width their column had then; a new width needs
    // new heights.
    if (multiLineRows) {
        setItemDelegate(new WrappingDelegate(h, this));
        connect(h, &QHeaderView::sectionResized, this, [this] { scheduleDelayedItemsLayout(); });
    }

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { recordFromSelection(current); });
    Dataset *d = model->dataset();
    connect(d, &Dataset::scrolled, this, &DatasetGrid::showCurrentRecord);
    connect(d, &Dataset::reloaded, this, &DatasetGrid::showCurrentRecord);
    connect(d, &Dataset::rowAdded, this, &DatasetGrid::showCurrentRecord);
    showCurrentRecord();
}

void DatasetGrid::setCommands(QAction *add, QAction *edit, QAction *remove)
{
    m_menu->clear();
    m_edit = edit;
    const QList<std::pair<QString, QAction *>> items = {
        {QStringLiteral("Добавить"), add},
        {QStringLiteral("Редактировать"), edit},
        {QStringLiteral("Удалить"), remove},
    };
    for (const auto &[caption, target] : items) {
        QAction *a = m_menu->addAction(caption);
        QPointer<QAction> t = target;
        connect(a, &QAction::triggered, this, [t] {
            if (t)
                t->trigger();
        });
    }
}

void DatasetGrid::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex at = indexAt(viewport()->mapFrom(this, event->pos()));
    if (at.isValid())
        setCurrentIndex(at);
    if (!m_menu->isEmpty())
        m_menu->exec(event->globalPos());
}

void DatasetGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeView::mouseDoubleClickEvent(event);
    if (indexAt(event->position().toPoint()).isValid() && m_edit)
        m_edit->trigger();
}

void DatasetGrid::showCurrentRecord()
{
    if (m_syncing)
        return;
    m_syncing = true;
    const int row = m_model->dataset()->recNo();
    const QModelIndex at = m_proxy->mapFromSource(m_model->index(row, 0));
    if (at.isValid()) {
        selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
        scrollTo(at);
    } else {
        selectionModel()->clear();
    }
    m_syncing = false;
}

void DatasetGrid::recordFromSelection(const QModelIndex &current)
{
    if (m_syncing || !current.isValid())
        return;
    m_syncing = true;
    const int row = m_proxy->mapToSource(current).row();
    guarded([&] { m_model->dataset()->moveTo(row); });
    m_syncing = false;
}

void DatasetGrid::headerMenu(const QPoint &pos)
{
    QMenu menu;
    QHeaderView *h = header();
    int visible = 0;
    for (int c = 0; c < m_model->columnCount(); ++c)
        visible += !h->isSectionHidden(c);
    for (int c = 0; c < m_model->columnCount(); ++c) {
        QString caption = m_model->headerData(c, Qt::Horizontal).toString();
        if (caption.isEmpty())
            caption = QStringLiteral("(без заголовка)");
        QAction *a = menu.addAction(caption);
        a->setCheckable(true);
        a->setChecked(!h->isSectionHidden(c));
        a->setEnabled(h->isSectionHidden(c) || visible > 1); // one column always stays
        connect(a, &QAction::toggled, this, [h, c](bool on) { h->setSectionHidden(c, !on); });
    }
    menu.exec(h->mapToGlobal(pos));
}
