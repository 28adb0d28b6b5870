#pragma once

#include "ChangeEvents.h"
#include "ConnectionSettings.h"
#include "Dataset.h"
#include "FbConnection.h"
#include "FbQuery.h"
#include "FbTransaction.h"

#include <QObject>

// The one object through which the program reaches the database: the connection,
// one dataset per list with a transaction of its own, the one-row queries, the
// identifier procedures and the start-up upgrade.
class TDM : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *InitialDatabaseName = "ZANDEROL.DAT";

    explicit TDM(QObject *parent = nullptr);
    // Closing the connection commits every transaction still active.
    ~TDM() override;

    FbConnection Baza;

    FbTransaction trZwykle{Baza}, trPodatkowe{Baza}, trZusowe{Baza};
    FbTransaction trAdresaci{Baza}, trUrzedy{Baza}, trTytuly{Baza};
    FbTransaction trSzZwykle{Baza}, trSzPodatkowe{Baza};
    FbTransaction trZwykly{Baza}, trPodatkowy{Baza}, trZus{Baza};
    FbTransaction PodatkoweTrans{Baza, FbTransaction::Kind::ReadCommittedNoWait};
    FbTransaction UstawoweTrans{Baza, FbTransaction::Kind::ReadCommittedNoWait};
    FbTransaction trq{Baza}, TrFunc{Baza}, trUpg{Baza};

    Dataset Zwykle{trZwykle, QStringLiteral("Zwykle")};
    Dataset Podatkowe{trPodatkowe, QStringLiteral("Podatkowe")};
    Dataset Zusowe{trZusowe, QStringLiteral("Zusowe")};
    Dataset Adresaci{trAdresaci, QStringLiteral("Adresaci")};
    Dataset Urzedy{trUrzedy, QStringLiteral("Urzedy")};
    Dataset Tytuly{trTytuly, QStringLiteral("Tytuly")};
    Dataset szZwykle{trSzZwykle, QStringLiteral("szZwykle")};
    Dataset szPodatkowe{trSzPodatkowe, QStringLiteral("szPodatkowe")};
    Dataset Zwykly{trZwykly, QStringLiteral("Zwykly")};
    Dataset Podatkowy{trPodatkowy, QStringLiteral("Podatkowy")};
    Dataset Zus{trZus, QStringLiteral("Zus")};
    Dataset OdsetkiPod{PodatkoweTrans, QStringLiteral("OdsetkiPod")};
    Dataset OdsetkiUst{UstawoweTrans, QStringLiteral("OdsetkiUst")};
    Dataset q{trq, QStringLiteral("q")};

    FbQuery GetNewPrzelewId{TrFunc}, GetNewAdresatId{TrFunc}, GetNewTytulId{TrFunc};
    FbQuery GetNewUrzadId{TrFunc}, GetNewWpisId{TrFunc};
    FbQuery Upg{trUpg};

    // The other desktops' changes, announced by the tables' triggers: one event per
    // table, named as the table.
    ChangeEvents Changes{Baza, ChangeEventTables()};

    void ShowWarning(const QString &text);
    bool AskConfirmation(const QString &text);

    qint32 NewTransferId();
    qint32 NewContractorId();
    qint32 NewTitleId();
    qint32 NewTaxOfficeId();
    qint32 NewRateEntryId();
    // The number an identifier procedure draws, within the transaction of its query: a
    // store of many rows draws them without a commit of their own each.
    static qint32 IdFrom(FbQuery &procedure);

    void ReopenOrdinaryList(qint32 id);
    void ReopenTaxList(qint32 id);
    void ReopenZusList(qint32 id);
    void ReopenOrdinaryTemplates(qint32 id);
    void ReopenTaxTemplates(qint32 contractorId, qint32 templateId);
    void ReopenContractors(qint32 id);
    void ReopenTaxOffices(qint32 id = 0);
    void ReopenTitles(qint32 id = 0);

    // Reads the list again in a new transaction, standing on the row it stood on when
    // that row is still there, else on its neighbour.
    void ReopenOnCurrentRow(Dataset &list);
    // The list that shows the table whose change the event of that name announces.
    Dataset *ListOfChangeEvent(const QString &name);

    void OpenOrdinaryRecord(qint32 id);
    void OpenTaxRecord(qint32 id);
    void OpenZusRecord(qint32 id);

    // The general-purpose query: commits trq (closing q), starts it, sets the text, opens.
    void OpenQuery(const QString &sql);

    void UpgradeContractorsTable();
    void EnsureZusTable();
    // The invoice an ordinary order pays (seller's NIP, invoice and KSeF numbers, split
    // payment and its VAT); left out, as the triggers are, for a user who may not alter
    // the table.
    void EnsureOrdinaryInvoiceColumns();
    // A database made before the tables announced their changes gets the triggers; a
    // user without the right to alter the tables leaves them out, and the lists then
    // refresh only on demand.
    void EnsureChangeTriggers();

    // Connects to the database named in the configuration file, upgrades it and opens
    // the lists. False, with nothing else touched, when the connection cannot be made;
    // an error after the connection (upgrade, opening a list) is thrown to the caller.
    bool ConnectDatabase();
    // The same with the database and login given (read and completed at start-up).
    bool ConnectDatabase(const ConnectionSettings &settings);

    static void ReportDuplicateName(Dataset &dataset, const FbError &error, Dataset::PostErrorAction &action,
                                    const QString &message);
    void AdresaciPostError(Dataset &dataset, const FbError &error, Dataset::PostErrorAction &action);
    void UrzedyPostError(Dataset &dataset, const FbError &error, Dataset::PostErrorAction &action);
    void TytulyPostError(Dataset &dataset, const FbError &error, Dataset::PostErrorAction &action);
    void szZwyklePostError(Dataset &dataset, const FbError &error, Dataset::PostErrorAction &action);

    static QString ZusTableStatement();
    static QString ContractorsUpgradeStatement();
    static QString OrdinaryInvoiceColumnsStatement();
    static QStringList ChangeEventTables();
    static QString ChangeTriggerName(const QString &table);
    static QString ChangeTriggerStatement(const QString &table);

private:
    qint32 newId(FbQuery &procedure);
    static qint32 checkedId(const FbQuery &procedure, const QVariant &number);
    void reopen(Dataset &list, const QString &keyField, qint32 id, bool suspendViews);
    // Stands on the first of the rows found, in the order given.
    void reopen(Dataset &list, const QString &keyField, const QList<qint32> &ids, bool suspendViews);
    void openRecord(Dataset &record, qint32 id);
};

// The single instance, created first at start-up.
extern TDM *DM;
