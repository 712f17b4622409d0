#include "frmmain.h"

#include "app/aboutbox.h"
#include "app/appicon.h"
#include "app/help.h"
#include "app/instances.h"
#include "app/keyboardstatepanel.h"
#include "app/sidebar.h"
#include "app/trayicon.h"
#include "calc/parolepage.h"
#include "calc/recordexpirypage.h"
#include "platform/messages.h"
#include "platform/startupoptions.h"
#include "profile/option_frm.h"
#include "reference/referencepage.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const char *const kSections[TfrmMain::PageCount] = {
    "Санкции статей УК РФ",
    "Характеристика личности",
    "Расчеты УДО",
    "Сроки привлечения",
    "Рецидив",
    "Погашение судимости",
};

const QStyle::StandardPixmap kSectionIcons[TfrmMain::PageCount] = {
    QStyle::SP_FileDialogDetailedView, QStyle::SP_FileDialogInfoView, QStyle::SP_DialogApplyButton,
    QStyle::SP_BrowserReload,          QStyle::SP_MessageBoxWarning,  QStyle::SP_DialogResetButton,
};

// A command's hint is its caption; the ellipsis that promises a dialog is no part of it.
QString hintFor(const QString &caption)
{
    QString hint = caption;
    if (hint.endsWith(QStringLiteral("...")))
        hint.chop(3);
    else if (hint.endsWith(QChar(0x2026)))
        hint.chop(1);
    return hint;
}

} // namespace

TfrmMain::TfrmMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zorvant"));
    setWindowIcon(programIcon());

    createActions();
    createMenus();
    createEditToolBar();
    createStatusBar();
    createSections();

    TrayIcon1 = new TrayIcon(this);
    connect(TrayIcon1, &TrayIcon::doubleClicked, this,
            [this] { guarded([this] { TrayIcon1DblClick(); }); });

    resize(773, 483);
    const QRect desktop = screen()->availableGeometry();
    move(desktop.center() - QPoint(width() / 2, height() / 2));

    FormCreate();
}

TfrmMain::~TfrmMain() = default;

QString TfrmMain::sectionCaption(int index)
{
    return QString::fromUtf8(kSections[index]);
}

QWidget *TfrmMain::page(int index) const
{
    QWidget *sheet = cxPageControl1->widget(index);
    return sheet ? sheet->property("content").value<QWidget *>() : nullptr;
}

