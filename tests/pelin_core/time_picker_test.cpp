#include "pelin/core/time_picker_come_go.h"
#include "pelin/core/time_picker_hours.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const PickerLayout& ComeGoLayout()
{
    static const PickerLayout layout = ComeGoPickerLayout();
    return layout;
}

const PickerLayout& HoursLayout()
{
    static const PickerLayout layout = HoursPickerLayout();
    return layout;
}

bool Click(ComeGoPicker& picker, CellKind kind, int value)
{
    const PickerCell* cell = ComeGoLayout().find(kind, value);
    EXPECT_NE(cell, nullptr) << int(kind) << ' ' << value;
    return cell != nullptr && picker.click(*cell);
}

void Pick(ComeGoPicker& picker, int comeHour, int comeMinute, int goHour, int goMinute)
{
    Click(picker, CellKind::ComeHour, comeHour);
    Click(picker, CellKind::ComeMinute, comeMinute);
    Click(picker, CellKind::GoHour, goHour);
    Click(picker, CellKind::GoMinute, goMinute);
}

HoursPicker::Outcome Click(HoursPicker& picker, CellKind kind, int value)
{
    const PickerCell* cell = HoursLayout().find(kind, value);
    EXPECT_NE(cell, nullptr) << int(kind) << ' ' << value;
    return cell == nullptr ? HoursPicker::Outcome::Ignored : picker.click(*cell);
}

} // namespace

TEST(TimePickerLayout, CellsHoldTheirValuesByColumnAndRow)
{
    const PickerLayout& layout = ComeGoLayout();
    // Column c, row r: hour 6c + r; minute 15c + 5r.
    const PickerCell* hour13 = layout.find(CellKind::ComeHour, 13);
    const PickerCell* hour7 = layout.find(CellKind::ComeHour, 7);
    ASSERT_TRUE(hour13 && hour7);
    EXPECT_EQ(hour13->rect.left() - hour7->rect.left(), hour7->rect.width());
    EXPECT_EQ(hour13->rect.top(), hour7->rect.top());
    const PickerCell* minute35 = layout.find(CellKind::GoMinute, 35);
    const PickerCell* minute30 = layout.find(CellKind::GoMinute, 30);
    ASSERT_TRUE(minute35 && minute30);
    EXPECT_EQ(minute35->rect.top() - minute30->rect.top(), minute30->rect.height());

    int comeHours = 0, goHours = 0, comeMinutes = 0, goMinutes = 0;
    for (const PickerCell& cell : layout.cells) {
        comeHours += cell.kind == CellKind::ComeHour;
        goHours += cell.kind == CellKind::GoHour;
        comeMinutes += cell.kind == CellKind::ComeMinute;
        goMinutes += cell.kind == CellKind::GoMinute;
        EXPECT_EQ(layout.cellAt(cell.rect.center()), &cell);
        EXPECT_TRUE(QRect(QPoint(0, 0), layout.size).contains(cell.rect));
    }
    EXPECT_EQ(comeHours, 24);
    EXPECT_EQ(goHours, 25); // with "24"
    EXPECT_EQ(comeMinutes, 12);
    EXPECT_EQ(goMinutes, 12);
    EXPECT_EQ(layout.find(CellKind::ComeHour, 24), nullptr);
    EXPECT_EQ(layout.cellAt(QPoint(-5, -5)), nullptr);

    const PickerLayout& hours = HoursLayout();
    EXPECT_EQ(hours.cells.size(), 16 + 12);
    EXPECT_EQ(hours.find(CellKind::Hour, 15)->rect.top(), hours.find(CellKind::Hour, 3)->rect.top());
    EXPECT_EQ(hours.find(CellKind::Hour, 16), nullptr);
}

