#pragma once

#include "common/closed_months.h"

class Transfer;

// Fetches the closed months provided beside the employee file into the
// personal folder and reads them from `readFolder` (the personal folder, or
// the program's own folder when the administration program started it). A
// store without the file closes nothing, also when an older copy is still
// in the personal folder.
ClosedMonths FetchClosedMonths(Transfer& transfer, const QString& personalFolder, const QString& readFolder);
