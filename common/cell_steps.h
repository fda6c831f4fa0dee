#pragma once

#include <QList>
#include <QRect>

#include <functional>

// Keyboard steps over painted cells: an arrow key goes to the nearest usable
// cell in its direction, preferring cells in the same row or column.
enum class CellStep { Left, Right, Up, Down };

// The index of that cell, or `from` when no usable cell lies that way.
int StepCell(const QList<QRect>& cells, int from, CellStep step, const std::function<bool(int)>& usable);
