#pragma once

#include <QString>

#include <functional>

class QWidget;

// The program-wide "Справка" and "О программе" commands. The dialogs of every area
// offer them, but the help window and the about box belong to the application, so the
// application installs them here at start-up and the dialogs only call through.
namespace AppCommands {

// `topic` names the help page of the section or dialog in use; empty means the
// contents page.
using HelpHandler = std::function<void(QWidget *parent, const QString &topic)>;
using AboutHandler = std::function<void(QWidget *parent)>;

void setHelpHandler(HelpHandler handler);
void setAboutHandler(AboutHandler handler);

// Do nothing until the application has installed its handlers.
void showHelp(QWidget *parent, const QString &topic = QString());
void showAbout(QWidget *parent);

} // namespace AppCommands
