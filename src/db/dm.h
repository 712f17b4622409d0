#pragma once

#include "platform/dataset.h"
#include "platform/sqliteconnection.h"

#include <QObject>

#include <memory>

// The data module: the only connection to the Code database and every dataset through
// which the rest of the program reads and writes it.
class TDM : public QObject {
    Q_OBJECT
public:
    // DataModuleCreate: opens AppFolder() + "Zorvant.mdb". A file that cannot be opened
    // is reported in the error box; the program then runs with every list empty.
    explicit TDM(QObject *parent = nullptr);
    // DataModuleDestroy.
    ~TDM() override;

    static QString databaseFileName() { return QStringLiteral("Zorvant.mdb"); }
    static QString mainQuery() { return QStringLiteral("select * from main \r\n"); }
    static QString pickerQuery();

    SqliteConnection ADOConnection1;

    Dataset *adsmain;
    Dataset *adspunkt;
    Dataset *adsSankciy;
    Dataset *adstypesanck;
    Dataset *ADODataSet1;
    Dataset *ADODataSet2;
    Dataset *ADODataSet3;
    Dataset *ADODataSet4;
    Dataset *ADODataSet5;
    Dataset *ADODataSet6;
    Dataset *ADODataSet7;
    Dataset *ADODataSet8;

    // Points of one article to its sanctions' owner: adspunkt while the current article
    // has points, adsmain otherwise. Closes and reopens adsSankciy.
    void linkSanctionsTo(Dataset *owner);

    static QString NewGUID();
    void adsmainAfterInsert(Dataset &dataset);
    void adspunktAfterInsert(Dataset &dataset);
    void adsSankciyAfterInsert(Dataset &dataset);
    void adsmainAfterPost(Dataset &sanctions);

private:
    void DataModuleCreate();
    void ADOConnection1AfterConnect();
    void DataModuleDestroy();
};
