#include "FDM.h"

#include "FailureReport.h"
#include "FieldCaptions.h"
#include "MessageSeam.h"
#include "TableColumns.h"

TDM *DM = nullptr;

namespace {

// The lists that follow their table's changes, with whether their views pause while
// they are read again (as the lists of the main window and the templates do).
struct WatchedList
{
    const char *table;
    Dataset TDM::*list;
    bool suspendViews;
};

constexpr WatchedList WatchedLists[] = {
    {"ZWYKLE", &TDM::Zwykle, true},         {"PODATKOWE", &TDM::Podatkowe, true},
    {"ZUS", &TDM::Zusowe, true},            {"ADRESACI", &TDM::Adresaci, false},
    {"URZEDY", &TDM::Urzedy, false},        {"TYTULY", &TDM::Tytuly, false},
    {"SZZWYKLE", &TDM::szZwykle, true},     {"SZPODATKOWE", &TDM::szPodatkowe, true},
    {"ODSETKIPOD", &TDM::OdsetkiPod, false}, {"ODSETKIUST", &TDM::OdsetkiUst, false},
};

struct ListDefinition
{
    Dataset &dataset;
    const char *table;
    const char *key;
    QString select;
};

}

TDM::TDM(QObject *parent) : QObject(parent)
{
    DM = this;
    Baza.setDatabaseName(QString::fromLatin1(InitialDatabaseName));

    // Named in the message that lists what could not be saved at the end of the run.
    const std::pair<FbTransaction &, const char *> descriptions[] = {
        {trZwykle, "przelewy zwykłe"}, {trPodatkowe, "przelewy podatkowe"}, {trZusowe, "przelewy ZUS"},
        {trAdresaci, "kontrahenci"}, {trUrzedy, "organy podatkowe"}, {trTytuly, "tytuły zapłaty"},
        {trSzZwykle, "szablony przelewów zwykłych"}, {trSzPodatkowe, "szablony przelewów podatkowych"},
        {trZwykly, "odczyt przelewu zwykłego"}, {trPodatkowy, "odczyt przelewu podatkowego"},
        {trZus, "odczyt przelewu ZUS"}, {PodatkoweTrans, "stopy odsetek podatkowych"},
        {UstawoweTrans, "stopy odsetek ustawowych"}, {trq, "zapytanie pomocnicze"},
        {TrFunc, "numeracja pozycji"}, {trUpg, "aktualizacja bazy danych"},
    };
    for (const auto &[transaction, description] : descriptions)
        transaction.setDescription(QString::fromUtf8(description));

    const ListDefinition lists[] = {
        {Zwykle, "ZWYKLE", "PRZELEWID", "select *\nfrom ZWYKLE\norder by PRZELEWID desc"},
        {Podatkowe, "PODATKOWE", "PRZELEWID", "select *\nfrom PODATKOWE\norder by PRZELEWID desc"},
        {Zusowe, "ZUS", "PRZELEWID", "select *\nfrom ZUS\norder by PRZELEWID desc"},
        {Adresaci, "ADRESACI", "ADRESATID", TableColumns::selectSql(QStringLiteral("ADRESACI")) + "\norder by NAZWA"},
        {Urzedy, "URZEDY", "URZADID", "select *\nfrom URZEDY\norder by URZADID"},
        {Tytuly, "TYTULY", "TYTULID", "select *\nfrom TYTULY\norder by NAZWA"},
        {szZwykle, "SZZWYKLE", "PRZELEWID", "select *\nfrom SZZWYKLE\norder by NAZWA"},
        {szPodatkowe, "SZPODATKOWE", "PRZELEWID", "select *\nfrom SZPODATKOWE\nwhere KontrahId=:KontrahId\norder by Nazwa"},
        {OdsetkiPod, "ODSETKIPOD", "WPISID", "select *\nfrom OdsetkiPod\norder by OdDnia"},
        {OdsetkiUst, "ODSETKIUST", "WPISID", "select *\nfrom OdsetkiUst\norder by OdDnia"},
    };
    for (const ListDefinition &list : lists) {
        const QString table = QString::fromLatin1(list.table);
        const QString key = QString::fromLatin1(list.key);
        list.dataset.setSelectSql(list.select);
        list.dataset.setKeyField(key);
        list.dataset.setInsertSql(TableColumns::insertSql(table));
        list.dataset.setUpdateSql(TableColumns::updateSql(table, key));
        list.dataset.setDeleteSql(TableColumns::deleteSql(table, key));
        list.dataset.setFieldCaptions(FieldCaptions::of(table));
    }
    // Read committed, the rate lists would store over another desktop's committed change
    // without a word: their changes require the row as read, and touching none tells.
    for (const auto &[rates, table] :
         {std::pair<Dataset &, const char *>{OdsetkiPod, "ODSETKIPOD"}, {OdsetkiUst, "ODSETKIUST"}}) {
        rates.setUpdateSql(TableColumns::comparingUpdateSql(QString::fromLatin1(table), QStringLiteral("WPISID")));
        rates.setDeleteSql(TableColumns::comparingDeleteSql(QString::fromLatin1(table), QStringLiteral("WPISID")));
        rates.setRowCountCheck();
    }

    Zwykly.setSelectSql(QStringLiteral("select  *\nfrom ZWYKLE\nwhere PrzelewId=:PrzelewId"));
    Podatkowy.setSelectSql(QStringLiteral("select  *\nfrom Podatkowe\nwhere PrzelewId=:PrzelewId"));
    Zus.setSelectSql(QStringLiteral("select  *\nfrom ZUS\nwhere PrzelewId=:PrzelewId"));

    GetNewPrzelewId.setSql(QStringLiteral("EXECUTE PROCEDURE GETPRZELEWID"));
    GetNewAdresatId.setSql(QStringLiteral("EXECUTE PROCEDURE GETADRESATID"));
    GetNewTytulId.setSql(QStringLiteral("EXECUTE PROCEDURE GETTYTULID"));
    GetNewUrzadId.setSql(QStringLiteral("EXECUTE PROCEDURE GETURZADID"));
    GetNewWpisId.setSql(QStringLiteral("EXECUTE PROCEDURE GETWPISID"));

    using namespace std::placeholders;
    Adresaci.setPostErrorHandler(std::bind(&TDM::AdresaciPostError, this, _1, _2, _3));
    Urzedy.setPostErrorHandler(std::bind(&TDM::UrzedyPostError, this, _1, _2, _3));
    Tytuly.setPostErrorHandler(std::bind(&TDM::TytulyPostError, this, _1, _2, _3));
    szZwykle.setPostErrorHandler(std::bind(&TDM::szZwyklePostError, this, _1, _2, _3));
}