TEST(ComeGoPicker, GreyHoursStillReactButGreyMinutesDoNot)
{
    ComeGoPicker picker(false);
    const struct {
        CellKind kind;
        int value;
        bool grey, pickable;
    } cases[] = {
        { CellKind::ComeHour, 5, true, true },
        { CellKind::ComeHour, 6, false, true },
        { CellKind::ComeHour, 17, false, true },
        { CellKind::GoHour, 18, true, true },
        { CellKind::GoHour, 24, false, true },
        { CellKind::ComeMinute, 15, false, true },
        { CellKind::ComeMinute, 5, true, false },
        { CellKind::GoMinute, 10, true, false },
        { CellKind::GoMinute, 20, true, false },
        { CellKind::GoMinute, 45, false, true },
    };
    for (const auto& c : cases) {
        const CellLook look = picker.look(*ComeGoLayout().find(c.kind, c.value));
        EXPECT_EQ(look.grey, c.grey) << int(c.kind) << ' ' << c.value;
        EXPECT_EQ(look.pickable, c.pickable) << int(c.kind) << ' ' << c.value;
        EXPECT_EQ(look.showNumber, c.pickable) << int(c.kind) << ' ' << c.value;
    }
    EXPECT_FALSE(Click(picker, CellKind::ComeMinute, 5));
    EXPECT_FALSE(picker.comeMinute());
    ComeGoPicker free(true);
    EXPECT_TRUE(Click(free, CellKind::ComeMinute, 5));
    EXPECT_EQ(free.comeMinute(), 5);
}

TEST(ComeGoPicker, LabelsFollowThePicks)
{
    ComeGoPicker picker(true);
    EXPECT_EQ(picker.rangeText(), u"99:99 - 99:99"_s);
    EXPECT_EQ(picker.durationText(), u"Dauer 99:99"_s);
    Click(picker, CellKind::ComeHour, 7);
    Click(picker, CellKind::ComeMinute, 30);
    Click(picker, CellKind::GoHour, 16);
    EXPECT_EQ(picker.rangeText(), u"99:99 - 99:99"_s);
    Click(picker, CellKind::GoMinute, 15);
    EXPECT_EQ(picker.rangeText(), u"07:30 - 16:15"_s);
    EXPECT_EQ(picker.durationText(), u"Dauer  8:45"_s);
    EXPECT_FALSE(picker.durationIsFault());
    EXPECT_TRUE(picker.look(*ComeGoLayout().find(CellKind::GoMinute, 15)).highlighted);
    EXPECT_FALSE(picker.look(*ComeGoLayout().find(CellKind::ComeMinute, 15)).highlighted);

    Click(picker, CellKind::GoHour, 7);
    EXPECT_EQ(picker.durationText(), u"Dauer = Minus!"_s);
    EXPECT_TRUE(picker.durationIsFault());
    Click(picker, CellKind::GoMinute, 30);
    EXPECT_EQ(picker.durationText(), u"Dauer = 0!"_s);
    EXPECT_TRUE(picker.durationIsFault());
    Click(picker, CellKind::GoHour, 24);
    EXPECT_EQ(picker.rangeText(), u"07:30 - 24:00"_s);
    EXPECT_EQ(picker.durationText(), u"Dauer  16:30"_s);
}

TEST(ComeGoPicker, TakesOrRefuses)
{
    const struct {
        int comeHour, comeMinute, goHour, goMinute;
        std::optional<QString> refusal;
        ComeGoTexts result;
    } cases[] = {
        { 7, 30, 16, 15, std::nullopt, { u"07"_s, u"30"_s, u"16"_s, u"15"_s } },
        { 8, 0, 24, 45, std::nullopt, { u"08"_s, u"00"_s, u"24"_s, u"00"_s } },
        { 16, 0, 8, 0, u"  Termindauer muss größer Null sein !  "_s, {} },
        { 8, 0, 8, 0, u"  Termindauer muss größer Null sein !  "_s, {} },
        { 22, 0, 6, 0, u"  Termindauer muss größer Null sein !  "_s, {} },
        { 0, 0, 0, 5, std::nullopt, { u"00"_s, u"00"_s, u"00"_s, u"05"_s } },
    };
    for (const auto& c : cases) {
        ComeGoPicker picker(true);
        Pick(picker, c.comeHour, c.comeMinute, c.goHour, c.goMinute);
        const std::optional<QString> refusal = picker.take();
        EXPECT_EQ(refusal, c.refusal)
            << c.comeHour << ':' << c.comeMinute << '-' << c.goHour << ':' << c.goMinute;
        if (!refusal) {
            const ComeGoTexts texts = picker.result();
            EXPECT_EQ(texts.comeHour, c.result.comeHour);
            EXPECT_EQ(texts.comeMinute, c.result.comeMinute);
            EXPECT_EQ(texts.goHour, c.result.goHour);
            EXPECT_EQ(texts.goMinute, c.result.goMinute);
        }
    }
}

