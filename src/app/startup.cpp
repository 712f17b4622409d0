#include "startup.h"

#include "app/aboutbox.h"
#include "app/appicon.h"
#include "app/frmmain.h"
#include "app/instances.h"
#include "calc/form4.h"
#include "calc/twodates_frm.h"
#include "db/dm.h"
#include "app/help.h"
#include "platform/appcommands.h"
#include "platform/appfolder.h"
#include "platform/messages.h"
#include "profile/option_frm.h"
#include "profile/stdate.h"
#include "reference/addpunkt_frm.h"
#include "reference/addrecstat_frm.h"
#include "reference/addsankc_frm.h"

#include <QApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QStyleFactory>
#include <QTranslator>

// Each instance is traced as it is made, so the order can be followed in a log.
Q_LOGGING_CATEGORY(lcStartup, "zorvant.startup", QtWarningMsg)

namespace {

void setUpRussian()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // One translator for the whole run, however often a test starts the program.
    static QTranslator *translator = nullptr;
    if (!translator) {
        translator = new QTranslator(qApp);
        if (translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                             QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(translator);
        else
            qCWarning(lcStartup) << "Qt's Russian translations were not found";
    }
}

template <typename T, typename Make> void create(T *&instance, const char *name, Make make)
{
    guarded([&] { instance = make(); });
    qCDebug(lcStartup, "%s %s", instance ? "created" : "failed", name);
}

template <typename T> void destroy(T *&instance)
{
    T *doomed = instance;
    instance = nullptr;
    guarded([doomed] { delete doomed; });
}

} // namespace

void startUp()
{
    startUp(QCoreApplication::applicationDirPath());
}

void startUp(const QString &appFolder)
{
    setUpRussian();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(programIcon());

    setAppFolder(appFolder);
    AppCommands::setHelpHandler([](QWidget *parent, const QString &) { Help::show(parent); });
    AppCommands::setAboutHandler([](QWidget *) {
        if (AboutBox)
            AboutBox->exec();
    });

    create(DM, "DM", [] { return new TDM(); });
    create(frmMain, "frmMain", [] { return new TfrmMain(); });
    // The dialogs belong to the main window so that they open over it; the
    // partial-date window is a drop-down panel and has no owner.
    create(AboutBox, "AboutBox", [] { return new TAboutBox(frmMain); });
    create(addrecstat_frm, "addrecstat_frm", [] { return new Taddrecstat_frm(frmMain); });
    create(addpunkt_frm, "addpunkt_frm", [] { return new Taddpunkt_frm(frmMain); });
    create(addsankc_frm, "addsankc_frm", [] { return new Taddsankc_frm(frmMain); });
    create(stdate, "stdate", [] { return new Tstdate(); });
    create(twodates_frm, "twodates_frm", [] { return new Ttwodates_frm(frmMain); });
    create(Form4, "Form4", [] { return new TForm4(frmMain); });
    create(Option_frm, "Option_frm", [] { return new TOption_frm(frmMain); });

    if (stdate)
        guarded([] { stdate->SetMaxYear(QDate::currentDate().year()); });

    if (frmMain)
        frmMain->show();
}

void shutDown()
{
    if (frmMain)
        guarded([] { frmMain->close(); });

    destroy(Option_frm);
    destroy(Form4);
    destroy(twodates_frm);
    destroy(stdate);
    destroy(addsankc_frm);
    destroy(addpunkt_frm);
    destroy(addrecstat_frm);
    destroy(AboutBox);
    destroy(frmMain);
    destroy(DM);
}
