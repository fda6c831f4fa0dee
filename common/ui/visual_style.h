#pragma once

#include <QString>
#include <optional>

// The two looks of the programs: the system look and a grey theme. Names
// are compared without regard to case.
enum class VisualStyle { System, Grey };

// `greyName` is the program's name for its grey theme ("PELIN_grau").
std::optional<VisualStyle> VisualStyleFromName(const QString& name, const QString& greyName);
QString VisualStyleName(VisualStyle style, const QString& greyName);
void ApplyVisualStyle(VisualStyle style);
