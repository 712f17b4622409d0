#include "dm.h"

#include "platform/appfolder.h"

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

void TDM::linkSanctionsTo(Dataset *) {}
void TDM::adsmainAfterInsert(Dataset &) {}
void TDM::adspunktAfterInsert(Dataset &) {}
void TDM::adsSankciyAfterInsert(Dataset &) {}
void TDM::adsmainAfterPost(Dataset &) {}
void TDM::DataModuleCreate() {}
void TDM::ADOConnection1AfterConnect() {}
void TDM::DataModuleDestroy() {}
