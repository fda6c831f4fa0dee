#include "common/cell_steps.h"

#include <limits>

namespace {

// Distance along the step and across it; along is not positive when the
// cell does not lie in the step's direction.
std::pair<int, int> Offset(QPoint delta, CellStep step)
{
    switch (step) {
    case CellStep::Left:
        return { -delta.x(), std::abs(delta.y()) };
    case CellStep::Right:
        return { delta.x(), std::abs(delta.y()) };
    case CellStep::Up:
        return { -delta.y(), std::abs(delta.x()) };
    case CellStep::Down:
        return { delta.y(), std::abs(delta.x()) };
    }
    return { 0, 0 };
}

} // namespace

int StepCell(const QList<QRect>& cells, int from, CellStep step, const std::function<bool(int)>& usable)
{
    if (from < 0 || from >= cells.size())
        return from;
    const QPoint origin = cells[from].center();
    int best = from;
    long long bestScore = std::numeric_limits<long long>::max();
    for (int i = 0; i < cells.size(); ++i) {
        if (i == from || !usable(i))
            continue;
        const auto [along, across] = Offset(cells[i].center() - origin, step);
        if (along <= 0)
            continue;
        // A cell beside the line counts as far away, so rows and columns hold.
        const long long score = along + 4LL * across;
        if (score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return best;
}
