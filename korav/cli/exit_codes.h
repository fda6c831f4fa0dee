#pragma once

// Exit codes of the headless commands.
enum ExitCode : int {
    kExitSuccess = 0,
    kExitRefused = 1, // refused or failed; the reason has been shown
    kExitUsage = 2, // the command line cannot be used
};
