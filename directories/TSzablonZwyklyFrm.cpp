#include "TSzablonZwyklyFrm.h"

#include "AccountEdit.h"
#include "FDM.h"
#include "FormParts.h"
#include "Globals.h"
#include "NameLine.h"
#include "OperationKind.h"
#include "OrdinaryOrderFields.h"

#include <QGridLayout>

TSzablonZwyklyFrm::TSzablonZwyklyFrm(QWidget *parent)
    : DirectoryEditor({.objectName = "TSzablonZwyklyFrm",
                       .caption = QStringLiteral("Przelew zwykły - szablon"),
                       .dataset = &DM->szZwykle,
                       .keyField = QStringLiteral("PRZELEWID"),
                       .newId = [] { return DM->NewTransferId(); },
                       .afterStore = [](qint32 id) { DM->ReopenOrdinaryTemplates(id); },
                       .gone = TemplateGone},
                      parent)
{
    QWidget *form = Form();
    EdNazwa = Named(new NameLine(form), "EdNazwa");
    fields_ = new OrdinaryOrderFields(
        form, {QStringLiteral("Nazwa &odbiorcy"), QStringLiteral("Numer &rachunku odbiorcy"),
               QStringLiteral("Numer rachunku zleceniodawcy"), QStringLiteral("&Tytuł zapłaty")});
    EdKonto_Nad = Named(new AccountEdit(form), "EdKonto_Nad");
    fields_->SetSenderField(EdKonto_Nad, [this](const QString &account) {
        // A deposit keeps the sender's account as it was.
        if (fields_->EdOperacja->IsTransfer())
            EdKonto_Nad->SetDigits(account);
        EdKonto_Nad->Check();
    });

    auto *layout = new QGridLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    layout->addWidget(Caption(QStringLiteral("&Nazwa szablonu (identyfikator)"), EdNazwa, form), row++, 0, 1, 2);
    layout->addWidget(EdNazwa, row++, 0);
    fields_->AddRows(layout, row);

    QWidget *previous = EdNazwa;
    for (QWidget *field : fields_->FocusChain()) {
        setTabOrder(previous, field);
        previous = field;
    }

    SetNameField(EdNazwa);
    const auto identifier = [this](const QString &column, qint32 &remembered) {
        Bind(column, [&remembered] { return QVariant(remembered); },
             [&remembered](const QVariant &value) { remembered = value.toInt(); }, 0);
    };
    identifier(QStringLiteral("ODBIORCAID"), fields_->OdbiorcaId);
    identifier(QStringLiteral("NADAWCAID"), fields_->NadawcaId);
    identifier(QStringLiteral("TYTULID"), fields_->TytulId);
    BindLine(EdNazwa, QStringLiteral("NAZWA"));
    BindLine(fields_->EdNazwa1_Odb, QStringLiteral("NAZWA1_ODB"));
    BindLine(fields_->EdNazwa2_Odb, QStringLiteral("NAZWA2_ODB"));
    BindAccount(fields_->EdKonto_Odb, QStringLiteral("KONTO_ODB"));
    OperationKind *kind = fields_->EdOperacja;
    Bind(QStringLiteral("PRZELEW"), [kind] { return QVariant(OperationKind::Code(kind->IsTransfer())); },
         [kind](const QVariant &value) { kind->SetTransfer(OperationKind::IsTransferCode(value)); },
         OperationKind::Code(true));
    BindAmount(fields_->EdKwota, QStringLiteral("KWOTA"));
    BindAccount(EdKonto_Nad, QStringLiteral("KONTO_NAD"));
    BindLine(fields_->EdNazwa1_Nad, QStringLiteral("NAZWA1_NAD"));
    BindLine(fields_->EdNazwa2_Nad, QStringLiteral("NAZWA2_NAD"));
    BindLine(fields_->EdTytul1, QStringLiteral("TYTUL1_ZAPL"));
    BindLine(fields_->EdTytul2, QStringLiteral("TYTUL2_ZAPL"));

    RequireLine(EdNazwa, QStringLiteral("Nazwa szablonu musi być podana."));
    AccountEdit *recipientAccount = fields_->EdKonto_Odb;
    AddCheck([recipientAccount] { return !IsValidAccount(recipientAccount->text()); },
             QStringLiteral("Numer rachunku odbiorcy jest nieprawidłowy."), nullptr);
    AddCheck([this] { return !IsValidAccount(EdKonto_Nad->text()); },
             QStringLiteral("Numer rachunku zleceniodawcy jest nieprawidłowy."), nullptr);
}

