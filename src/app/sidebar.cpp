#include "sidebar.h"

#include <QLabel>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// Every item as wide as the bar, so that icons and captions line up in its middle
// instead of each item hugging its own caption.
class FullWidthDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const auto *view = static_cast<const QListView *>(parent());
        const QSize grid = view->gridSize();
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(grid.width() - 2);
        size.setHeight(qMin(size.height(), grid.height() - 2));
        return size;
    }
};

} // namespace

SideBar::SideBar(const QString &groupCaption, QWidget *parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);

    m_group = new QLabel(groupCaption, this);
    m_group->setObjectName(QStringLiteral("dxSideBar1Group1"));
    m_group->setAlignment(Qt::AlignCenter);
    m_group->setMargin(4);
    m_group->setAutoFillBackground(true);
    m_group->setBackgroundRole(QPalette::Button);
    QFont bold = m_group->font();
    bold.setBold(true);
    m_group->setFont(bold);

    // Large icons with their captions wrapped beneath, so that long section names fit
    // the narrow bar without being cut.
    m_items = new QListWidget(this);
    m_items->setObjectName(QStringLiteral("dxSideBar1Items"));
    m_items->setViewMode(QListView::IconMode);
    m_items->setFlow(QListView::TopToBottom);
    m_items->setWrapping(false);
    m_items->setMovement(QListView::Static);
    m_items->setResizeMode(QListView::Adjust);
    m_items->setWordWrap(true);
    m_items->setIconSize(QSize(32, 32));
    m_items->setGridSize(QSize(139, 66));
    m_items->setItemDelegate(new FullWidthDelegate(m_items));
    m_items->setFrameShape(QFrame::NoFrame);
    m_items->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_items, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { Q_EMIT itemClicked(m_items->row(item)); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_group);
    layout->addWidget(m_items, 1);
}

void SideBar::addItem(const QString &caption, const QIcon &icon)
{
    auto *item = new QListWidgetItem(icon, caption, m_items);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
}

int SideBar::count() const
{
    return m_items->count();
}

QString SideBar::itemCaption(int index) const
{
    return m_items->item(index)->text();
}

QString SideBar::groupCaption() const
{
    return m_group->text();
}

void SideBar::setCurrentItem(int index)
{
    const QSignalBlocker block(m_items);
    m_items->setCurrentRow(index);
}

int SideBar::currentItem() const
{
    return m_items->currentRow();
}
