#include "dm.h"

#include "severity.h"

#include "platform/apperror.h"
#include "platform/appfolder.h"
#include "platform/messages.h"

#include <QUuid>

TDM::TDM(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DM"));
    auto make = [this](const char *name, const char *table, const char *key) {
        auto *d = new Dataset(&ADOConnection1, QString::fromLatin1(table),
                              QString::fromLatin1(key), this);
        d->setObjectName(QString::fromLatin1(name));
        return d;
    };
    adsmain = make("adsmain", "main", "GUID");
    adspunkt = make("adspunkt", "Punkt", "GUID");
    adsSankciy = make("adsSankciy", "sankciya", "ID");
    adstypesanck = make("adstypesanck", "sankc_type", "id");
    ADODataSet1 = make("ADODataSet1", "main", "GUID");
    ADODataSet2 = make("ADODataSet2", "Punkt", "GUID");
    ADODataSet3 = make("ADODataSet3", "main", "GUID");
    ADODataSet4 = make("ADODataSet4", "Punkt", "GUID");
    ADODataSet5 = make("ADODataSet5", "main", "GUID");
    ADODataSet6 = make("ADODataSet6", "Punkt", "GUID");
    ADODataSet7 = make("ADODataSet7", "main", "GUID");
    ADODataSet8 = make("ADODataSet8", "Punkt", "GUID");
    DataModuleCreate();
}

TDM::~TDM() { DataModuleDestroy(); }

QString TDM::pickerQuery()
{
    return QStringLiteral("select *\r\nfrom main \r\nwhere ((NumberSt like '%') and (Namest like '%'))");
}

QString TDM::NewGUID() { return QUuid::createUuid().toString(QUuid::WithBraces).toUpper(); }

void TDM::DataModuleCreate()
{
    const auto key = QStringLiteral("GUID");
    adsmain->setSql(mainQuery());
    adspunkt->setSql(QStringLiteral("select * from Punkt"));
    adspunkt->setMaster(adsmain, key, QStringLiteral("ref_Main"));
    adsSankciy->setSql(QStringLiteral("select * from sankciya"));
    adsSankciy->setMaster(adsmain, key, QStringLiteral("ref_punkt"));
    adstypesanck->setSql(QStringLiteral("select * from sankc_type"));

    auto articleInsert = [this](Dataset &d) { adsmainAfterInsert(d); };
    auto pointInsert = [this](Dataset &d) { adspunktAfterInsert(d); };
    adsmain->afterInsert = articleInsert;
    adspunkt->afterInsert = pointInsert;
    adsSankciy->afterInsert = [this](Dataset &d) { adsSankciyAfterInsert(d); };
    adsSankciy->afterPost = [this](Dataset &d) { adsmainAfterPost(d); };

    Dataset *pickers[][2] = {{ADODataSet1, ADODataSet2},
                             {ADODataSet3, ADODataSet4},
                             {ADODataSet5, ADODataSet6},
                             {ADODataSet7, ADODataSet8}};
    for (auto &pair : pickers) {
        pair[0]->setSql(pickerQuery());
        pair[0]->afterInsert = articleInsert;
        pair[1]->setSql(QStringLiteral("select * from Punkt"));
        pair[1]->setMaster(pair[0], key, QStringLiteral("ref_Main"));
        pair[1]->afterInsert = pointInsert;
    }

    ADOConnection1.close();
    ADOConnection1.afterConnect = [this] { ADOConnection1AfterConnect(); };
    try {
        ADOConnection1.open(AppFolder() + databaseFileName());
    } catch (const AppError &e) {
        // The program still starts: every list stays empty and the user sees why.
        Messages::showError(e.text());
    }
}

void TDM::ADOConnection1AfterConnect()
{
    for (Dataset *d : {adsmain, adspunkt, adsSankciy, adstypesanck, ADODataSet1, ADODataSet2,
                       ADODataSet3, ADODataSet4, ADODataSet5, ADODataSet6, ADODataSet7,
                       ADODataSet8})
        d->open();
}

void TDM::DataModuleDestroy()
{
    for (Dataset *d : findChildren<Dataset *>())
        d->close();
    ADOConnection1.close();
}

void TDM::linkSanctionsTo(Dataset *owner)
{
    adsSankciy->close();
    adsSankciy->setMaster(owner, QStringLiteral("GUID"), QStringLiteral("ref_punkt"));
    adsSankciy->open();
}

void TDM::adsmainAfterInsert(Dataset &dataset)
{
    dataset.setValue(QStringLiteral("GUID"), NewGUID());
}

void TDM::adspunktAfterInsert(Dataset &dataset)
{
    // Always the reference page's article, whichever dataset the point is added in.
    dataset.setValue(QStringLiteral("GUID"), NewGUID());
    dataset.setValue(QStringLiteral("ref_main"), adsmain->value(QStringLiteral("GUID")));
}

void TDM::adsSankciyAfterInsert(Dataset &dataset)
{
    dataset.setValue(QStringLiteral("ID"), NewGUID());
    const Dataset *owner = adspunkt->recordCount() > 0 ? adspunkt : adsmain;
    dataset.setValue(QStringLiteral("ref_punkt"), owner->value(QStringLiteral("GUID")));
}

void TDM::adsmainAfterPost(Dataset &sanctions)
{
    QList<SanctionTerms> terms;
    for (int row = 0; row < sanctions.recordCount(); ++row)
        terms.append({sanctions.valueAt(row, QStringLiteral("type_sankc")),
                      sanctions.valueAt(row, QStringLiteral("nakazanie")).toString()});
    const std::optional<Severity> severity = ownerSeverity(terms);
    if (!severity)
        return;

    // The owner is the record the sanctions are listed for: the current point while
    // they follow the points, the article while they follow the articles.
    Dataset *owner = sanctions.master();
    if (owner != adspunkt && owner != adsmain)
        owner = adspunkt->recordCount() > 0 ? adspunkt : adsmain;
    if (owner->recNo() < 0)
        return;

    const bool wasEditing = owner->state() == DatasetState::Edit;
    try {
        owner->edit();
        owner->setValue(QStringLiteral("Tyajest"), severityText(*severity));
        owner->post();
    } catch (const AppError &e) {
        // The sanction itself is stored; the owner keeps the category it had.
        if (!wasEditing)
            owner->cancel();
        Messages::showError(e.text());
    }
}
