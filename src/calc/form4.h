#pragma once

#include <QDialog>

// The dialog of one prior conviction, shared by the profile and recidivism pages.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);
};
