#include "profile/stdate.h"

#include <QDate>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int panelWidth = 229;
constexpr int panelHeight = 302;
constexpr int firstYear = 1915;

// The numbers under a slider, placed under the handle positions they stand for.
// The ends are always numbered; the round values between them only where they do
// not crowd an end.
class TickScale : public QWidget {
public:
    TickScale(QSlider *slider, int step, QWidget *parent)
        : QWidget(parent), m_slider(slider), m_step(step)
    {
        QFont small = font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        setFont(small);
        setFixedHeight(fontMetrics().height());
        connect(slider, &QSlider::rangeChanged, this, qOverload<>(&QWidget::update));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const int minimum = m_slider->minimum();
        const int maximum = m_slider->maximum();
        const int handle = m_slider->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, m_slider);
        const int span = width() - handle;

        QList<int> values{minimum};
        const int firstRound = (minimum / m_step + 1) * m_step;
        for (int v = firstRound; v < maximum; v += m_step) {
            if (2 * (v - minimum) >= m_step && 2 * (maximum - v) >= m_step)
                values.append(v);
        }
        if (maximum != minimum)
            values.append(maximum);

        for (int v : values) {
            const int x = handle / 2 + QStyle::sliderPositionFromValue(minimum, maximum, v, span);
            const QString text = QString::number(v);
            const int w = fontMetrics().horizontalAdvance(text);
            const int left = qBound(0, x - w / 2, qMax(0, width() - w));
            painter.drawText(QRect(left, 0, w, height()), Qt::AlignCenter, text);
        }
    }

private:
    QSlider *m_slider;
    int m_step;
};

