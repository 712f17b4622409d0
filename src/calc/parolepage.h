#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The "УДО" page: whether conditional early release may be applied.
class ParolePage : public QWidget {
    Q_OBJECT
public:
    explicit ParolePage(QWidget *parent = nullptr);

    // Recomputes the answer from the five inputs; each of them calls it on change.
    void cxComboBox2PropertiesChange();

private:
    QComboBox *cxComboBox2;
    QLineEdit *cxTextEdit2;
    QLineEdit *cxTextEdit3;
    QCheckBox *cxCheckBox7;
    QCheckBox *cxCheckBox8;
    QLabel *cxLabel9;
};
