#pragma once

#include "korav/demo/demo_firm.h"

#include <QDate>
#include <QStringList>

// The words after "demo": DIR [--employees N] [--months M] [--seed S]
// [--until YYYY-MM].
struct DemoOptions {
    DemoFirmRequest request;
    QDate until; // the last month of data; null for the month before today
};

inline constexpr int kMaxDemoEmployees = 9999;
inline constexpr int kMaxDemoMonths = 120;

// Nothing for wrong usage.
std::optional<DemoOptions> ParseDemoOptions(const QStringList& arguments);

QString DemoUsage();
