#include "BankFile.h"

#include "DateValue.h"
#include "Globals.h"

#include <QSaveFile>
#include <algorithm>

namespace {

constexpr int LineWidth = 35;
constexpr int MaxLines = 4;

QString orderName(qint32 id)
{
    return QStringLiteral("Przelew nr %1").arg(id);
}

bool accountOk(const QString &account)
{
    return !IsBlankIdentifier(account) && IsValidAccount(account);
}

// A bank shows each line on its own: a word cut in two reads as two. Lines break at the
// last space that lets them fit; only a word longer than a line is cut inside.
QStringList cutAtSpaces(const QString &text)
{
    QStringList cut;
    QString rest = text;
    while (rest.size() > LineWidth) {
        const qsizetype space = rest.lastIndexOf(u' ', LineWidth);
        QString line = space > 0 ? rest.left(space) : rest.left(LineWidth);
        while (line.endsWith(u' '))
            line.chop(1);
        cut << line;
        rest = rest.mid(space > 0 ? space : LineWidth);
        while (rest.startsWith(u' '))
            rest.remove(0, 1);
    }
    cut << rest;
    return cut;
}

// A bank reads the tax tags only whole: lines break in front of a tag's "/", as many
// tags to a line as fit. Every tag fits a line; a longer one is cut as text.
QStringList cutAtTags(const QString &text)
{
    static const QStringList tags{QStringLiteral("/TI/"), QStringLiteral("/OKR/"), QStringLiteral("/SFP/"),
                                  QStringLiteral("/TXT/")};
    QStringList parts{QString()};
    for (qsizetype at = 0; at < text.size(); ++at) {
        const bool tagStarts = std::any_of(tags.cbegin(), tags.cend(), [&](const QString &tag) {
            return QStringView(text).mid(at).startsWith(tag);
        });
        if (tagStarts && !parts.last().isEmpty())
            parts << QString();
        parts.last().append(text.at(at));
    }
    QStringList cut;
    for (const QString &part : parts) {
        if (!cut.isEmpty() && cut.last().size() + part.size() <= LineWidth)
            cut.last() += part;
        else
            cut << cutAtSpaces(part);
    }
    return cut;
}

// Thrown inside the writer only; WriteBankFile turns it into its answer.
struct Fault
{
    BankFileFault fault;
};

class LineWriter
{
public:
    LineWriter(const BankOrder &order, CodePage page) : order_(order), page_(page) {}

    void number(const QString &value) { fields_ << value; }
    void quoted(const QString &value) { fields_ << u'"' + value + u'"'; }
    // Text lines, each cut to the file's width by the given rule, joined by "|".
    void lines(const QStringList &given, const QString &field, QStringList (*cutLine)(const QString &))
    {
        QStringList cut;
        for (const QString &line : given) {
            check(line, field);
            cut << cutLine(line);
        }
        if (cut.size() > MaxLines)
            fail(field, QStringLiteral("%1: pole „%2” nie mieści się w %3 wierszach po %4 znaków.")
                            .arg(orderName(order_.Id), field)
                            .arg(MaxLines)
                            .arg(LineWidth));
        quoted(cut.join(u'|'));
    }
    QByteArray bytes() const { return CodePages::Encode(page_, fields_.join(u',') + QStringLiteral("\r\n")); }

private:
    void check(const QString &text, const QString &field) const
    {
        for (const QChar c : text)
            if (c == u'"' || c == u'|' || c.category() == QChar::Other_Control)
                fail(field, QStringLiteral("%1: pole „%2” zawiera znak %3, którego plik do banku nie przenosi.")
                                .arg(orderName(order_.Id), field, shown(c)));
        if (const qsizetype at = CodePages::FirstUnheld(page_, text); at >= 0)
            fail(field, QStringLiteral("%1: pole „%2” zawiera znak %3, którego strona kodowa %4 nie obejmuje.")
                            .arg(orderName(order_.Id), field, shown(text.at(at)), CodePages::Caption(page_)));
    }
    static QString shown(QChar c)
    {
        const QString code = QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        return c.isPrint() ? QStringLiteral("„%1” (%2)").arg(QString(c), code) : code;
    }
    [[noreturn]] void fail(const QString &field, const QString &message) const
    {
        throw Fault{{.Id = order_.Id, .Field = field, .Message = message}};
    }

