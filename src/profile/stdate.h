#pragma once

#include <QWidget>

// The partial-date window: a date of which the day, the month or the year may be unknown.
class Tstdate : public QWidget {
    Q_OBJECT
public:
    explicit Tstdate(QWidget *parent = nullptr);

    void SetMaxYear(int year);
    void SetMinYear(int year);

private:
    int m_maxYear = 0;
    int m_minYear = 0;
};
