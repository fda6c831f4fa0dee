#pragma once

#include <QString>

// The About box's version line: "%.40s %.2iBit" with "Version <number>" and
// the program's word size.
QString KoravVersionLine();
