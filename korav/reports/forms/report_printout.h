#pragma once

#include "korav/reports/core/report_selection.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// What one printout shows: the title in the head's box, the report lines,
// and the stamp of the foot.
struct PrintoutContent {
    QString jobTitle;
    QString title;
    QStringList lines;
    QDateTime now;
    QString headText = kReportApplicationTitle.toString();
};

// Landscape pages: head, lines in "Courier New" 9 pt, foot with the page
// count. The same drawing goes to a printer or, set up so, to a PDF file.
void PrintReport(QPrinter& printer, const PrintoutContent& content);

// Asks for a printer with the print dialog; false when it was cancelled.
bool PrintReportWithDialog(QWidget* parent, const PrintoutContent& content);
// Writes the printout to a PDF file, whole or not at all; false with an
// error text when it could not be written.
bool PrintReportToPdf(const QString& path, const PrintoutContent& content, QString* error = nullptr);
