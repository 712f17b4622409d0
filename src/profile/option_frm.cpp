#include "profile/option_frm.h"

TOption_frm::TOption_frm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Option_frm"));
    setWindowTitle(QStringLiteral("Опции"));
}
