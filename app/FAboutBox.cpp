#include "FAboutBox.h"

#include "Pictures.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

}

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("O programie..."));

    auto *icon = label(this, "ProgramIcon", {});
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));

    auto *product = label(this, "ProductName", QStringLiteral("Zanderol"));
    auto *version = label(this, "Version", QStringLiteral("Wersja 2.0"));
    for (QLabel *title : {product, version}) {
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
    }

    auto *maker = label(this, "Comments",
                        QStringLiteral("Program do wypełniania i drukowania poleceń przelewu\n"
                                       "oraz wpłat gotówkowych na formularzach bankowych.\n\n"
                                       "Producent: Tevalo – oprogramowanie dla biur\n"
                                       "ul. Przykładowa 12/3, 00-950 Warszawa (adres fikcyjny)\n"
                                       "tel. 000 000 000, e-mail: biuro@tevalo.example\n"
                                       "www.tevalo.example"));
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Panel1"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(maker);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *heading = new QHBoxLayout;
    heading->addWidget(icon, 0, Qt::AlignTop);
    auto *names = new QVBoxLayout;
    names->addWidget(product);
    names->addWidget(version);
    heading->addLayout(names, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