TDM::~TDM()
{
    // The user learns what could not be saved; a connection already reported lost is not reported again.
    try {
        Baza.close();
    } catch (const FbError &error) {
        ReportFailure(error);
    }
    if (DM == this)
        DM = nullptr;
}

void TDM::ShowWarning(const QString &text)
{
    MessageSeam::warning(text);
}

bool TDM::AskConfirmation(const QString &text)
{
    return MessageSeam::confirm(text);
}

qint32 TDM::newId(FbQuery &procedure)
{
    TrFunc.commit();
    TrFunc.start();
    procedure.execute();
    const QVariant number = procedure.output(QStringLiteral("NUM"));
    TrFunc.commit();
    return checkedId(procedure, number);
}

qint32 TDM::IdFrom(FbQuery &procedure)
{
    procedure.execute();
    return checkedId(procedure, procedure.output(QStringLiteral("NUM")));
}

qint32 TDM::checkedId(const FbQuery &procedure, const QVariant &number)
{
    // Identifiers are positive: a row numbered NULL or 0 could never be found again.
    if (!number.isValid() || number.toLongLong() <= 0)
        throw FbError(QStringLiteral("Baza danych nie wydała numeru nowej pozycji (procedura %1 zwróciła %2).")
                          .arg(procedure.sql().section(u' ', -1),
                               number.isValid() ? number.toString() : QStringLiteral("pustą wartość")));
    return number.toInt();
}

qint32 TDM::NewTransferId() { return newId(GetNewPrzelewId); }
qint32 TDM::NewContractorId() { return newId(GetNewAdresatId); }
qint32 TDM::NewTitleId() { return newId(GetNewTytulId); }
qint32 TDM::NewTaxOfficeId() { return newId(GetNewUrzadId); }
qint32 TDM::NewRateEntryId() { return newId(GetNewWpisId); }

void TDM::reopen(Dataset &list, const QString &keyField, qint32 id, bool suspendViews)
{
    reopen(list, keyField, QList<qint32>{id}, suspendViews);
}

void TDM::reopen(Dataset &list, const QString &keyField, const QList<qint32> &ids, bool suspendViews)
{
    if (suspendViews)
        list.disableControls();
    try {
        list.transaction().commit();
        list.transaction().start();
        list.open();
        // Identifiers are positive: 0 asks for the first row, and must not read the whole list.
        for (const qint32 id : ids)
            if (keyField.isEmpty() || id <= 0 || list.locate(keyField, id))
                break;
    } catch (...) {
        if (suspendViews)
            list.enableControls();
        throw;
    }
    if (suspendViews)
        list.enableControls();
}

