#include "reference/addsankc_frm.h"

Taddsankc_frm::Taddsankc_frm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("addsankc_frm"));
    setWindowTitle(QStringLiteral("Добавление / удаление записи"));
}
