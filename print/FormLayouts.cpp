#include "FormLayout.h"

// The five preprinted forms, measured in millimetres from each form's origin.

namespace {

constexpr float DateWidthMm = 25;
constexpr float OneCharWidthMm = 5;
constexpr float SignatureWidthMm = 70;
constexpr int SignatureLines = 3;
constexpr int SignaturePoints = 8;

LayoutItem boxes(Field field, float x, float y, int count, BoxPitch pitch = BoxPitch::Mm5)
{
    return {.field = field, .xMm = x, .yMm = y, .writing = Writing::Boxes, .boxes = count, .pitch = pitch};
}

LayoutItem plain(Field field, float x, float y, float widthMm)
{
    return {.field = field, .xMm = x, .yMm = y, .writing = Writing::Plain, .widthMm = widthMm};
}

LayoutItem keepCase(LayoutItem item)
{
    item.upperCase = false;
    return item;
}

LayoutItem firstChar(LayoutItem item)
{
    item.firstCharOnly = true;
    return item;
}

LayoutItem trimmed(LayoutItem item)
{
    item.trimmed = true;
    return item;
}

LayoutItem lastCopyOnly(LayoutItem item)
{
    item.copies = CopyScope::LastOnly;
    return item;
}

LayoutItem date(float x, float y)
{
    return keepCase(plain(Field::TransferDate, x, y, DateWidthMm));
}

FormLayout f110()
{
    return {
        .frame = {.jobTitle = QStringLiteral("Przelew zwykły"), .orientation = QPageLayout::Portrait,
                  .form = PrintForm::F110, .offsetXMm = 60, .offsetYMm = 84, .columns = 1, .rows = 2,
                  .stepXMm = 0, .stepYMm = 105.5f},
        .items = {
            boxes(Field::RecipientName1, 9.5f, 4.5f, 27),
            boxes(Field::RecipientName2, 9.5f, 13.0f, 27),
            boxes(Field::RecipientAccount, 9.5f, 21.5f, 26),
            boxes(Field::Amount, 85.0f, 30.0f, 12),
            boxes(Field::AccountOrWords, 9.5f, 38.5f, 27),
            boxes(Field::SenderName1, 9.5f, 47.0f, 27),
            boxes(Field::SenderName2, 9.5f, 55.5f, 27),
            boxes(Field::Title1, 9.5f, 64.0f, 27),
            boxes(Field::Title2, 9.5f, 72.5f, 27),
            date(9.5f, 81.0f),
        },
    };
}

FormLayout k117()
{
    return {
        .frame = {.jobTitle = QStringLiteral("Przelew zwykły"), .orientation = QPageLayout::Landscape,
                  .form = PrintForm::K117, .offsetXMm = 0, .offsetYMm = 0, .columns = 2, .rows = 2,
                  .stepXMm = 149.5f, .stepYMm = 105.5f},
        .items = {
            boxes(Field::RecipientName1, 7.0f, 4.0f, 27),
            boxes(Field::RecipientName2, 7.0f, 12.5f, 27),
            boxes(Field::RecipientAccount, 7.0f, 21.0f, 26),
            boxes(Field::Amount, 82.0f, 29.5f, 12),
            boxes(Field::AccountOrWords, 7.0f, 38.0f, 27),
            boxes(Field::SenderName1, 7.0f, 46.5f, 27),
            boxes(Field::SenderName2, 7.0f, 55.0f, 27),
            boxes(Field::Title1, 7.0f, 63.5f, 27),
            boxes(Field::Title2, 7.0f, 72.0f, 27),
            lastCopyOnly(date(7.0f, 80.5f)),
        },
    };
}

FormLayout f130()
{
    return {
        .frame = {.jobTitle = QStringLiteral("Przelew PODATKI"), .orientation = QPageLayout::Portrait,
                  .form = PrintForm::F130, .offsetXMm = 60, .offsetYMm = 84, .columns = 1, .rows = 2,
                  .stepXMm = 0, .stepYMm = 105.5f},
        .items = {
            boxes(Field::RecipientName1, 9.5f, 5.0f, 27),
            boxes(Field::RecipientName2, 9.5f, 13.5f, 27),
            boxes(Field::RecipientAccount, 9.5f, 22.0f, 26),
            boxes(Field::Amount, 85.0f, 30.5f, 12),
            boxes(Field::AccountOrWords, 9.5f, 39.0f, 27),
            boxes(Field::SenderName1, 9.5f, 47.5f, 27),
            boxes(Field::SenderName2, 9.5f, 56.0f, 27),
            boxes(Field::PayerIdentifier, 9.5f, 64.5f, 14),
            firstChar(plain(Field::PayerIdentifierType, 84.0f, 64.5f, OneCharWidthMm)),
            trimmed(boxes(Field::Period, 104.0f, 64.5f, 7)),
            boxes(Field::FormSymbol, 9.5f, 73.0f, 7),
            boxes(Field::ObligationId, 44.5f, 73.0f, 20),
            date(9.5f, 81.5f),
        },
    };
}

FormLayout k471()
{
    constexpr BoxPitch pitch = BoxPitch::Mm63by13;
    return {
        .frame = {.jobTitle = QStringLiteral("Przelew PODATKI"), .orientation = QPageLayout::Portrait,
                  .form = PrintForm::K471, .offsetXMm = 5, .offsetYMm = 4, .columns = 1, .rows = 2,
                  .stepXMm = 0, .stepYMm = 103.5f},
        .items = {
            boxes(Field::RecipientName1, 9.5f, 2.0f, 27, pitch),
            boxes(Field::RecipientName2, 9.5f, 10.5f, 27, pitch),
            boxes(Field::RecipientAccount, 9.5f, 19.0f, 26, pitch),
            boxes(Field::Amount, 82.5f, 27.5f, 12, pitch),
            boxes(Field::AccountOrWords, 9.5f, 36.0f, 27, pitch),
            boxes(Field::SenderName1, 9.5f, 44.5f, 27, pitch),
            boxes(Field::SenderName2, 9.5f, 53.0f, 27, pitch),
            boxes(Field::PayerIdentifier, 9.5f, 61.5f, 14, pitch),
            firstChar(plain(Field::PayerIdentifierType, 82.5f, 61.5f, OneCharWidthMm)),
            trimmed(boxes(Field::Period, 101.5f, 61.5f, 7, pitch)),
            boxes(Field::FormSymbol, 9.5f, 70.0f, 7, pitch),
            boxes(Field::ObligationId, 43.5f, 70.0f, 20, pitch),
            date(9.5f, 78.5f),
        },
    };
}

FormLayout f101()
{
    LayoutItem signature{.field = Field::Signature, .xMm = 9.5f, .yMm = 82.5f, .writing = Writing::Lines,
                         .fontPoints = SignaturePoints, .widthMm = SignatureWidthMm, .lines = SignatureLines};
    return {
        .frame = {.jobTitle = QStringLiteral("Przelew ZUS"), .orientation = QPageLayout::Portrait,
                  .form = PrintForm::F101, .offsetXMm = 60, .offsetYMm = 85, .columns = 1, .rows = 2,
                  .stepXMm = 0, .stepYMm = 106.5f},
        .items = {
            // The check digits are always two, so they always fill their boxes.
            keepCase(boxes(Field::CheckDigits, 9.5f, 21.5f, 2, BoxPitch::Mm58by11)),
            keepCase(plain(Field::FundDigit, 109.0f, 21.5f, OneCharWidthMm)),
            keepCase(boxes(Field::Amount, 84.5f, 30.0f, 12)),
            boxes(Field::AccountOrWords, 9.5f, 38.5f, 26),
            boxes(Field::SenderName1, 9.5f, 47.0f, 27),
            boxes(Field::SenderName2, 9.5f, 55.5f, 27),
            boxes(Field::Nip, 9.5f, 64.0f, 14),
            firstChar(plain(Field::SecondIdType, 64.5f, 64.0f, OneCharWidthMm)),
            boxes(Field::SecondId, 74.5f, 64.0f, 14),
            firstChar(plain(Field::PaymentType, 9.5f, 72.5f, OneCharWidthMm)),
            boxes(Field::DeclarationNumber, 19.5f, 72.5f, 2),
            trimmed(boxes(Field::DeclarationPeriod, 34.5f, 72.5f, 6)),
            boxes(Field::DecisionNumber, 69.5f, 72.5f, 15),
            signature,
        },
    };
}

}

const FormLayout &LayoutOf(PrintForm form)
{
    static const FormLayout F101 = f101();
    static const FormLayout F110 = f110();
    static const FormLayout F130 = f130();
    static const FormLayout K117 = k117();
    static const FormLayout K471 = k471();
    switch (form) {
    case PrintForm::F101: return F101;
    case PrintForm::F110: return F110;
    case PrintForm::F130: return F130;
    case PrintForm::K117: return K117;
    case PrintForm::K471: return K471;
    }
    return F110;
}
