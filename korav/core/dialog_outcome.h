#pragma once

#include <functional>

// What a dialog does after its save or cancel button.
enum class DialogOutcome { Close, Stay };

// Called after base data were saved, so that the main window can recompute
// whether PELIN's base data must be rebuilt.
using BaseDataSaved = std::function<void()>;
