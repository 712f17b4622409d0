#pragma once

#include "searchhistory.h"

#include <QComboBox>

// A search box with its own list of recently used texts in the drop-down. Every change
// of the text (a key, a choice from the list) is announced by textEdited(); pressing
// Enter or leaving the box remembers the text.
class MruSearchBox : public QComboBox {
    Q_OBJECT
public:
    explicit MruSearchBox(QWidget *parent = nullptr);

    QString text() const { return currentText(); }
    void setText(const QString &text);

    const SearchHistory &history() const { return m_history; }
    void setHistory(const QStringList &items);
    void rememberText();

Q_SIGNALS:
    void textEdited(const QString &text);

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showHistory();

    SearchHistory m_history;
};