QAction *TfrmMain::makeAction(const char *name, const QString &caption, void (TfrmMain::*handler)())
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    const QString hint = hintFor(caption);
    action->setStatusTip(hint);
    action->setToolTip(hint);
    connect(action, &QAction::triggered, this,
            [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    return action;
}

void TfrmMain::createActions()
{
    dxBarButton14 =
        makeAction("dxBarButton14", QStringLiteral("Сохранить характеристирку личности..."),
                   &TfrmMain::dxBarButton14Click);
    dxBarButton8 = makeAction("dxBarButton8", QStringLiteral("Открыть характеристирку личности..."),
                              &TfrmMain::dxBarButton8Click);
    m_exit = makeAction("actExit", QStringLiteral("Выход"), &TfrmMain::ExitClick);

    dxBarButton15 = makeAction("dxBarButton15", QStringLiteral("Добавить статью"),
                               &TfrmMain::dxBarButton15Click);
    dxBarButton17 = makeAction("dxBarButton17", QStringLiteral("Редактировать статью"),
                               &TfrmMain::dxBarButton17Click);
    dxBarButton16 = makeAction("dxBarButton16", QStringLiteral("Удалить статью"),
                               &TfrmMain::dxBarButton16Click);
    dxBarButton5 = makeAction("dxBarButton5", QStringLiteral("Добавить санкцию"),
                              &TfrmMain::dxBarButton5Click);
    dxBarButton7 = makeAction("dxBarButton7", QStringLiteral("Редактировать санкцию"),
                              &TfrmMain::dxBarButton7Click);
    dxBarButton6 =
        makeAction("dxBarButton6", QStringLiteral("Удалить санкцию"), &TfrmMain::dxBarButton6Click);
    dxBarButton18 = makeAction("dxBarButton18", QStringLiteral("Добавить пункт"),
                               &TfrmMain::dxBarButton18Click);
    dxBarButton20 = makeAction("dxBarButton20", QStringLiteral("Редактировать пункт"),
                               &TfrmMain::dxBarButton20Click);
    dxBarButton19 =
        makeAction("dxBarButton19", QStringLiteral("Удалить пункт"), &TfrmMain::dxBarButton19Click);

    m_options = makeAction("actOptions", QStringLiteral("Параметры"), &TfrmMain::OptionsClick);
    m_help = makeAction("actHelp", QStringLiteral("Справка"), &TfrmMain::HelpClick);
    m_about = makeAction("actAbout", QStringLiteral("О программе"), &TfrmMain::AboutClick);
}

void TfrmMain::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("dxBarManager1Bar1"));

    QMenu *file = bar->addMenu(QStringLiteral("Файл"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addAction(dxBarButton14);
    file->addAction(dxBarButton8);
    file->addSeparator();
    file->addAction(m_exit);

    QMenu *edit = bar->addMenu(QStringLiteral("Правка"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    edit->addActions({dxBarButton15, dxBarButton17, dxBarButton16});
    edit->addSeparator();
    edit->addActions({dxBarButton5, dxBarButton7, dxBarButton6});
    edit->addSeparator();
    edit->addActions({dxBarButton18, dxBarButton20, dxBarButton19});

    QMenu *service = bar->addMenu(QStringLiteral("Сервис"));
    service->setObjectName(QStringLiteral("mnuService"));
    service->addAction(m_options);

    QMenu *helpMenu = bar->addMenu(QStringLiteral("Помощь"));
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    helpMenu->addAction(m_help);
    helpMenu->addSeparator();
    helpMenu->addAction(m_about);
}

void TfrmMain::createEditToolBar()
{
    m_editBar = new QToolBar(QStringLiteral("Редактирование статей"), this);
    m_editBar->setObjectName(QStringLiteral("dxBarManager1Bar2"));
    m_editBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_editBar->addActions({dxBarButton15, dxBarButton17, dxBarButton16});
    m_editBar->addSeparator();
    m_editBar->addActions({dxBarButton18, dxBarButton20, dxBarButton19});
    m_editBar->addSeparator();
    m_editBar->addActions({dxBarButton5, dxBarButton7, dxBarButton6});
    addToolBar(Qt::TopToolBarArea, m_editBar);
    // Floating from the start, as its own small tool window; the program never shows it,
    // the user may from the menu bar's context menu.
    m_editBar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    m_editBar->hide();
}

void TfrmMain::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("dxStatusBar1"));

    m_hint = new QLabel(bar);
    m_hint->setObjectName(QStringLiteral("dxStatusBar1Panel1"));
    m_hint->setFixedWidth(200);
    m_hint->setFrameShape(QFrame::Panel);
    m_hint->setFrameShadow(QFrame::Sunken);
    bar->addWidget(m_hint);

    m_keyboard = new KeyboardStatePanel(bar);
    m_keyboard->setObjectName(QStringLiteral("dxStatusBar1Panel2"));
    bar->addWidget(m_keyboard, 1);
}

void TfrmMain::createSections()
{
    dxSideBar1 = new SideBar(QStringLiteral("Разделы"));
    dxSideBar1->setObjectName(QStringLiteral("dxSideBar1"));
    dxSideBar1->setFixedWidth(143);

    cxPageControl1 = new QStackedWidget;
    cxPageControl1->setObjectName(QStringLiteral("cxPageControl1"));

    for (int i = 0; i < PageCount; ++i) {
        dxSideBar1->addItem(sectionCaption(i), style()->standardIcon(kSectionIcons[i]));

        auto *sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("cxTabSheet%1").arg(i + 1));
        auto *layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        QWidget *content = nullptr;
        guarded([&] { content = createPage(i); });
        if (!content)
            content = createPlaceholderPage(i);
        layout->addWidget(content);
        sheet->setProperty("content", QVariant::fromValue(content));
        cxPageControl1->addWidget(sheet);
    }
    connect(dxSideBar1, &SideBar::itemClicked, this,
            [this](int index) { guarded([this, index] { dxSideBar1ItemClick(index); }); });

    auto *client = new QWidget;
    auto *layout = new QHBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(dxSideBar1);
    layout->addWidget(cxPageControl1, 1);
    setCentralWidget(client);
}

// One function per section, so that each page's own class replaces its placeholder here.
QWidget *TfrmMain::createPage(int index)
{
    switch (index) {
    case 0:
        return createReferencePage();
    case 1:
        return createProfilePage();
    case 2:
        return createParolePage();
    case 3:
        return createLimitationPage();
    case 4:
        return createRecidivismPage();
    case 5:
        return createRecordExpiryPage();
    }
    return nullptr;
}

