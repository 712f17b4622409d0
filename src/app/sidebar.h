#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;
class QListWidget;

// The section bar: one group of items, one per page; clicking an item asks for its page.
class SideBar : public QFrame {
    Q_OBJECT
public:
    SideBar(const QString &groupCaption, QWidget *parent = nullptr);

    void addItem(const QString &caption, const QIcon &icon);
    int count() const;
    QString itemCaption(int index) const;
    QString groupCaption() const;
    // Marks the item of the page shown; does not emit itemClicked.
    void setCurrentItem(int index);
    int currentItem() const;

Q_SIGNALS:
    void itemClicked(int index);

private:
    QLabel *m_group;
    QListWidget *m_items;
};
