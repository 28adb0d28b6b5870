#pragma once

#include "AppFixture.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QTemporaryDir>

struct PdfWord
{
    int page; // from 1
    double xMm, yMm;
    QString text;
};

// The words of a PDF as poppler reads them, each with the top-left corner of its box in millimetres.
QList<PdfWord> PdfWords(const QString &pdf);

// Whether a word with that text begins on the page within half a millimetre of the point.
bool HasWordAt(const QList<PdfWord> &words, int page, const QString &text, double xMm, double yMm);

// For tests that print to a PDF and read it back: the PDF goes to a directory of the
// test's own, and so do the margins, so that only what the test saves moves the forms.
class PdfPrintFixture : public AppFixture
{
protected:
    PdfPrintFixture();
    ~PdfPrintFixture() override;

    // Chooses the row with that identifier in whichever chooser comes up.
    static int choose(QDialog &chooser, const char *key, qint32 id);

    QTemporaryDir settingsDir, output;
};
