#pragma once

#include <QList>
#include <QString>

// What banks' import guides differ on for a tax order. See README for what each profile
// was checked against.
struct BankProfile
{
    QString Name;     // for the command line and the settings
    QString Caption;  // for the export window
    QString TaxClassification;

    static const QList<BankProfile> &All();
    // The named profile, or the first one for an unknown name.
    static const BankProfile &Named(const QString &name);
};
