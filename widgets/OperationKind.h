#pragma once

#include <QGroupBox>
#include <QVariant>

class QButtonGroup;

// "Rodzaj operacji": a cash deposit at the counter ("Wpłata", index 0) or a transfer
// from the sender's account ("Przelew", index 1), stored as "N" or "T". Only the
// user's click is reported; setting the kind from code is silent.
class OperationKind : public QGroupBox
{
    Q_OBJECT

public:
    explicit OperationKind(QWidget *parent = nullptr);

    bool IsTransfer() const;
    void SetTransfer(bool transfer);

    // The stored flag: "T" for a transfer; any other value reads as a deposit.
    static QString Code(bool transfer) { return transfer ? QStringLiteral("T") : QStringLiteral("N"); }
    static bool IsTransferCode(const QVariant &stored) { return stored.toString() == QLatin1String("T"); }

signals:
    void clicked();

protected:
    // Tabbing into the kind lands on the chosen one, as on a form where only it counts.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QButtonGroup *choices_;
};
