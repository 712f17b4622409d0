#include "aboutbox.h"

#include "app/appicon.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("О программе"));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(programIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto *product = new QLabel(QStringLiteral("Zorvant"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    product->setFont(big);

    auto *version = new QLabel(QStringLiteral("2.0"), this);
    version->setObjectName(QStringLiteral("Version"));

    auto *titles = new QVBoxLayout;
    titles->addWidget(product);
    titles->addWidget(version);
    titles->addStretch();

    auto *head = new QHBoxLayout;
    head->addWidget(icon);
    head->addSpacing(12);
    head->addLayout(titles, 1);

    auto *comments = new QPlainTextEdit(description(), this);
    comments->setObjectName(QStringLiteral("Comments"));
    comments->setReadOnly(true);
    comments->setMinimumSize(420, 220);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(comments, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TAboutBox::description()
{
    return QStringLiteral(
        "Zorvant — справочник по Уголовному кодексу Российской Федерации и помощник в "
        "расчёте уголовно-правовых сроков.\n"
        "\n"
        "Разделы программы:\n"
        "• «Санкции статей УК РФ» — поиск статей по номеру, названию и тексту, просмотр "
        "их пунктов и санкций, правка базы кодекса;\n"
        "• «Характеристика личности» — данные о лице: личность, регистрация и место "
        "жительства, семья и работа, прежняя ответственность, судимости и характеристики; "
        "сохраняется в файл и открывается из него;\n"
        "• «Расчеты УДО» — можно ли применить условно-досрочное освобождение;\n"
        "• «Сроки привлечения» — когда истекают сроки давности освобождения от уголовной "
        "ответственности и от отбывания наказания, с учётом времени уклонения;\n"
        "• «Рецидив» — вид рецидива по списку прежних судимостей;\n"
        "• «Погашение судимости» — когда погашается судимость.");
}