void TDM::ReopenOrdinaryList(qint32 id) { reopen(Zwykle, QStringLiteral("PRZELEWID"), id, true); }
void TDM::ReopenTaxList(qint32 id) { reopen(Podatkowe, QStringLiteral("PRZELEWID"), id, true); }
void TDM::ReopenZusList(qint32 id) { reopen(Zusowe, QStringLiteral("PRZELEWID"), id, true); }
void TDM::ReopenOrdinaryTemplates(qint32 id) { reopen(szZwykle, QStringLiteral("PRZELEWID"), id, true); }
void TDM::ReopenContractors(qint32 id) { reopen(Adresaci, QStringLiteral("ADRESATID"), id, false); }
void TDM::ReopenTaxOffices(qint32 id) { reopen(Urzedy, QStringLiteral("URZADID"), id, false); }
void TDM::ReopenTitles(qint32 id) { reopen(Tytuly, QStringLiteral("TYTULID"), id, false); }

void TDM::ReopenTaxTemplates(qint32 contractorId, qint32 templateId)
{
    szPodatkowe.disableControls();
    try {
        trSzPodatkowe.commit();
        trSzPodatkowe.start();
        szPodatkowe.setParam(QStringLiteral("KontrahId"), contractorId);
        szPodatkowe.open();
        if (templateId > 0)
            szPodatkowe.locate(QStringLiteral("PRZELEWID"), templateId);
    } catch (...) {
        szPodatkowe.enableControls();
        throw;
    }
    szPodatkowe.enableControls();
}

void TDM::openRecord(Dataset &record, qint32 id)
{
    record.transaction().commit();
    record.transaction().start();
    record.setParam(QStringLiteral("PrzelewId"), id);
    record.open();
}

void TDM::OpenOrdinaryRecord(qint32 id) { openRecord(Zwykly, id); }
void TDM::OpenTaxRecord(qint32 id) { openRecord(Podatkowy, id); }
void TDM::OpenZusRecord(qint32 id) { openRecord(Zus, id); }

void TDM::OpenQuery(const QString &sql)
{
    trq.commit();
    trq.start();
    q.setSelectSql(sql);
    q.open();
}

QString TDM::ContractorsUpgradeStatement()
{
    QStringList lines{QStringLiteral("ALTER TABLE Adresaci"), QStringLiteral("ADD TYP_ID_ZUS VARCHAR(1),")};
    for (const char *form : {"ZW", "POD", "ZUS"})
        for (const char *line : {"A", "B", "C", "D"})
            lines << QStringLiteral("ADD PODPIS_%1_%2 VARCHAR(30) CHARACTER SET WIN1250 COLLATE PXW_PLK,")
                         .arg(QLatin1String(line), QLatin1String(form));
    lines.last().chop(1);
    return lines.join(u'\n');
}

QString TDM::ZusTableStatement()
{
    static const char *const lines[] = {
        "CREATE TABLE ZUS (",
        "PRZELEWID INTEGER NOT NULL,",
        "PRZELEW\tD_BOOL,",
        "TYP_WPL_51  CHAR(1),",
        "TYP_WPL_52  CHAR(1),",
        "TYP_WPL_53  CHAR(1),",
        "KWOTA_51 D_CURRENCY NOT NULL,",
        "KWOTA_52 D_CURRENCY NOT NULL,",
        "KWOTA_53 D_CURRENCY NOT NULL,",
        "NR_DEC_51 VARCHAR(50) CHARACTER SET WIN1250 COLLATE PXW_PLK,",
        "NR_DEC_52 VARCHAR(50) CHARACTER SET WIN1250 COLLATE PXW_PLK,",
        "NR_DEC_53 VARCHAR(50) CHARACTER SET WIN1250 COLLATE PXW_PLK,",
        "NADAWCAID INTEGER,",
        "NAZWA1_NAD VARCHAR(50) CHARACTER SET WIN1250 COLLATE PXW_PLK,",
        "NAZWA2_NAD VARCHAR(50) CHARACTER SET WIN1250 COLLATE PXW_PLK,",
        "KONTO_NAD\tVARCHAR(50) CHARACTER SET WIN1250 COLLATE PXW_PLK,",
        "NIP_NAD VARCHAR(20) CHARACTER SET WIN1250 COLLATE PXW_PLK,",
        "TYP_IDENT CHAR(1),",
        "IDENT_UZUP VARCHAR(50) CHARACTER SET WIN1250 COLLATE PXW_PLK,",
        "ROK_DEKL INTEGER,",
        "MIES_DEKL INTEGER,",
        "NR_DEKL VARCHAR(2),",
        "PODPIS_A\tVARCHAR(30) CHARACTER SET WIN1250 COLLATE PXW_PLK,",
        "PODPIS_B\tVARCHAR(30) CHARACTER SET WIN1250 COLLATE PXW_PLK,",
        "PODPIS_C\tVARCHAR(30) CHARACTER SET WIN1250 COLLATE PXW_PLK,",
        "PODPIS_D VARCHAR(30) CHARACTER SET WIN1250 COLLATE PXW_PLK,",
        "DATA_PRZEK\tTIMESTAMP,",
        "DATA_WPR\tTIMESTAMP NOT NULL,",
        "OPERATORID INTEGER,",
        "WYDRUKOWANO D_BOOL,",
        "CONSTRAINT PK_ZUS_PRZELEWID PRIMARY KEY (PRZELEWID) );",
    };
    QStringList text;
    for (const char *line : lines)
        text << QString::fromLatin1(line);
    return text.join(u'\n');
}

