#pragma once

#include <QMainWindow>

class KeyboardStatePanel;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;
class ReferencePage;
class SideBar;
class TrayIcon;

// The main window: the section bar, one page per section, the menus and the floating
// editing toolbar, the status bar and the tray icon. Pages never see each other; where
// two of them meet, this window wires them.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    enum { PageCount = 6 };

    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    static QString sectionCaption(int index);

    QStackedWidget *pageControl() const { return cxPageControl1; }
    // The content of one page: the section's own page, or its caption until it has one.
    QWidget *page(int index) const;

    // The "Правка" commands, for the lists' context menus and double-clicks.
    QAction *addArticleAction() const { return dxBarButton15; }
    QAction *editArticleAction() const { return dxBarButton17; }
    QAction *deleteArticleAction() const { return dxBarButton16; }
    QAction *addPointAction() const { return dxBarButton18; }
    QAction *editPointAction() const { return dxBarButton20; }
    QAction *deletePointAction() const { return dxBarButton19; }
    QAction *addSanctionAction() const { return dxBarButton5; }
    QAction *editSanctionAction() const { return dxBarButton7; }
    QAction *deleteSanctionAction() const { return dxBarButton6; }

    ReferencePage *referencePage() const { return m_reference; }
    // Links the sanctions list to its owner and shows or hides the points list; the
    // editing commands call it after they change an article, a point or a sanction.
    void ref_stat();

    KeyboardStatePanel *keyboardState() const { return m_keyboard; }
    TrayIcon *trayIcon() const { return TrayIcon1; }

public Q_SLOTS:
    void dxSideBar1ItemClick(int index);
    void FormActivate();
    void AppMinimize();
    void TrayIcon1DblClick();

    void dxBarButton14Click(); // save the profile
    void dxBarButton8Click();  // open a profile
    void ExitClick();
    void dxBarButton15Click(); // add article
    void dxBarButton17Click(); // edit article
    void dxBarButton16Click(); // delete article
    void dxBarButton5Click();  // add sanction
    void dxBarButton7Click();  // edit sanction
    void dxBarButton6Click();  // delete sanction
    void dxBarButton18Click(); // add point
    void dxBarButton20Click(); // edit point
    void dxBarButton19Click(); // delete point
    void OptionsClick();
    void HelpClick();
    void AboutClick();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormClose();

    QAction *makeAction(const char *name, const QString &caption, void (TfrmMain::*handler)());
    void createActions();
    void createMenus();
    void createEditToolBar();
    void createStatusBar();
    void createSections();

    QWidget *createPage(int index);
    QWidget *createReferencePage();
    QWidget *createProfilePage();
    QWidget *createParolePage();
    QWidget *createLimitationPage();
    QWidget *createRecidivismPage();
    QWidget *createRecordExpiryPage();
    QWidget *createPlaceholderPage(int index);

    SideBar *dxSideBar1 = nullptr;
    QStackedWidget *cxPageControl1 = nullptr;
    QLabel *m_hint = nullptr;
    KeyboardStatePanel *m_keyboard = nullptr;
    QToolBar *m_editBar = nullptr;
    TrayIcon *TrayIcon1 = nullptr;
    ReferencePage *m_reference = nullptr;

    QAction *dxBarButton14 = nullptr;
    QAction *dxBarButton8 = nullptr;
    QAction *m_exit = nullptr;
    QAction *dxBarButton15 = nullptr;
    QAction *dxBarButton17 = nullptr;
    QAction *dxBarButton16 = nullptr;
    QAction *dxBarButton5 = nullptr;
    QAction *dxBarButton7 = nullptr;
    QAction *dxBarButton6 = nullptr;
    QAction *dxBarButton18 = nullptr;
    QAction *dxBarButton20 = nullptr;
    QAction *dxBarButton19 = nullptr;
    QAction *m_options = nullptr;
    QAction *m_help = nullptr;
    QAction *m_about = nullptr;

    bool FirstActivation = false;
    bool m_closed = false;
};
