#pragma once

#include <functional>

class QLineEdit;

// Return in `field` does `action` and nothing else: a field whose Return has
// a meaning of its own does not also press its dialog's default button.
void OnReturnKey(QLineEdit* field, std::function<void()> action);
