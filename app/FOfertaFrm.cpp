#include "FOfertaFrm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TOfertaFrm::TOfertaFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OfertaFrm"));
    setWindowTitle(QStringLiteral("Oferta"));

    auto *heading = new QLabel(QStringLiteral("Oprogramowanie dla biur rachunkowych:"), this);
    heading->setObjectName(QStringLiteral("Naglowek"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);

    auto *offer = new QLabel(this);
    offer->setObjectName(QStringLiteral("Tresc"));
    offer->setTextFormat(Qt::RichText);
    offer->setText(QStringLiteral(
        "<ul>"
        "<li><b>Kalmarol</b> – księga przychodów i rozchodów, ewidencje VAT, rozliczenie ryczałtu;</li>"
        "<li><b>Okonol</b> – kadry i płace: listy płac, umowy cywilnoprawne, deklaracje do ZUS i urzędu skarbowego;</li>"
        "<li><b>Pstrągol</b> – ewidencja środków trwałych i wyposażenia z planami amortyzacji;</li>"
        "<li><b>Sielawol</b> – rozrachunki z kontrahentami, wezwania do zapłaty i noty odsetkowe.</li>"
        "</ul>"
        "<p>Wersje demonstracyjne i cennik na stronie www.tevalo.example.</p>"
        "<p>Tevalo, ul. Przykładowa 12/3, 00-950 Warszawa (adres fikcyjny), tel. 000 000 000</p>"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(offer);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
