#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvant"));
    startUp();
    const int rc = QApplication::exec();
    shutDown();
    return rc;
}
