#pragma once

#include <QStringList>

// The recently used texts of one search box, most recent first, without a length
// limit. A fresh history holds the keyword "Все".
class SearchHistory {
public:
    SearchHistory() : m_items{QStringLiteral("Все")} {}

    const QStringList &items() const { return m_items; }
    void setItems(const QStringList &items) { m_items = items; }
    // Puts the text at the top, moving it there when it is already listed. An empty
    // text is not worth a line of the drop-down and is left out.
    void remember(const QString &text)
    {
        if (text.isEmpty())
            return;
        m_items.removeAll(text);
        m_items.prepend(text);
    }

private:
    QStringList m_items;
};
