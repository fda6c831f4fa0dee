#pragma once

class QProgressBar;

// An idle progress bar looks like an empty text field, so it stays hidden
// (keeping its place in the layout) until work runs.
void ShowProgressIdle(QProgressBar* bar);
void ShowProgressRunning(QProgressBar* bar);
