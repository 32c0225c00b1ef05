#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The text of a PDF file as pdftotext reads it (layout kept), so that tests of printouts can look
// for what a reader would see on the page; empty when the file cannot be read.
QString PdfText(const QString &pdfPath);

// A word on a page of a PDF file and the box it is drawn in, in points from the page's top-left.
struct PdfWord
{
    QString Text;
    QRectF Box;
};

struct PdfPage
{
    QSizeF Size; // points
    QList<PdfWord> Words;
};

// The pages of a PDF file with every word and where it is drawn, as pdftotext finds them, so
// that tests can measure a printout; empty when the file cannot be read.
QList<PdfPage> PdfPages(const QString &pdfPath);

// Where the words follow one another, in this order, among the page's words; -1 when they do not.
qsizetype FindWords(const PdfPage &page, const QStringList &words);

// The words among count words from first on that reach outside the page.
QStringList WordsOutsidePage(const PdfPage &page, qsizetype first, qsizetype count);

// The neighbours among count words from first on that are not on one line with room between
// them, as "left / right".
QStringList WordsNotApart(const PdfPage &page, qsizetype first, qsizetype count);

// The words of texts, spaces left out.
QStringList WordsOf(const QStringList &texts);
