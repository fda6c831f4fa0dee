#pragma once

// What the logged-in session changed and has not saved yet. An edit of the
// shown day is always a change of the data as well, so the one call sets
// both; the day flag only says whether the sheet still holds more than its
// month list.
class UnsavedChanges {
public:
    bool any() const { return data_ || filter_; }
    bool data() const { return data_; }
    bool filter() const { return filter_; }
    bool dayPending() const { return dayPending_; }

    void dayEdited()
    {
        dayPending_ = true;
        data_ = true;
    }
    // The sheet and the month list hold the same day again (stored or loaded).
    void dayInMonthList() { dayPending_ = false; }
    void dataChanged() { data_ = true; }
    void filterChanged() { filter_ = true; }

private:
    bool dayPending_ = false;
    bool data_ = false;
    bool filter_ = false;
};
