#include "reference/addrecstat_frm.h"

Taddrecstat_frm::Taddrecstat_frm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("addrecstat_frm"));
    setWindowTitle(QStringLiteral("Добавление / редактирование записи"));
}
