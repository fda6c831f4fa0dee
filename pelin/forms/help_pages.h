#pragma once

#include <QString>

// The two pages of PELIN's help, as rich text.
QString HelpPageGeneral();
QString HelpPageOperation();
