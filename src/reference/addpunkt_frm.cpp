#include "reference/addpunkt_frm.h"

Taddpunkt_frm::Taddpunkt_frm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("addpunkt_frm"));
    setWindowTitle(QStringLiteral("Добавление / редактирование записи"));
}
