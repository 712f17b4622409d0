#pragma once

#include <QDialog>

// The article editor.
class Taddrecstat_frm : public QDialog {
    Q_OBJECT
public:
    explicit Taddrecstat_frm(QWidget *parent = nullptr);
};
