#include "referencepage.h"

#include "articlesearch.h"

#include "db/dm.h"
#include "platform/datasetgrid.h"
#include "platform/datasetmodel.h"
#include "platform/messages.h"
#include "platform/mrusearchbox.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

using Kind = DatasetColumn::Kind;

DatasetColumn column(const char *field, const char *header, Kind kind = Kind::Text, int width = 0,
                     bool natural = false)
{
    DatasetColumn c;
    c.field = QString::fromUtf8(field);
    c.header = QString::fromUtf8(header);
    c.kind = kind;
    c.width = width;
    c.natural = natural;
    return c;
}

QGroupBox *searchGroup(const char *objectName, const char *caption, MruSearchBox *box)
{
    auto *group = new QGroupBox(QString::fromUtf8(caption));
    group->setObjectName(QString::fromUtf8(objectName));
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 2, 6, 6);
    layout->addWidget(box);
    return group;
}

} // namespace

ReferencePage::ReferencePage(TDM *dm, QWidget *parent) : QWidget(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("referencePage"));

    cxMRUEdit1 = new MruSearchBox;
    cxMRUEdit2 = new MruSearchBox;
    cxMRUEdit3 = new MruSearchBox;
    cxMRUEdit1->setObjectName(QStringLiteral("cxMRUEdit1"));
    cxMRUEdit2->setObjectName(QStringLiteral("cxMRUEdit2"));
    cxMRUEdit3->setObjectName(QStringLiteral("cxMRUEdit3"));
    auto *searchPanel = new QWidget;
    searchPanel->setObjectName(QStringLiteral("searchPanel"));
    auto *searchLayout = new QHBoxLayout(searchPanel);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(searchGroup("numberSearchGroup", " Поиск по номеру статьи ", cxMRUEdit1));
    searchLayout->addWidget(searchGroup("titleSearchGroup", " Поиск по названию статьи ", cxMRUEdit2));
    searchLayout->addWidget(searchGroup("textSearchGroup", " Поиск по тексту статьи ", cxMRUEdit3));

    auto *articles = new DatasetModel(
        dm->adsmain,
        {column("NumberSt", "№", Kind::Text, 46, true),
         column("NameSt", "Название статьи", Kind::MultiLine),
         column("DateSt", "Дата", Kind::Date, 74),
         // There is no field "Тяжесть" in the Code's tables: the column shows the
         // category that saving a sanction writes for an article without points.
         column("Tyajest", "", Kind::MultiLine, 80)},
        this);
    articles->setObjectName(QStringLiteral("cxGrid9cxGridDBTableView2"));
    auto *points = new DatasetModel(dm->adspunkt,
                                    {column("NameSetProof", "№", Kind::Text, 40, true),
                                     column("Notes", "Текст пункта", Kind::MultiLine),
                                     column("Tyajest", "Тяжесть", Kind::MultiLine, 96)},
                                    this);
    points->setObjectName(QStringLiteral("cxGrid1DBTableView1"));
    DatasetColumn type = column("type_sankc", "тип санкции", Kind::Text, 110);
    type.lookup = dm->adstypesanck;
    type.lookupKey = QStringLiteral("id");
    type.lookupDisplay = QStringLiteral("sankc_name");
    auto *sanctions = new DatasetModel(
        dm->adsSankciy,
        {type, column("uslovie", "Условие", Kind::Text, 90), column("nakazanie", "Наказание")}, this);
    sanctions->setObjectName(QStringLiteral("cxGridDBTableView1"));

    cxGrid9 = new DatasetGrid(articles, true);
    cxGrid1 = new DatasetGrid(points, true);
    cxGrid2 = new DatasetGrid(sanctions, false);
    cxGrid9->setObjectName(QStringLiteral("cxGrid9"));
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));

    cxSplitter2 = new QSplitter(Qt::Vertical);
    cxSplitter2->setObjectName(QStringLiteral("cxSplitter2"));
    cxSplitter2->addWidget(cxGrid1);
    cxSplitter2->addWidget(cxGrid2);
    cxSplitter2->setChildrenCollapsible(false);
    cxSplitter1 = new QSplitter(Qt::Horizontal);
    cxSplitter1->setObjectName(QStringLiteral("cxSplitter1"));
    cxSplitter1->addWidget(cxGrid9);
    cxSplitter1->addWidget(cxSplitter2);
    cxSplitter1->setStretchFactor(0, 11);
    cxSplitter1->setStretchFactor(1, 9);
    cxSplitter1->setChildrenCollapsible(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(searchPanel);
    layout->addWidget(cxSplitter1, 1);

    for (MruSearchBox *box : {cxMRUEdit1, cxMRUEdit2, cxMRUEdit3})
        connect(box, &MruSearchBox::textEdited, this,
                [this] { guarded([this] { cxMRUEdit1PropertiesChange(); }); });

    // The points list changes shape on a reload and when a point comes or goes.
    const auto pointsChanged = [this] {
        guarded([this] { cxGrid1DBTableView1DataControllerDataChanged(); });
    };
    connect(dm->adspunkt, &Dataset::reloaded, this, pointsChanged);
    connect(dm->adspunkt, &Dataset::rowAdded, this, pointsChanged);
    connect(dm->adspunkt, &Dataset::rowRemoved, this, pointsChanged);
    ref_stat();
}

void ReferencePage::setCommands(ListCommands articles, ListCommands points, ListCommands sanctions)
{
    cxGrid9->setCommands(articles.add, articles.edit, articles.remove);
    cxGrid1->setCommands(points.add, points.edit, points.remove);
    cxGrid2->setCommands(sanctions.add, sanctions.edit, sanctions.remove);
}

void ReferencePage::cxMRUEdit1PropertiesChange()
{
    const ArticleQuery q = articleQuery(cxMRUEdit1->text(), cxMRUEdit2->text(), cxMRUEdit3->text());
    Dataset *articles = m_dm->adsmain;
    articles->close();
    articles->setSql(q.sql, q.params);
    articles->open();
}

void ReferencePage::cxGrid1DBTableView1DataControllerDataChanged() { ref_stat(); }

void ReferencePage::ref_stat()
{
    Dataset *points = m_dm->adspunkt;
    Dataset *sanctions = m_dm->adsSankciy;
    const int n = points->recordCount();
    // Reopened every time: the sanctions may still hold the rows of the article before,
    // since their own link to the articles is served after the points' one.
    if (m_dm->ADOConnection1.isOpen())
        m_dm->linkSanctionsTo(n > 0 ? points : m_dm->adsmain);
    const bool shown = !(n == 0 && sanctions->recordCount() > 0);
    cxGrid1->setVisible(shown);
    cxSplitter2->setHandleWidth(shown ? 3 : 0);
}