    const BankOrder &order_;
    CodePage page_;
    QStringList fields_;
};

bool isPastDated(const BankOrder &order, const QDate &today)
{
    return DateValue::isSet(order.TransferDate) && order.TransferDate < today;
}

QByteArray orderLine(const BankOrder &order, CodePage page, const BankProfile &profile, const QDate &today)
{
    const QString sender = StripSeparators(order.SenderAccount);
    const QString recipient = StripSeparators(order.RecipientAccount);
    const QDate date = DateValue::isSet(order.TransferDate) && !isPastDated(order, today) ? order.TransferDate : today;
    LineWriter line(order, page);
    line.number(QStringLiteral("110"));
    line.number(date.toString(QStringLiteral("yyyyMMdd")));
    line.number(QString::number(order.Amount.grosze()));
    line.number(sender.mid(2, 8));
    line.number(QStringLiteral("0"));
    line.quoted(sender);
    line.quoted(recipient);
    line.lines(order.SenderName, QStringLiteral("Nazwa nadawcy"), cutAtSpaces);
    line.lines(order.RecipientName, QStringLiteral("Nazwa odbiorcy"), cutAtSpaces);
    line.number(QStringLiteral("0"));
    line.number(recipient.mid(2, 8));
    line.lines(order.Title, QStringLiteral("Tytuł"), order.IsTax ? cutAtTags : cutAtSpaces);
    line.quoted(QString());
    line.quoted(QString());
    line.quoted(order.IsTax ? profile.TaxClassification : QStringLiteral("51"));
    line.quoted(QString());
    return line.bytes();
}

}

QList<BankRefusal> BankRefusals(const QList<BankOrder> &orders)
{
    QList<BankRefusal> refused;
    for (const BankOrder &order : orders) {
        QString reason;
        if (!order.IsTransfer)
            reason = QStringLiteral("wpłata gotówkowa nie jest przelewem");
        else if (!accountOk(order.SenderAccount))
            reason = QStringLiteral("brak prawidłowego rachunku nadawcy");
        else if (!accountOk(order.RecipientAccount))
            reason = QStringLiteral("brak prawidłowego rachunku odbiorcy");
        else if (order.IsTax && !order.MissingTaxTags.isEmpty())
            reason = QStringLiteral("brak ") + order.MissingTaxTags.join(QStringLiteral(", "));
        else if (order.Amount.raw() <= 0 || order.Amount.raw() % 100 != 0)
            reason = QStringLiteral("kwota nie jest dodatnią liczbą groszy");
        if (!reason.isEmpty())
            refused << BankRefusal{.Id = order.Id, .Reason = orderName(order.Id) + QStringLiteral(": ") + reason};
    }
    return refused;
}

QList<BankOrder> WithoutRefused(const QList<BankOrder> &orders)
{
    QList<qint32> refused;
    for (const BankRefusal &refusal : BankRefusals(orders))
        refused << refusal.Id;
    QList<BankOrder> kept;
    for (const BankOrder &order : orders)
        if (!refused.contains(order.Id))
            kept << order;
    return kept;
}

QList<BankOrder> PastDated(const QList<BankOrder> &orders, const QDate &today)
{
    QList<BankOrder> past;
    std::copy_if(orders.cbegin(), orders.cend(), std::back_inserter(past),
                 [&today](const BankOrder &order) { return isPastDated(order, today); });
    return past;
}

QList<BankOrder> WithoutPastDated(const QList<BankOrder> &orders, const QDate &today)
{
    QList<BankOrder> kept;
    std::copy_if(orders.cbegin(), orders.cend(), std::back_inserter(kept),
                 [&today](const BankOrder &order) { return !isPastDated(order, today); });
    return kept;
}

QString PastDatedNames(const QList<BankOrder> &orders)
{
    constexpr int Shown = 10;
    QStringList names;
    for (const BankOrder &order : orders.mid(0, Shown))
        names << QStringLiteral("%1 (%2)").arg(orderName(order.Id),
                                               order.TransferDate.toString(QStringLiteral("dd.MM.yyyy")));
    if (orders.size() > Shown)
        names << QStringLiteral("i %1 innych").arg(orders.size() - Shown);
    return names.join(QStringLiteral(", "));
}

std::variant<QByteArray, BankFileFault> WriteBankFile(const QList<BankOrder> &orders, CodePage page,
                                                      const BankProfile &profile, const QDate &today)
{
    QByteArray file;
    try {
        for (const BankOrder &order : orders)
            file += orderLine(order, page, profile, today);
    } catch (const Fault &fault) {
        return fault.fault;
    }
    return file;
}

bool SaveBankFile(const QString &path, const QByteArray &bytes, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("Nie można zapisać pliku %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
