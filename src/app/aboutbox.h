#pragma once

#include <QDialog>

// The about box: icon, title, version and what the program does.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    static QString description();
};
