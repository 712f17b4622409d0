#include "mrusearchbox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

MruSearchBox::MruSearchBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(false);
    // The list is only for choosing; typed text must not be completed from it, or the
    // search would run for a text the user did not type.
    setCompleter(nullptr);
    showHistory();
    setText(m_history.items().value(0));
    connect(this, &QComboBox::editTextChanged, this, &MruSearchBox::textEdited);
}

void MruSearchBox::setText(const QString &text)
{
    if (currentText() != text)
        setEditText(text);
}

void MruSearchBox::setHistory(const QStringList &items)
{
    m_history.setItems(items);
    showHistory();
}

void MruSearchBox::rememberText()
{
    const QString text = currentText();
    if (!m_history.items().isEmpty() && m_history.items().first() == text)
        return;
    m_history.remember(text);
    showHistory();
}

void MruSearchBox::showHistory()
{
    // Rebuilding the list must neither change the text nor run a search.
    const QSignalBlocker quiet(this);
    const QString text = currentText();
    const int cursor = lineEdit() ? lineEdit()->cursorPosition() : 0;
    clear();
    addItems(m_history.items());
    setCurrentIndex(-1);
    setEditText(text);
    if (lineEdit())
        lineEdit()->setCursorPosition(cursor);
}

void MruSearchBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    if (!view()->isVisible()) // the drop-down taking focus is not leaving the box
        rememberText();
}

void MruSearchBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        rememberText();
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}
