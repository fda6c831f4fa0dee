#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The export buffer: one fixed-position line per month, activity and total,
// filled by the overviews while they build their text and read back by the
// workbook export.
using ExportBuffer = QStringList;

// A, P, W, T, W - T, Z, W - Z in decimal hours; a month without target has
// neither T nor W - T.
using AZeitValues = std::array<std::optional<double>, 7>;
using AZeitSums = std::array<double, 7>;

// Decimal hours of whole minutes, as the export lines carry them.
double DecimalHours(int minutes);
// "%10.2f"
QString ExportNumber(double value);
// "%10.2f", or "---" in its ten places for no value
QString ExportNumber(std::optional<double> value);

QString AZeitMonthLine(const QString& name, int year, int month, const AZeitValues& values, QChar marker);
// `period` is "ges" or the quarter text followed by "Q".
QString AZeitTotalLine(const QString& name, int year, const QString& period, const AZeitSums& sums);
QString PZeitLine(const QString& name, int year, const QString& activity, double hours);
QString PZeitTotalLine(const QString& name, int year, const QString& period, double hours);

QString ProjectEmployeeLine(
    const QString& activity, int year, const QString& name, double hours, double cost, double rate);
QString ProjectTotalLine(const QString& activity, int year, const QString& label, double hours, double cost);

// Fields of a line by position; a line too short gives empty fields.
QString ExportField(const QString& line, int from, int width);
