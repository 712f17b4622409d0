#pragma once

#include <QString>

class QAction;
class QBoxLayout;
class QDialog;
class QMenuBar;
class QToolBar;

// The commands every editing dialog carries: a menu bar with "Файл" ("Сохранить и
// закрыть", "Закрыть") and "Помощь" ("Справка", "О программе"), and a toolbar "Меню"
// with "Сохранить и закрыть". The actions are dxBarButton1 to dxBarButton4 of their
// dialog; "Справка" and "О программе" are connected here, the caller connects the
// first two to its own results.
struct DialogCommands {
    QMenuBar *menuBar = nullptr;
    QToolBar *toolBar = nullptr;
    QAction *saveAndClose = nullptr; // dxBarButton1
    QAction *close = nullptr;        // dxBarButton2
    QAction *help = nullptr;         // dxBarButton3
    QAction *about = nullptr;        // dxBarButton4
};

// Puts the menu bar and the toolbar at the top of `layout`. `menuBarCaption` is the
// name of the bar itself where the dialog gives it one ("Главная"); `helpTopic` is the
// help page F1 and "Справка" open.
DialogCommands addDialogCommands(QDialog *dialog, QBoxLayout *layout,
                                 const QString &menuBarCaption, const QString &helpTopic);
