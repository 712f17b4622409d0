#include "platform/dialogcommands.h"

#include "platform/appcommands.h"

#include <QAction>
#include <QBoxLayout>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace {

QAction *makeAction(QDialog *dialog, const char *name, const QString &caption)
{
    auto *action = new QAction(caption, dialog);
    action->setObjectName(QString::fromLatin1(name));
    // Every command's hint is its caption.
    action->setToolTip(caption);
    action->setStatusTip(caption);
    return action;
}

} // namespace

DialogCommands addDialogCommands(QDialog *dialog, QBoxLayout *layout,
                                 const QString &menuBarCaption, const QString &helpTopic)
{
    DialogCommands c;
    c.saveAndClose = makeAction(dialog, "dxBarButton1", QStringLiteral("Сохранить и закрыть"));
    c.saveAndClose->setIcon(dialog->style()->standardIcon(QStyle::SP_DialogSaveButton));
    c.close = makeAction(dialog, "dxBarButton2", QStringLiteral("Закрыть"));
    c.help = makeAction(dialog, "dxBarButton3", QStringLiteral("Справка"));
    c.help->setShortcut(QKeySequence::HelpContents);
    c.help->setShortcutContext(Qt::WindowShortcut);
    dialog->addAction(c.help);
    c.about = makeAction(dialog, "dxBarButton4", QStringLiteral("О программе"));

    QObject::connect(c.help, &QAction::triggered, dialog,
                     [dialog, helpTopic] { AppCommands::showHelp(dialog, helpTopic); });
    QObject::connect(c.about, &QAction::triggered, dialog,
                     [dialog] { AppCommands::showAbout(dialog); });

    c.menuBar = new QMenuBar(dialog);
    c.menuBar->setObjectName(QStringLiteral("dxBarManager1Bar1"));
    c.menuBar->setWindowTitle(menuBarCaption);
    QMenu *file = c.menuBar->addMenu(QStringLiteral("Файл"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addAction(c.saveAndClose);
    file->addSeparator();
    file->addAction(c.close);
    QMenu *help = c.menuBar->addMenu(QStringLiteral("Помощь"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(c.help);
    help->addSeparator();
    help->addAction(c.about);

    c.toolBar = new QToolBar(QStringLiteral("Меню"), dialog);
    c.toolBar->setObjectName(QStringLiteral("dxBarManager1Bar2"));
    c.toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    c.toolBar->setMovable(false);
    c.toolBar->addAction(c.saveAndClose);

    layout->insertWidget(0, c.toolBar);
    layout->setMenuBar(c.menuBar);
    return c;
}
