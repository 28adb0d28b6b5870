#include "PdfPrintFixture.h"

#include "DirectoryChooser.h"

#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

QList<PdfWord> PdfWords(const QString &pdf)
{
    QProcess process;
    process.start("pdftotext", {"-bbox", "-enc", "UTF-8", pdf, "-"});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    constexpr double MmPerPoint = 25.4 / 72;
    QList<PdfWord> words;
    int page = 0;
    for (auto match = tag.globalMatch(html); match.hasNext();) {
        const auto found = match.next();
        if (found.captured(0).startsWith("<page"))
            ++page;
        else
            words.append({page, found.captured(1).toDouble() * MmPerPoint, found.captured(2).toDouble() * MmPerPoint,
                          found.captured(3).replace("&amp;", "&")});
    }
    return words;
}

bool HasWordAt(const QList<PdfWord> &words, int page, const QString &text, double xMm, double yMm)
{
    return std::any_of(words.begin(), words.end(), [&](const PdfWord &w) {
        return w.page == page && w.text == text && std::abs(w.xMm - xMm) <= 0.5 && std::abs(w.yMm - yMm) <= 0.5;
    });
}

PdfPrintFixture::PdfPrintFixture()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
}

PdfPrintFixture::~PdfPrintFixture()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

int PdfPrintFixture::choose(QDialog &chooser, const char *key, qint32 id)
{
    EXPECT_TRUE(static_cast<DirectoryChooser &>(chooser).Rows().locate(key, id));
    chooser.findChild<QPushButton *>("SelectBtn")->click();
    return chooser.result();
}