void setBold(QWidget *widget, bool bold)
{
    QFont font = widget->font();
    if (font.bold() == bold)
        return;
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace

Tstdate::Tstdate(QWidget *parent) : QWidget(parent), cxTabControl1(new QFrame(this))
{
    setObjectName(QStringLiteral("stdate"));
    setWindowTitle(QStringLiteral("Дата"));

    cxTabControl1->setObjectName(QStringLiteral("cxTabControl1"));
    cxTabControl1->setFrameShape(QFrame::StyledPanel);
    cxTabControl1->setFixedSize(panelWidth, panelHeight);

    cxTextEdit1 = new QLineEdit(cxTabControl1);
    cxTextEdit1->setObjectName(QStringLiteral("cxTextEdit1"));
    auto *resultLabel = new QLabel(QStringLiteral("Результат"), cxTabControl1);
    resultLabel->setBuddy(cxTextEdit1);
    auto *resultRow = new QHBoxLayout;
    resultRow->addWidget(resultLabel);
    resultRow->addWidget(cxTextEdit1, 1);

    const int currentYear = QDate::currentDate().year();
    auto *panelLayout = new QVBoxLayout(cxTabControl1);
    panelLayout->setContentsMargins(6, 6, 6, 6);
    panelLayout->setSpacing(4);
    panelLayout->addLayout(resultRow);
    panelLayout->addWidget(buildGroup(Part::Year, QStringLiteral("Год"), 1, firstYear,
                                      qMax(firstYear, currentYear), 20));
    panelLayout->addWidget(buildGroup(Part::Month, QStringLiteral("Месяц"), 2, 1, 12, 1));
    panelLayout->addWidget(buildGroup(Part::Day, QStringLiteral("День"), 3, 1, 31, 5));
    panelLayout->addStretch(1);

    m_year.slider->setValue(2000);
    m_year.spin->setValue(2000);
    m_month.slider->setValue(12);
    m_month.spin->setValue(12);
    // The day's slider starts at the end and its spin box at the beginning; the two
    // meet at the first change of either.
    m_day.slider->setValue(31);
    m_day.spin->setValue(1);
    showMarks();

    // Only now, so that setting the starting values leaves the result empty.
    connect(m_year.unknownButton, &QPushButton::clicked, this, &Tstdate::cxButton1Click);
    connect(m_month.unknownButton, &QPushButton::clicked, this, &Tstdate::cxButton2Click);
    connect(m_day.unknownButton, &QPushButton::clicked, this, &Tstdate::cxButton3Click);
    connect(m_year.spin, &QSpinBox::valueChanged, this, &Tstdate::cxSpinEdit1PropertiesChange);
    connect(m_month.spin, &QSpinBox::valueChanged, this, &Tstdate::cxSpinEdit2PropertiesChange);
    connect(m_day.spin, &QSpinBox::valueChanged, this, &Tstdate::cxSpinEdit3PropertiesChange);
    connect(m_year.slider, &QSlider::valueChanged, this, &Tstdate::cxTrackBar1PropertiesChange);
    connect(m_month.slider, &QSlider::valueChanged, this, &Tstdate::cxTrackBar2PropertiesChange);
    connect(m_day.slider, &QSlider::valueChanged, this, &Tstdate::cxTrackBar3PropertiesChange);

    auto *windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->addWidget(cxTabControl1);
    windowLayout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget *Tstdate::buildGroup(Part part, const QString &caption, int number, int minimum,
                             int maximum, int tickStep)
{
    Controls &c = controls(part);
    auto *group = new QGroupBox(caption, cxTabControl1);

    c.spin = new QSpinBox(group);
    c.spin->setObjectName(QStringLiteral("cxSpinEdit%1").arg(number));
    c.spin->setRange(minimum, maximum);
    c.spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    c.spin->setAlignment(Qt::AlignCenter);

    // The steps sit either side of the number, one to go down and one to go up.
    auto *down = new QToolButton(group);
    down->setArrowType(Qt::LeftArrow);
    down->setAutoRepeat(true);
    down->setFocusPolicy(Qt::NoFocus);
    connect(down, &QToolButton::clicked, c.spin, [spin = c.spin] { spin->stepBy(-1); });
    auto *up = new QToolButton(group);
    up->setArrowType(Qt::RightArrow);
    up->setAutoRepeat(true);
    up->setFocusPolicy(Qt::NoFocus);
    connect(up, &QToolButton::clicked, c.spin, [spin = c.spin] { spin->stepBy(1); });

    c.unknownButton = new QPushButton(QStringLiteral("?"), group);
    c.unknownButton->setObjectName(QStringLiteral("cxButton%1").arg(number));
    c.unknownButton->setCheckable(true);
    c.unknownButton->setFixedWidth(28);
    c.unknownButton->setToolTip(QStringLiteral("Неизвестно"));
    if (part == Part::Year) {
        QPalette palette = c.unknownButton->palette();
        palette.setColor(QPalette::ButtonText, QColor(0, 128, 0));
        c.unknownButton->setPalette(palette);
    }

    c.slider = new QSlider(Qt::Horizontal, group);
    c.slider->setObjectName(QStringLiteral("cxTrackBar%1").arg(number));
    c.slider->setRange(minimum, maximum);
    c.slider->setTickPosition(QSlider::TicksBelow);
    c.slider->setTickInterval(part == Part::Year ? 10 : 1);
    c.slider->setPageStep(part == Part::Year ? 10 : 3);

    auto *spinRow = new QHBoxLayout;
    spinRow->setSpacing(2);
    spinRow->addWidget(down);
    spinRow->addWidget(c.spin, 1);
    spinRow->addWidget(up);
    spinRow->addSpacing(6);
    spinRow->addWidget(c.unknownButton);

    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    layout->addLayout(spinRow);
    layout->addSpacing(2);
    layout->addWidget(c.slider);
    layout->addWidget(new TickScale(c.slider, tickStep, group));
    return group;
}

QWidget *Tstdate::panel() const
{
    return cxTabControl1;
}

void Tstdate::takeBackPanel()
{
    if (cxTabControl1->parentWidget() == this)
        return;
    cxTabControl1->setParent(this);
    layout()->addWidget(cxTabControl1);
    cxTabControl1->show();
}

Tstdate::Controls &Tstdate::controls(Part part)
{
    switch (part) {
    case Part::Year:
        return m_year;
    case Part::Month:
        return m_month;
    case Part::Day:
        break;
    }
    return m_day;
}

std::optional<int> Tstdate::value(Part part)
{
    const Controls &c = controls(part);
    if (c.unknown)
        return std::nullopt;
    return c.slider->value();
}

void Tstdate::GenRes()
{
    cxTextEdit1->setText(
        PartialDate::compose(value(Part::Day), value(Part::Month), value(Part::Year)));
    showMarks();
}

void Tstdate::showMarks()
{
    for (Part part : {Part::Year, Part::Month, Part::Day}) {
        Controls &c = controls(part);
        c.unknownButton->setChecked(c.unknown);
        setBold(c.unknownButton, c.unknown);
        setBold(c.spin, !c.unknown);
    }
}

void Tstdate::markUnknown(Part part)
{
    Controls &c = controls(part);
    c.unknown = true;
    c.unknownButton->setChecked(true);
    GenRes();
}

void Tstdate::spinChanged(Part part)
{
    Controls &c = controls(part);
    c.slider->setValue(c.spin->value());
    c.unknownButton->setChecked(false);
    c.unknown = false;
    GenRes();
}

void Tstdate::sliderChanged(Part part)
{
    Controls &c = controls(part);
    c.spin->setValue(c.slider->value());
    c.unknown = false;
    GenRes();
}

void Tstdate::set_date(const QString &text)
{
    if (text.isEmpty())
        return;
    loadPart(text, Part::Day);
    loadPart(text, Part::Month);
    loadPart(text, Part::Year);
}

void Tstdate::loadPart(const QString &text, Part part)
{
    const std::optional<int> number = PartialDate::readPart(PartialDate::partChars(text, part), part);
    if (!number) {
        markUnknown(part);
        return;
    }
    Controls &c = controls(part);
    // The slider brings the number into its range; the spin box follows it, also
    // when the slider already stood there and so told nobody.
    c.slider->setValue(*number);
    c.spin->setValue(c.slider->value());
    c.unknown = false;
    GenRes();
}

void Tstdate::SetMaxYear(int year)
{
    m_year.spin->setMaximum(year);
    m_year.slider->setMaximum(year);
}

void Tstdate::SetMinYear(int year)
{
    m_year.spin->setMinimum(year);
    m_year.slider->setMinimum(year);
}

QString Tstdate::result() const
{
    return cxTextEdit1->text();
}

void Tstdate::cxButton1Click()
{
    markUnknown(Part::Year);
}

void Tstdate::cxButton2Click()
{
    markUnknown(Part::Month);
}

void Tstdate::cxButton3Click()
{
    markUnknown(Part::Day);
}

void Tstdate::cxSpinEdit1PropertiesChange()
{
    spinChanged(Part::Year);
}

void Tstdate::cxSpinEdit2PropertiesChange()
{
    spinChanged(Part::Month);
}

void Tstdate::cxSpinEdit3PropertiesChange()
{
    spinChanged(Part::Day);
}

void Tstdate::cxTrackBar1PropertiesChange()
{
    sliderChanged(Part::Year);
}

void Tstdate::cxTrackBar2PropertiesChange()
{
    sliderChanged(Part::Month);
}

void Tstdate::cxTrackBar3PropertiesChange()
{
    sliderChanged(Part::Day);
}
