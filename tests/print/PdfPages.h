#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

// What poppler's command-line tools tell of a printed PDF.
struct PdfFacts {
    QString problem; // empty when pdfinfo read the file
    int pages = 0;
    QSizeF pageSizePoints;
};

PdfFacts readPdfFacts(const QString& pdfFile);

// The first page rendered at dotsPerInch; a null image when pdftoppm fails.
QImage rasterisePage(const QString& pdfFile, int dotsPerInch);
