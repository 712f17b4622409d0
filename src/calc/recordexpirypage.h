#pragma once

#include <QWidget>

class DateEdit;
class QCheckBox;
class QComboBox;
class QLabel;

// The "Погашение судимости" page: when a criminal record is expunged.
class RecordExpiryPage : public QWidget {
    Q_OBJECT
public:
    explicit RecordExpiryPage(QWidget *parent = nullptr);

    // The change handler of the kind, the juvenile box and the date.
    void cxComboBox6PropertiesChange();
    // Reads the three inputs and writes the result line.
    void calc_sudimost();

private:
    QComboBox *cxComboBox6;
    QCheckBox *cxCheckBox11;
    DateEdit *cxDateEdit4;
    QLabel *cxLabel21;
};
