#pragma once

#include <QDialog>

// The sanction editor.
class Taddsankc_frm : public QDialog {
    Q_OBJECT
public:
    explicit Taddsankc_frm(QWidget *parent = nullptr);
};
