#pragma once

#include <QString>

// The text of "korav --help".
QString CommandHelpText();