QString TDM::OrdinaryInvoiceColumnsStatement()
{
    return QStringLiteral("ALTER TABLE ZWYKLE\n"
                          "ADD NIP_ODB VARCHAR(10) CHARACTER SET WIN1250 COLLATE PXW_PLK,\n"
                          "ADD NR_FAKTURY VARCHAR(256) CHARACTER SET WIN1250 COLLATE PXW_PLK,\n"
                          "ADD NR_KSEF VARCHAR(36) CHARACTER SET WIN1250 COLLATE PXW_PLK,\n"
                          "ADD MPP D_BOOL DEFAULT 'N',\n"
                          "ADD KWOTA_VAT D_CURRENCY");
}

void TDM::EnsureOrdinaryInvoiceColumns()
{
    OpenQuery(QStringLiteral("SELECT RDB$FIELD_NAME\nFROM RDB$RELATION_FIELDS\n"
                             "WHERE RDB$RELATION_NAME = 'ZWYKLE' AND RDB$FIELD_NAME = 'NR_KSEF'"));
    const bool present = !q.isEmpty();
    trq.commit();
    if (present)
        return;
    trUpg.commit();
    trUpg.start();
    try {
        Upg.setSql(OrdinaryInvoiceColumnsStatement());
        Upg.execute();
        trUpg.commit();
        // The default applies to rows stored from now on; the older ones were all typed by hand.
        trUpg.start();
        Upg.setSql(QStringLiteral("UPDATE ZWYKLE SET MPP = 'N'"));
        Upg.execute();
        trUpg.commit();
    } catch (const FbError &error) {
        trUpg.rollback();
        // The office role may not alter tables: the owner's next start adds the columns.
        if (!error.hasCode(FbError::NoPermission))
            throw;
    }
}

void TDM::UpgradeContractorsTable()
{
    OpenQuery(QStringLiteral("SELECT *\nFROM Adresaci\nWHERE AdresatId=0"));
    const bool upgraded = q.fieldNames().contains(QStringLiteral("TYP_ID_ZUS"));
    // Only the columns mattered: no snapshot of the start is kept for the whole run.
    trq.commit();
    if (upgraded)
        return;
    trUpg.commit();
    trUpg.start();
    Upg.setSql(ContractorsUpgradeStatement());
    Upg.execute();
    trUpg.commit();
}

void TDM::EnsureZusTable()
{
    OpenQuery(QStringLiteral("SELECT RDB$RELATION_NAME\nFROM RDB$RELATIONS\nWHERE RDB$RELATION_NAME = 'ZUS'"));
    const bool present = !q.isEmpty();
    trq.commit();
    if (present)
        return;
    trUpg.commit();
    trUpg.start();
    try {
        Upg.setSql(ZusTableStatement());
        Upg.execute();
        Upg.setSql(QStringLiteral("CREATE DESC INDEX Zus_Natural ON ZUS(PrzelewId)"));
        Upg.execute();
    } catch (...) {
        trUpg.commit();
        throw;
    }
    trUpg.commit();
}

bool TDM::ConnectDatabase()
{
    return ConnectDatabase(ReadConnectionSettings());
}