QWidget *TfrmMain::createReferencePage()
{
    m_reference = new ReferencePage(DM, this);
    m_reference->setCommands(
        {dxBarButton15, dxBarButton17, dxBarButton16},
        {dxBarButton18, dxBarButton20, dxBarButton19},
        {dxBarButton5, dxBarButton7, dxBarButton6});
    return m_reference;
}

void TfrmMain::ref_stat()
{
    if (m_reference)
        m_reference->ref_stat();
}
QWidget *TfrmMain::createProfilePage()
{
    return createPlaceholderPage(1);
}
QWidget *TfrmMain::createParolePage()
{
    return new ParolePage(this);
}
QWidget *TfrmMain::createLimitationPage()
{
    return createPlaceholderPage(3);
}
QWidget *TfrmMain::createRecidivismPage()
{
    return createPlaceholderPage(4);
}
QWidget *TfrmMain::createRecordExpiryPage()
{
    return new RecordExpiryPage(this);
}

QWidget *TfrmMain::createPlaceholderPage(int index)
{
    auto *label = new QLabel(sectionCaption(index));
    label->setObjectName(QStringLiteral("sectionCaption%1").arg(index + 1));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    label->setFont(font);
    return label;
}

void TfrmMain::FormCreate()
{
    // The search histories (qr1..qr3.ini), then the list layouts (view1..view8.ini),
    // are loaded here by the pages that own those boxes and lists.
    dxSideBar1ItemClick(0);
    FirstActivation = true;
    // The characteristics catalogue (description.ini) is loaded into the profile page here.
    // AppMinimize is reached through changeEvent, which sees every minimising.
}

void TfrmMain::FormClose()
{
    // Store the list layouts (view1..view8.ini), then the search histories
    // (qr1..qr3.ini), here: the pages that own them do the writing.
}

void TfrmMain::dxSideBar1ItemClick(int index)
{
    if (index < 0 || index >= PageCount)
        return;
    cxPageControl1->setCurrentIndex(index);
    dxSideBar1->setCurrentItem(index);
}

void TfrmMain::FormActivate()
{
    if (!FirstActivation)
        return;
    FirstActivation = false;
    if (StartupOptions().autohide())
        // Not from inside the activation itself: let the window finish becoming active.
        QMetaObject::invokeMethod(this, &QWidget::showMinimized, Qt::QueuedConnection);
}

void TfrmMain::AppMinimize()
{
    if (!TrayIcon::available())
        return; // no tray to come back from: stay an ordinary minimised window
    hide();
    TrayIcon1->show();
}

void TfrmMain::TrayIcon1DblClick()
{
    TrayIcon1->hide();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TfrmMain::dxBarButton14Click() {}
void TfrmMain::dxBarButton8Click() {}
void TfrmMain::ExitClick()
{
    close();
}
void TfrmMain::dxBarButton15Click() {}
void TfrmMain::dxBarButton17Click() {}
void TfrmMain::dxBarButton16Click() {}
void TfrmMain::dxBarButton5Click() {}
void TfrmMain::dxBarButton7Click() {}
void TfrmMain::dxBarButton6Click() {}
void TfrmMain::dxBarButton18Click() {}
void TfrmMain::dxBarButton20Click() {}
void TfrmMain::dxBarButton19Click() {}

void TfrmMain::OptionsClick()
{
    if (Option_frm)
        Option_frm->exec();
}

void TfrmMain::HelpClick()
{
    Help::show(this);
}

void TfrmMain::AboutClick()
{
    if (AboutBox)
        AboutBox->exec();
}

bool TfrmMain::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::StatusTip:
        // The hint has a panel of its own; the status bar's message line would cover
        // the keyboard panel.
        m_hint->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    case QEvent::WindowActivate: {
        const bool done = QMainWindow::event(event);
        guarded([this] { FormActivate(); });
        return done;
    }
    default:
        return QMainWindow::event(event);
    }
}

void TfrmMain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto *change = static_cast<QWindowStateChangeEvent *>(event);
    if (isMinimized() && !(change->oldState() & Qt::WindowMinimized))
        // Hiding a window while it is being minimised confuses some window managers.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isMinimized())
                    guarded([this] { AppMinimize(); });
            },
            Qt::QueuedConnection);
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        guarded([this] { FormClose(); });
    }
    event->accept();
}
