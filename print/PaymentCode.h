#pragma once

#include "Typy.h"

#include <QPoint>

class TPrn;

// The payment code of an ordinary transfer, printed beside the form in a preview or a PDF
// file, so that it can be paid from a phone's banking app without paper.

// Only a transfer to a valid account of 26 digits can be paid by the code; a cash deposit is paid at the counter.
bool HasPaymentCode(const TZwykly &record);

// The code, 40 mm square, with its corner at the device position, and a caption under it;
// the caption's smaller font stays selected.
void DrawPaymentCode(TPrn &prn, const QPoint &corner, const TZwykly &record);

// The room the code and its caption take, in millimetres.
constexpr float PaymentCodeWidthMm = 40.0f;
