#pragma once

#include "PaymentQr.h"

#include <QDialog>

// "Kod QR": the payment code of one order, to be paid from a phone's banking app.
class TKodQRFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TKodQRFrm(const PaymentQrOrder &order, QWidget *parent = nullptr);
    // Shows the window modally.
    void ShowCode();
};
