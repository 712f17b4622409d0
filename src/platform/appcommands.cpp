#include "platform/appcommands.h"

namespace {
AppCommands::HelpHandler &helpHandler()
{
    static AppCommands::HelpHandler value;
    return value;
}
AppCommands::AboutHandler &aboutHandler()
{
    static AppCommands::AboutHandler value;
    return value;
}
} // namespace

namespace AppCommands {

void setHelpHandler(HelpHandler handler)
{
    helpHandler() = std::move(handler);
}

void setAboutHandler(AboutHandler handler)
{
    aboutHandler() = std::move(handler);
}

void showHelp(QWidget *parent, const QString &topic)
{
    if (helpHandler())
        helpHandler()(parent, topic);
}

void showAbout(QWidget *parent)
{
    if (aboutHandler())
        aboutHandler()(parent);
}

} // namespace AppCommands
