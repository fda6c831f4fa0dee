#pragma once

#include "common/string_list.h"
#include "korav/core/dialog_outcome.h"

#include <QList>
#include <optional>

class BaseDataStore;

// The monthly full-time targets of the employees, one year at a time, with
// the daily target and the minute raster, and the building of the target
// records PELIN receives.
class TargetTimesEditor {
public:
    static constexpr int kMonths = 12;
    static constexpr int kMaxDailyMinutes = 12 * 60;

    struct Cell {
        int row = 0;
        int month = 0; // 1 to 12
    };

    TargetTimesEditor(const BaseDataStore& store, int startYear, BaseDataSaved saved);

    // The employee list for the dialog, or nothing (with a message) when the
    // file is missing or the list is empty.
    static std::optional<QStringList> EmployeesToEdit(const BaseDataStore& store);

    // Sorts the rows, builds the personnel-number map, reads the daily part
    // and shows the start year; false (after the messages) when the map
    // cannot be built.
    bool open(const QStringList& employees);

    const QStringList& rows() const { return rows_; }
    int startYear() const { return startYear_; }
    int displayedYear() const { return displayedYear_; }
    const QString& cell(int row, int month) const { return cells_.at(row).at(month - 1); }
    // A cell edited by the user.
    void editCell(int row, int month, const QString& text);

    bool yearModified() const { return yearModified_; }
    bool targetsModified() const { return targetsModified_; }
    bool dailyModified() const { return dailyModified_; }
    const QString& dailyHours() const { return dailyHours_; }
    const QString& dailyMinutes() const { return dailyMinutes_; }
    // The daily target as the hours picker gives it.
    void pickDaily(const QString& hours, const QString& minutes);
    // Marks the daily target as picked, also when the picker was cancelled.
    void markDailyPicked() { dailyModified_ = true; }
    bool fiveMinuteRaster() const { return fiveMinutes_; }
    void setFiveMinuteRaster(bool on) { fiveMinutes_ = on; }
    // The cell that stopped the last saving of a year.
    std::optional<Cell> faultyCell() const { return faultyCell_; }

    void LoadYearTargets(int year);
    bool SaveYearTargets();
    bool BuildTargetRecords();
    // The year buttons; false when the displayed year's grid could not be
    // saved and stays displayed. nextYearWording: the button of the
    // following year asks without the blanks before "?".
    bool switchYear(int year, bool nextYearWording = false);

    DialogOutcome save();
    DialogOutcome cancel();

    // The row-copy dialog: rows count from 1. Returns whether the flags of
    // the dialog were set (a copy, or a field that was no number).
    bool copyRow(const QString& from, const QString& to);
    bool copyRowToAll(const QString& from);

private:
    void readDailyPart();
    bool refuseCell(int row, int month, const QString& message);
    std::optional<int> rowNumber(const QString& field) const;
    void copyCells(int from, int to);

    const BaseDataStore& store_;
    int startYear_;
    BaseDataSaved saved_;
    QStringList rows_;
    StringList numbers_;
    QList<QStringList> cells_;
    int displayedYear_ = 0;
    bool yearModified_ = false;
    bool targetsModified_ = false;
    bool dailyModified_ = false;
    bool fiveMinutes_ = true;
    bool fiveMinutesAtShow_ = true;
    QString dailyHours_;
    QString dailyMinutes_;
    std::optional<Cell> faultyCell_;
};
