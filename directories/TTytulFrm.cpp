#include "TTytulFrm.h"

#include "FDM.h"
#include "FormParts.h"
#include "LengthCounter.h"
#include "NameLine.h"

#include <QGridLayout>

TTytulFrm::TTytulFrm(QWidget *parent)
    : DirectoryEditor({.objectName = "TTytulFrm",
                       .caption = QStringLiteral("Tytuł zapłaty"),
                       .dataset = &DM->Tytuly,
                       .keyField = QStringLiteral("TYTULID"),
                       .newId = [] { return DM->NewTitleId(); },
                       .afterStore = [](qint32 id) { DM->ReopenTitles(id); }},
                      parent)
{
    QWidget *form = Form();
    EdNazwa = Named(new NameLine(form), "EdNazwa");
    EdTytul1 = Named(new NameLine(form), "EdTytul1");
    EdTytul2 = Named(new NameLine(form), "EdTytul2");
    lbTytul1 = Named(new LengthCounter(EdTytul1, form), "lbTytul1");
    lbTytul2 = Named(new LengthCounter(EdTytul2, form), "lbTytul2");
    for (QLineEdit *line : {EdNazwa, static_cast<QLineEdit *>(EdTytul1), static_cast<QLineEdit *>(EdTytul2)})
        line->setMinimumWidth(line->fontMetrics().averageCharWidth() * 42);

    auto *layout = new QGridLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Caption(QStringLiteral("&Nazwa tytułu zapłaty (identyfikator)"), EdNazwa, form), 0, 0, 1, 2);
    layout->addWidget(EdNazwa, 1, 0);
    layout->addWidget(Caption(QStringLiteral("&Tytuł zapłaty"), EdTytul1, form), 2, 0, 1, 2);
    layout->addWidget(EdTytul1, 3, 0);
    layout->addWidget(lbTytul1, 3, 1);
    layout->addWidget(EdTytul2, 4, 0);
    layout->addWidget(lbTytul2, 4, 1);
    layout->setRowStretch(5, 1);

    SetNameField(EdNazwa);
    BindLine(EdNazwa, QStringLiteral("NAZWA"));
    BindLine(EdTytul1, QStringLiteral("TYTUL1"));
    BindLine(EdTytul2, QStringLiteral("TYTUL2"));
    RequireLine(EdNazwa, QStringLiteral("Nazwa tytułu zapłaty musi być podana."));
    RequireLine(EdTytul1, QStringLiteral("Tytuł zapłaty musi być podany."));
}
