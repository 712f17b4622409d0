#include "calc/form4.h"

TForm4::TForm4(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Добавление / редактирование"));
}
