#pragma once

#include <QDialog>

// The point editor.
class Taddpunkt_frm : public QDialog {
    Q_OBJECT
public:
    explicit Taddpunkt_frm(QWidget *parent = nullptr);
};
