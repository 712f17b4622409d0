#include "profile/stdate.h"

Tstdate::Tstdate(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("stdate"));
    setWindowTitle(QStringLiteral("Дата"));
}

void Tstdate::SetMaxYear(int year)
{
    m_maxYear = year;
}

void Tstdate::SetMinYear(int year)
{
    m_minYear = year;
}
