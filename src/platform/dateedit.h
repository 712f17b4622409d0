#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QFrame;
class QLineEdit;
class QToolButton;

// A date box that may hold no date: the user types day.month.year or picks the day
// from a drop-down calendar, and an empty box means "no date". The date follows the
// text as it is typed: a text that is no complete date is no date.
class DateEdit : public QWidget {
    Q_OBJECT
public:
    // What becomes of a text that is no date once the user leaves the box.
    enum class InvalidText {
        Clear, // the box is emptied
        Today, // the box takes today's date
    };
    Q_ENUM(InvalidText)

    explicit DateEdit(QWidget *parent = nullptr);
    ~DateEdit() override;

    // Null while the box holds no date.
    QDate date() const;
    // A null or invalid date empties the box.
    void setDate(const QDate &date);
    void clear();

    QString text() const;

    InvalidText invalidText() const;
    void setInvalidText(InvalidText policy);

    bool isReadOnly() const;
    void setReadOnly(bool readOnly);

    bool isCalendarShown() const;
    void showCalendar();
    void hideCalendar();

    // The text the box shows for a date; the same form the box reads.
    static QString format(const QDate &date);
    // Null for a text that is no date; one-digit days and months are read as well.
    static QDate parse(const QString &text);

    QLineEdit *lineEdit() const;

Q_SIGNALS:
    // Emitted on every change of date(), to a date or to none, whoever made it.
    void dateChanged(const QDate &date);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onTextChanged(const QString &text);
    void onEditingFinished();
    void pickFromCalendar(const QDate &date);
    void commit(const QDate &date);

    QLineEdit *m_edit;
    QToolButton *m_button;
    QFrame *m_popup;
    QCalendarWidget *m_calendar;
    QDate m_date;
    InvalidText m_invalidText = InvalidText::Clear;
};