bool TDM::ConnectDatabase(const ConnectionSettings &settings)
{
    try {
        Baza.close();
    } catch (const FbError &) {
        // A connection that cannot even close cleanly is gone either way.
    }
    try {
        Baza.setDatabaseName(settings.database);
        Baza.setLogin(settings.user, settings.password);
        Baza.open();
    } catch (const FbError &) {
        return false;
    }
    UpgradeContractorsTable();
    Adresaci.open();
    EnsureZusTable();
    EnsureOrdinaryInvoiceColumns();
    EnsureChangeTriggers();
    ReopenOrdinaryList(0);
    ReopenTaxList(0);
    ReopenZusList(0);
    ReopenContractors(0);
    ReopenTaxOffices();
    ReopenTitles();
    ReopenOrdinaryTemplates(0);
    Changes.listen();
    return true;
}

void TDM::ReportDuplicateName(Dataset &dataset, const FbError &error, Dataset::PostErrorAction &action,
                              const QString &message)
{
    if (!error.hasCode(FbError::DuplicateInUniqueIndex))
        return;
    MessageSeam::warning(message);
    dataset.cancel();
    action = Dataset::PostErrorAction::Abort;
}

void TDM::AdresaciPostError(Dataset &dataset, const FbError &error, Dataset::PostErrorAction &action)
{
    ReportDuplicateName(dataset, error, action, QStringLiteral("Nazwa kontrahenta nie może się powtarzać!"));
}

void TDM::UrzedyPostError(Dataset &dataset, const FbError &error, Dataset::PostErrorAction &action)
{
    ReportDuplicateName(dataset, error, action, QStringLiteral("Nazwa organu podatkowego nie może się powtarzać!"));
}

void TDM::TytulyPostError(Dataset &dataset, const FbError &error, Dataset::PostErrorAction &action)
{
    ReportDuplicateName(dataset, error, action, QStringLiteral("Nazwa tytułu zapłaty nie może się powtarzać!"));
}

void TDM::szZwyklePostError(Dataset &dataset, const FbError &error, Dataset::PostErrorAction &action)
{
    ReportDuplicateName(dataset, error, action, QStringLiteral("Nazwa szablonu przelewu nie może się powtarzać!"));
}

QStringList TDM::ChangeEventTables()
{
    QStringList tables;
    for (const WatchedList &watched : WatchedLists)
        tables << QString::fromLatin1(watched.table);
    return tables;
}

QString TDM::ChangeTriggerName(const QString &table)
{
    return table + QStringLiteral("_ZMIANY");
}

QString TDM::ChangeTriggerStatement(const QString &table)
{
    return QStringLiteral("CREATE TRIGGER %1 FOR %2 ACTIVE AFTER INSERT OR UPDATE OR DELETE POSITION 0 AS\n"
                          "BEGIN\n  POST_EVENT '%2';\nEND")
        .arg(ChangeTriggerName(table), table);
}

void TDM::EnsureChangeTriggers()
{
    OpenQuery(QStringLiteral("SELECT RDB$TRIGGER_NAME\nFROM RDB$TRIGGERS\nWHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    q.fetchAll();
    QStringList present;
    for (int row = 0; row < q.fetchedCount(); ++row)
        present << q.valueAt(row, 0).toString().trimmed();
    trq.commit();
    QStringList missing;
    for (const QString &table : ChangeEventTables())
        if (!present.contains(ChangeTriggerName(table)))
            missing << table;
    if (missing.isEmpty())
        return;
    trUpg.commit();
    trUpg.start();
    try {
        for (const QString &table : missing) {
            Upg.setSql(ChangeTriggerStatement(table));
            Upg.execute();
        }
        trUpg.commit();
    } catch (const FbError &error) {
        trUpg.rollback();
        if (!error.hasCode(FbError::NoPermission))
            throw;
    }
}

Dataset *TDM::ListOfChangeEvent(const QString &name)
{
    for (const WatchedList &watched : WatchedLists)
        if (name == QLatin1String(watched.table))
            return &(this->*watched.list);
    return nullptr;
}

void TDM::ReopenOnCurrentRow(Dataset &list)
{
    // A row another desktop deleted leaves the list on its neighbour, the row below it
    // (above it at the end), not on the first row, far from where the user was.
    QList<qint32> ids;
    const int row = list.currentRow();
    for (const int at : {row, row + 1, row - 1})
        if (row >= 0 && at >= 0 && at < list.fetchedCount())
            ids << list.valueAt(at, list.keyField()).toInt();
    for (const WatchedList &watched : WatchedLists)
        if (&(this->*watched.list) == &list)
            reopen(list, list.keyField(), ids, watched.suspendViews);
}
