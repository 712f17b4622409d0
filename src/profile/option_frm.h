#pragma once

#include <QDialog>

// The options dialog: the characteristics catalogue and the start-up options.
class TOption_frm : public QDialog {
    Q_OBJECT
public:
    explicit TOption_frm(QWidget *parent = nullptr);
};
