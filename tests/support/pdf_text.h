#pragma once

#include <QString>

// The text of a PDF file as pdftotext reads it (layout kept), so that tests of printouts can look
// for what a reader would see on the page; empty when the file cannot be read.
QString PdfText(const QString &pdfPath);
