#include "Layouts.h"

#include "DateValue.h"
#include "Globals.h"
#include "LayoutRenderer.h"
#include "PaymentCode.h"
#include "PrintTarget.h"

namespace {

QString dateText(const QDate &date, bool printDate)
{
    if (!printDate || !DateValue::isSet(date))
        return QString();
    return date.toString(QStringLiteral("dd-MM-yyyy"));
}

FieldReader ordinaryFields(const TZwykly &record, bool printDate)
{
    return [&record, printDate](Field field) -> QStringList {
        switch (field) {
        case Field::RecipientName1: return {record.RecipientName1};
        case Field::RecipientName2: return {record.RecipientName2};
        case Field::RecipientAccount: return {record.RecipientAccountDigits()};
        case Field::Amount: return {record.AmountText()};
        case Field::AccountOrWords:
            return {record.IsTransfer ? record.SenderAccountDigits() : AmountInWords(record.Amount)};
        case Field::SenderName1: return {record.SenderName1};
        case Field::SenderName2: return {record.SenderName2};
        case Field::Title1: return {record.Title1};
        case Field::Title2: return {record.Title2};
        case Field::TransferDate: return {dateText(record.TransferDate, printDate)};
        default: return {};
        }
    };
}

FieldReader taxFields(const TPodatkowy &record, bool printDate)
{
    return [&record, printDate](Field field) -> QStringList {
        switch (field) {
        case Field::RecipientName1: return {record.RecipientName1};
        case Field::RecipientName2: return {record.RecipientName2};
        case Field::RecipientAccount: return {record.RecipientAccountDigits()};
        case Field::Amount: return {record.AmountText()};
        case Field::AccountOrWords:
            return {record.IsTransfer ? record.SenderAccountDigits() : AmountInWords(record.Amount())};
        case Field::SenderName1: return {record.SenderName1};
        case Field::SenderName2: return {record.SenderName2};
        case Field::PayerIdentifier: return {record.PayerIdentifier};
        case Field::PayerIdentifierType: return {record.PayerIdentifierType};
        case Field::Period: return {record.Period};
        case Field::FormSymbol: return {record.FormSymbol};
        case Field::ObligationId: return {record.ObligationId};
        case Field::TransferDate: return {dateText(record.TransferDate, printDate)};
        default: return {};
        }
    };
}

// The recipient's account differs per component only in its check digits and one digit of the fund.
QString checkDigits(int component)
{
    switch (component) {
    case 51: return QStringLiteral("83");
    case 52: return QStringLiteral("78");
    case 53: return QStringLiteral("73");
    }
    return QString();
}

QString fundDigit(int component)
{
    switch (component) {
    case 51: return QStringLiteral("1");
    case 52: return QStringLiteral("2");
    case 53: return QStringLiteral("3");
    }
    return QString();
}

FieldReader zusFields(const TZUS &record)
{
    return [&record](Field field) -> QStringList {
        const int component = record.CurrentComponent();
        switch (field) {
        case Field::CheckDigits: return {checkDigits(component)};
        case Field::FundDigit: return {fundDigit(component)};
        case Field::Amount: return {record.AmountText(component)};
        case Field::AccountOrWords:
            return {record.IsTransfer ? record.SenderAccountDigits()
                                      : AmountInWords(record.ComponentAmount(component))};
        case Field::SenderName1: return {record.SenderName1};
        case Field::SenderName2: return {record.SenderName2};
        case Field::Nip: return {record.NipDigits()};
        case Field::SecondIdType: return {record.SecondIdType};
        case Field::SecondId: return {record.SecondId};
        case Field::PaymentType: return {record.PaymentType(component)};
        case Field::DeclarationNumber: return {record.DeclarationNumber};
        case Field::DeclarationPeriod: return {record.DeclarationPeriod()};
        case Field::DecisionNumber: return {record.DecisionNumber(component)};
        // The fourth signature line has no place on the form.
        case Field::Signature: return {record.SignatureLine(1), record.SignatureLine(2), record.SignatureLine(3)};
        default: return {};
        }
    };
}

}

PageReport PrintF110(PrintTarget &target, const TZwykly &record, bool upperCase, bool printDate)
{
    PlaceItems code;
    // The form starts 60 mm from the sheet's left edge: the code fits in the strip beside its first copy.
    if (target.showsPaymentCode() && HasPaymentCode(record))
        code = [&record](TPrn &prn, const CopyPlacement &copies) {
            DrawPaymentCode(prn, copies.origin + QPoint(-prn.MmToX(PaymentCodeWidthMm + 12), prn.MmToY(4)), record);
        };
    return RenderLayout(target, LayoutOf(PrintForm::F110), ordinaryFields(record, printDate), upperCase, code);
}

PageReport PrintK117(PrintTarget &target, const TZwykly &record, bool upperCase, bool printDate)
{
    const FormLayout &layout = LayoutOf(PrintForm::K117);
    PageReport report = RenderLayout(target, layout, ordinaryFields(record, printDate), upperCase);
    // Its four copies fill the whole sheet: the code follows on a page of its own.
    if (target.showsPaymentCode() && HasPaymentCode(record)) {
        const PageReport code = RunPageFrame(target, layout.frame, [&record](TPrn &prn, const CopyPlacement &copies) {
            DrawPaymentCode(prn, copies.origin + QPoint(prn.MmToX(20), prn.MmToY(20)), record);
        });
        report.cutOffMm = std::max(report.cutOffMm, code.cutOffMm);
    }
    return report;
}

PageReport PrintF130(PrintTarget &target, const TPodatkowy &record, bool upperCase, bool printDate)
{
    return RenderLayout(target, LayoutOf(PrintForm::F130), taxFields(record, printDate), upperCase);
}

PageReport PrintK471(PrintTarget &target, const TPodatkowy &record, bool upperCase, bool printDate)
{
    return RenderLayout(target, LayoutOf(PrintForm::K471), taxFields(record, printDate), upperCase);
}

PageReport PrintF101(PrintTarget &target, const TZUS &record, bool upperCase, bool /*printDate*/)
{
    return RenderLayout(target, LayoutOf(PrintForm::F101), zusFields(record), upperCase);
}
