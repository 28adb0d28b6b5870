#pragma once

#include "PageFrame.h"
#include "TPrn.h"

#include <QList>

// The texts a form can carry; each kind of transfer supplies those of its forms.
enum class Field {
    RecipientName1,
    RecipientName2,
    RecipientAccount,
    Amount,
    // The sender's account for a transfer, the amount in words for a cash payment.
    AccountOrWords,
    SenderName1,
    SenderName2,
    Title1,
    Title2,
    // Empty unless the date is to be printed and one is stored.
    TransferDate,
    PayerIdentifier,
    PayerIdentifierType,
    Period,
    FormSymbol,
    ObligationId,
    CheckDigits,
    FundDigit,
    Nip,
    SecondIdType,
    SecondId,
    PaymentType,
    DeclarationNumber,
    DeclarationPeriod,
    DecisionNumber,
    Signature,
};

enum class Writing {
    // One character per box while the text has at most `boxes` characters, a plain run beyond.
    Boxes,
    // A plain run whatever its length.
    Plain,
    // A block of lines one line height apart.
    Lines,
};

enum class CopyScope { Every, LastOnly };

// One field of a form: what is written where, and how.
struct LayoutItem
{
    Field field;
    // From the form's origin to the top-left corner of the first character.
    float xMm;
    float yMm;
    Writing writing;
    int boxes = 0;
    BoxPitch pitch = BoxPitch::Mm5;
    bool upperCase = true;
    bool firstCharOnly = false;
    bool trimmed = false;
    CopyScope copies = CopyScope::Every;
    int fontPoints = 10;
    // The extent of a field without boxes, for the outlines of a trial print.
    float widthMm = 0;
    int lines = 1;
};

struct FormLayout
{
    FrameSpec frame;
    QList<LayoutItem> items;
};

const FormLayout &LayoutOf(PrintForm form);
