#include "calc/twodates_frm.h"

Ttwodates_frm::Ttwodates_frm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("twodates_frm"));
    setWindowTitle(QStringLiteral("Добавление/редактирование"));
}
