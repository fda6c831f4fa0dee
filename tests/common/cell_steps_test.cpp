#include "common/cell_steps.h"

#include <gtest/gtest.h>

namespace {

// Two blocks side by side: a 2 × 2 block and, after a gap, a column of three
// cells, the middle one not usable.
const QList<QRect> kCells = { QRect(0, 0, 10, 10), QRect(10, 0, 10, 10), QRect(0, 10, 10, 10),
    QRect(10, 10, 10, 10), QRect(40, 0, 10, 10), QRect(40, 10, 10, 10), QRect(40, 20, 10, 10) };

bool Usable(int index)
{
    return index != 5;
}

struct StepCase {
    int from;
    CellStep step;
    int expected;
};

} // namespace

class CellSteps : public ::testing::TestWithParam<StepCase> { };

TEST_P(CellSteps, GoesToTheNearestUsableCellThatWay)
{
    const StepCase& c = GetParam();
    EXPECT_EQ(StepCell(kCells, c.from, c.step, &Usable), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, CellSteps,
    ::testing::Values(StepCase { 0, CellStep::Right, 1 }, StepCase { 0, CellStep::Down, 2 },
        StepCase { 1, CellStep::Right, 4 }, // across the gap into the next block
        StepCase { 3, CellStep::Right, 4 }, // the cell beside is not usable: the nearest in that direction
        StepCase { 4, CellStep::Down, 6 }, // skips the cell that is not usable
        StepCase { 0, CellStep::Left, 0 }, // the edge: stays
        StepCase { 0, CellStep::Up, 0 }, StepCase { 6, CellStep::Left, 3 }));

TEST(CellStepsEdge, ForeignStartStaysWhereItIs)
{
    EXPECT_EQ(StepCell(kCells, -1, CellStep::Right, &Usable), -1);
    EXPECT_EQ(StepCell({}, 0, CellStep::Right, &Usable), 0);
}
