#pragma once

#include <QWidget>

class DatasetGrid;
class MruSearchBox;
class QAction;
class QSplitter;
class TDM;

// The first section: the Code's articles narrowed by three search boxes, with the
// points of the current article and the sanctions of the current owner. Read-only;
// changes come through the editing commands reached from the context menus.
class ReferencePage : public QWidget {
    Q_OBJECT
public:
    explicit ReferencePage(TDM *dm, QWidget *parent = nullptr);

    struct ListCommands {
        QAction *add = nullptr;
        QAction *edit = nullptr;
        QAction *remove = nullptr;
    };
    // The actions that the lists' context menus and double-clicks trigger.
    void setCommands(ListCommands articles, ListCommands points, ListCommands sanctions);

    // Rebuilds the article query from the three boxes and runs it.
    void cxMRUEdit1PropertiesChange();
    // Links the sanctions to their owner (the current point, or the article when it has
    // no points) and shows the points list unless the article has only sanctions.
    void ref_stat();

    MruSearchBox *cxMRUEdit1;
    MruSearchBox *cxMRUEdit2;
    MruSearchBox *cxMRUEdit3;
    DatasetGrid *cxGrid9; // articles
    DatasetGrid *cxGrid1; // points
    DatasetGrid *cxGrid2; // sanctions
    QSplitter *cxSplitter1;
    QSplitter *cxSplitter2;

private:
    void cxGrid1DBTableView1DataControllerDataChanged();

    TDM *m_dm;
};
