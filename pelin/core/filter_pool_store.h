#pragma once

#include "pelin/core/filter_pool_editor.h"
#include "pelin/core/login_state.h"

class Messenger;

// Takes the pool the filter dialog leaves behind into the log-in state; on
// "Ja" also into the personal settings file and the filtered list.
void TakeFilterDialogResult(LoginState& state, const FilterPoolEditor& editor,
    FilterPoolEditor::CloseResult result, Messenger& messenger);
