#pragma once

#include <QDialog>

// The dialog of one evasion period: its start and end dates.
class Ttwodates_frm : public QDialog {
    Q_OBJECT
public:
    explicit Ttwodates_frm(QWidget *parent = nullptr);
};
