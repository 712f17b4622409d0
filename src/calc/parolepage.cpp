#include "parolepage.h"

#include "parole.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

ParolePage::ParolePage(QWidget *parent)
    : QWidget(parent), cxComboBox2(new QComboBox(this)), cxTextEdit2(new QLineEdit(this)),
      cxTextEdit3(new QLineEdit(this)), cxCheckBox7(new QCheckBox(this)),
      cxCheckBox8(new QCheckBox(this)), cxLabel9(new QLabel(this))
{
    setObjectName(QStringLiteral("ParolePage"));

    cxComboBox2->setObjectName(QStringLiteral("cxComboBox2"));
    cxComboBox2->setEditable(true);
    // The typed text is the category only when it equals an item: it must neither
    // grow the list nor be completed behind the user's back.
    cxComboBox2->setInsertPolicy(QComboBox::NoInsert);
    cxComboBox2->setCompleter(nullptr);
    cxComboBox2->addItems({
        QStringLiteral("небольшая или средняя тяжесть"),
        QStringLiteral("тяжкое преступление"),
        QStringLiteral("особо тяжкое преступление"),
        QStringLiteral("пожизненое лишение свободы"),
    });
    cxComboBox2->setCurrentText(QStringLiteral("небольшая или средняя тяжесть"));
    cxComboBox2->setMinimumContentsLength(30);

    cxTextEdit2->setObjectName(QStringLiteral("cxTextEdit2"));
    cxTextEdit3->setObjectName(QStringLiteral("cxTextEdit3"));
    cxCheckBox7->setObjectName(QStringLiteral("cxCheckBox7"));
    cxCheckBox7->setText(QStringLiteral("Ранее было отменено"));
    cxCheckBox8->setObjectName(QStringLiteral("cxCheckBox8"));
    cxCheckBox8->setText(QStringLiteral("Отсутствие нарушении"));
    cxLabel9->setObjectName(QStringLiteral("cxLabel9"));
    cxLabel9->setText(QStringLiteral("Результат"));

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Тяжесть преступления/наказание"), cxComboBox2);
    form->addRow(QStringLiteral("Назначенный срок"), cxTextEdit2);
    form->addRow(QStringLiteral("Отбытый срок"), cxTextEdit3);
    form->addRow(cxCheckBox7);
    form->addRow(cxCheckBox8);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(12);
    layout->addWidget(cxLabel9);
    layout->addStretch(1);

    connect(cxComboBox2, &QComboBox::currentTextChanged, this,
            &ParolePage::cxComboBox2PropertiesChange);
    connect(cxTextEdit2, &QLineEdit::textChanged, this, &ParolePage::cxComboBox2PropertiesChange);
    connect(cxTextEdit3, &QLineEdit::textChanged, this, &ParolePage::cxComboBox2PropertiesChange);
    connect(cxCheckBox7, &QCheckBox::toggled, this, &ParolePage::cxComboBox2PropertiesChange);
    connect(cxCheckBox8, &QCheckBox::toggled, this, &ParolePage::cxComboBox2PropertiesChange);
}

void ParolePage::cxComboBox2PropertiesChange()
{
    const int position = cxComboBox2->findText(cxComboBox2->currentText());
    const std::optional<ParoleCategory> category =
        position < 0 ? std::nullopt : std::optional(static_cast<ParoleCategory>(position));

    const ParoleResult result =
        parole(category, cxTextEdit2->text(), cxTextEdit3->text(), cxCheckBox8->isChecked());

    QPalette palette = cxLabel9->palette();
    palette.setColor(QPalette::WindowText,
                     result == ParoleResult::InvalidInput ? Qt::red : Qt::black);
    cxLabel9->setPalette(palette);
    if (result != ParoleResult::NoAnswer)
        cxLabel9->setText(paroleResultText(result));
}
