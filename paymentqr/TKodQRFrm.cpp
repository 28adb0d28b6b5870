#include "TKodQRFrm.h"

#include "ModalSeam.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TKodQRFrm::TKodQRFrm(const PaymentQrOrder &order, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TKodQRFrm"));
    setWindowTitle(QStringLiteral("Kod QR"));
    const QString payload = PaymentQrPayload(order);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("QrImage"));
    image->setPixmap(QPixmap::fromImage(PaymentQrImage(payload, 6)));
    image->setAlignment(Qt::AlignCenter);
    auto *text = new QLabel(payload, this);
    text->setObjectName(QStringLiteral("QrText"));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *note = new QLabel(this);
    note->setObjectName(QStringLiteral("QrNote"));
    note->setWordWrap(true);
    if (order.Amount > PaymentQrMaximum)
        note->setText(QStringLiteral("Kwota przekracza 9 999,99 zł, której kod nie mieści: aplikacja banku "
                                     "zapyta o kwotę, trzeba ją wpisać."));
    else
        note->setText(QStringLiteral("Zeskanuj kod aplikacją banku w telefonie i sprawdź dane przed zatwierdzeniem."));
    auto *close = new QPushButton(QStringLiteral("&Zamknij"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(image);
    layout->addWidget(text);
    layout->addWidget(note);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void TKodQRFrm::ShowCode()
{
    ModalSeam::run(*this);
}
