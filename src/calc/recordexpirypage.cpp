#include "recordexpirypage.h"

#include "recordexpiry.h"

#include "platform/dateedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

RecordExpiryPage::RecordExpiryPage(QWidget *parent)
    : QWidget(parent), cxComboBox6(new QComboBox), cxCheckBox11(new QCheckBox),
      cxDateEdit4(new DateEdit), cxLabel21(new QLabel)
{
    setObjectName(QStringLiteral("RecordExpiryPage"));

    cxComboBox6->setObjectName(QStringLiteral("cxComboBox6"));
    cxComboBox6->setEditable(true);
    // Only an item's exact text is a kind of sentence; typing must not add one.
    cxComboBox6->setInsertPolicy(QComboBox::NoInsert);
    cxComboBox6->setCompleter(nullptr);
    cxComboBox6->addItems({
        QStringLiteral("условно осужденных"),
        QStringLiteral("более мягким чем лишение свободы"),
        QStringLiteral("за преступления небольшой и средней тяжести"),
        QStringLiteral("за тяжкие преступления"),
        QStringLiteral("за особо тяжкие преступления"),
    });
    cxComboBox6->setCurrentIndex(-1);
    cxComboBox6->setEditText(QString());
    cxComboBox6->setMinimumContentsLength(36);

    cxCheckBox11->setObjectName(QStringLiteral("cxCheckBox11"));
    cxCheckBox11->setText(QStringLiteral("Несовершенолетние"));
    cxDateEdit4->setObjectName(QStringLiteral("cxDateEdit4"));
    cxLabel21->setObjectName(QStringLiteral("cxLabel21"));
    cxLabel21->setText(QStringLiteral("Результат"));

    auto *group = new QGroupBox(QStringLiteral(" Погашение судимости "), this);
    group->setObjectName(QStringLiteral("cxGroupBox"));
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Осужденных "), cxComboBox6);
    form->addRow(cxCheckBox11);
    form->addRow(QStringLiteral("Дата "), cxDateEdit4);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(form);
    groupLayout->addSpacing(12);
    groupLayout->addWidget(cxLabel21);
    groupLayout->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);

    connect(cxComboBox6, &QComboBox::currentTextChanged, this,
            &RecordExpiryPage::cxComboBox6PropertiesChange);
    connect(cxCheckBox11, &QCheckBox::toggled, this,
            &RecordExpiryPage::cxComboBox6PropertiesChange);
    connect(cxDateEdit4, &DateEdit::dateChanged, this,
            &RecordExpiryPage::cxComboBox6PropertiesChange);
}

void RecordExpiryPage::cxComboBox6PropertiesChange()
{
    calc_sudimost();
}

void RecordExpiryPage::calc_sudimost()
{
    const int position = cxComboBox6->findText(cxComboBox6->currentText());
    const std::optional<SentenceKind> kind =
        position < 0 ? std::nullopt : std::optional(static_cast<SentenceKind>(position));
    cxLabel21->setText(recordExpiryText(kind, cxCheckBox11->isChecked(), cxDateEdit4->date()));
}