TEST(ComeGoPicker, RefusesIncompleteAndOffRasterTimes)
{
    ComeGoPicker picker(false);
    Click(picker, CellKind::ComeHour, 8);
    Click(picker, CellKind::ComeMinute, 0);
    Click(picker, CellKind::GoHour, 16);
    EXPECT_EQ(picker.take(), u" Arbeitszeit ist unvollständig !  "_s);
    // Going 24 needs no minute.
    Click(picker, CellKind::GoHour, 24);
    EXPECT_EQ(picker.take(), std::nullopt);

    // Times taken from the fields may lie off the raster.
    ComeGoPicker fromFields(false);
    fromFields.start({ u"07"_s, u"58"_s, u"16"_s, u"00"_s });
    EXPECT_EQ(fromFields.take(), u" Min. von : nur 00,15,30,45 zulässig !  "_s);
    fromFields.start({ u"08"_s, u"00"_s, u"16"_s, u"05"_s });
    EXPECT_EQ(fromFields.take(), u" Min. bis : nur 00,15,30,45 zulässig !  "_s);
}

TEST(ComeGoPicker, StartsFromTheFields)
{
    ComeGoPicker picker(true);
    picker.start({ u""_s, u""_s, u""_s, u""_s });
    EXPECT_FALSE(picker.comeHour());
    EXPECT_FALSE(picker.goMinute());
    for (const PickerCell& cell : ComeGoLayout().cells)
        EXPECT_FALSE(picker.look(cell).highlighted);

    picker.start({ u"08"_s, u"00"_s, u"16"_s, u"30"_s });
    EXPECT_EQ(picker.comeHour(), 8);
    EXPECT_EQ(picker.goMinute(), 30);
    EXPECT_TRUE(picker.look(*ComeGoLayout().find(CellKind::ComeMinute, 0)).highlighted);
    EXPECT_TRUE(picker.look(*ComeGoLayout().find(CellKind::GoHour, 16)).highlighted);
    EXPECT_EQ(picker.rangeText(), u"08:00 - 16:30"_s);
    EXPECT_EQ(picker.durationText(), u"Dauer  8:30"_s);

    // Reopened on an empty day, nothing of the earlier choice stays.
    picker.start({ u""_s, u""_s, u""_s, u""_s });
    EXPECT_FALSE(picker.comeHour());
    EXPECT_EQ(picker.rangeText(), u"99:99 - 99:99"_s);
}

TEST(HoursPicker, TakesADurationAboveZero)
{
    HoursPicker picker(true);
    EXPECT_EQ(picker.hourText(), u"--"_s);
    EXPECT_EQ(picker.minuteText(), u"--"_s);
    EXPECT_EQ(Click(picker, CellKind::Hour, 3), HoursPicker::Outcome::Waiting);
    EXPECT_EQ(Click(picker, CellKind::Hour, 15), HoursPicker::Outcome::Waiting);
    EXPECT_EQ(picker.hourText(), u"15"_s);
    EXPECT_EQ(Click(picker, CellKind::Minute, 55), HoursPicker::Outcome::Taken);
    EXPECT_EQ(picker.minuteText(), u"55"_s);
}

TEST(HoursPicker, ZeroResetsAndFiveMinutesNeedTheFlag)
{
    HoursPicker picker(true);
    EXPECT_EQ(Click(picker, CellKind::Minute, 0), HoursPicker::Outcome::Waiting);
    EXPECT_EQ(Click(picker, CellKind::Hour, 0), HoursPicker::Outcome::Refused);
    EXPECT_EQ(picker.hourText(), u"--"_s);
    EXPECT_EQ(picker.minuteText(), u"--"_s);
    EXPECT_EQ(HoursPicker::ZeroDurationMessage(), u"Dauer muss größer 0 sein"_s);

    EXPECT_EQ(Click(picker, CellKind::Hour, 0), HoursPicker::Outcome::Waiting);
    EXPECT_EQ(Click(picker, CellKind::Minute, 5), HoursPicker::Outcome::Taken);
    EXPECT_EQ(picker.hourText(), u"0"_s);
    EXPECT_EQ(picker.minuteText(), u"05"_s);

    HoursPicker raster(false);
    EXPECT_EQ(Click(raster, CellKind::Hour, 0), HoursPicker::Outcome::Waiting);
    EXPECT_EQ(Click(raster, CellKind::Minute, 5), HoursPicker::Outcome::Ignored);
    EXPECT_EQ(raster.minuteText(), u"--"_s);
    EXPECT_FALSE(raster.look(*HoursLayout().find(CellKind::Minute, 5)).showNumber);
    EXPECT_TRUE(raster.look(*HoursLayout().find(CellKind::Minute, 45)).pickable);
}
