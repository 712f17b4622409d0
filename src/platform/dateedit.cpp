#include "dateedit.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString shownFormat = QStringLiteral("dd.MM.yyyy");
// Reading is kinder than showing: 5.3.2020 is as good as 05.03.2020.
const QString readFormat = QStringLiteral("d.M.yyyy");

} // namespace

DateEdit::DateEdit(QWidget *parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_button(new QToolButton(this)),
      m_popup(new QFrame(this, Qt::Popup)), m_calendar(new QCalendarWidget(m_popup))
{
    m_edit->setObjectName(QStringLiteral("text"));
    // Digits and points only, and no longer than a full date, so that what is typed
    // can only ever be a date on its way.
    m_edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9.]{0,10}")), m_edit));
    m_edit->setMaxLength(10);
    m_edit->installEventFilter(this);

    m_button->setObjectName(QStringLiteral("dropDown"));
    m_button->setArrowType(Qt::DownArrow);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setToolTip(QStringLiteral("Календарь (F4)"));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_button);
    setFocusProxy(m_edit);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    m_popup->setObjectName(QStringLiteral("calendarPopup"));
    m_popup->setFrameShape(QFrame::StyledPanel);
    auto *popupLayout = new QVBoxLayout(m_popup);
    popupLayout->setContentsMargins(1, 1, 1, 1);
    popupLayout->addWidget(m_calendar);
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto *closePopup = new QAction(m_popup);
    closePopup->setShortcut(QKeySequence(Qt::Key_Escape));
    closePopup->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_popup->addAction(closePopup);
    connect(closePopup, &QAction::triggered, this, &DateEdit::hideCalendar);

    connect(m_edit, &QLineEdit::textChanged, this, &DateEdit::onTextChanged);
    connect(m_edit, &QLineEdit::editingFinished, this, &DateEdit::onEditingFinished);
    connect(m_button, &QToolButton::clicked, this, &DateEdit::showCalendar);
    connect(m_calendar, &QCalendarWidget::clicked, this, &DateEdit::pickFromCalendar);
    connect(m_calendar, &QCalendarWidget::activated, this, &DateEdit::pickFromCalendar);
}

DateEdit::~DateEdit()
{
    // The line edit loses its focus while it is being destroyed, after this object
    // has stopped being a DateEdit; it must not call back then.
    m_edit->removeEventFilter(this);
    m_edit->disconnect(this);
    m_calendar->disconnect(this);
}

QDate DateEdit::date() const
{
    return m_date;
}

void DateEdit::setDate(const QDate &date)
{
    // A date the box could not read back (a year past 9999) would leave the text and
    // the date telling different stories; such a date is no date here.
    const QDate kept = parse(format(date));
    {
        const QSignalBlocker blocker(m_edit);
        m_edit->setText(format(kept));
    }
    commit(kept);
}

void DateEdit::clear()
{
    setDate(QDate());
}

QString DateEdit::text() const
{
    return m_edit->text();
}

DateEdit::InvalidText DateEdit::invalidText() const
{
    return m_invalidText;
}

void DateEdit::setInvalidText(InvalidText policy)
{
    m_invalidText = policy;
}

bool DateEdit::isReadOnly() const
{
    return m_edit->isReadOnly();
}

void DateEdit::setReadOnly(bool readOnly)
{
    m_edit->setReadOnly(readOnly);
    m_button->setEnabled(!readOnly);
}

bool DateEdit::isCalendarShown() const
{
    return m_popup->isVisible();
}

void DateEdit::showCalendar()
{
    if (isReadOnly() || m_popup->isVisible())
        return;
    const QDate shown = m_date.isValid() ? m_date : QDate::currentDate();
    m_calendar->setSelectedDate(shown);
    m_calendar->setCurrentPage(shown.year(), shown.month());

    m_popup->adjustSize();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        const QSize size = m_popup->size();
        if (at.y() + size.height() > area.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - size.height());
        at.setX(qBound(area.left(), at.x(), qMax(area.left(), area.right() - size.width())));
    }
    m_popup->move(at);
    m_popup->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void DateEdit::hideCalendar()
{
    if (!m_popup->isVisible())
        return;
    m_popup->hide();
    m_edit->setFocus(Qt::PopupFocusReason);
}

QString DateEdit::format(const QDate &date)
{
    return date.isValid() ? date.toString(shownFormat) : QString();
}

QDate DateEdit::parse(const QString &text)
{
    return QDate::fromString(text, readFormat);
}

QLineEdit *DateEdit::lineEdit() const
{
    return m_edit;
}

bool DateEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F4
            || (key->key() == Qt::Key_Down && key->modifiers().testFlag(Qt::AltModifier))) {
            showCalendar();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DateEdit::onTextChanged(const QString &text)
{
    commit(parse(text));
}

void DateEdit::onEditingFinished()
{
    // Focus passes to the calendar while it is open; the text is not finished then.
    if (m_popup->isVisible() || m_date.isValid() || m_edit->text().isEmpty())
        return;
    setDate(m_invalidText == InvalidText::Today ? QDate::currentDate() : QDate());
}

void DateEdit::pickFromCalendar(const QDate &date)
{
    hideCalendar();
    setDate(date);
}

void DateEdit::commit(const QDate &date)
{
    if (date == m_date)
        return;
    m_date = date;
    Q_EMIT dateChanged(m_date);
}
