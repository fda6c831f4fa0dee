#pragma once

#include "common/string_list.h"
#include "korav/core/dialog_outcome.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <optional>

class BaseDataStore;

// The account settings of one year: per employee the opening balance of the
// working-time account, the holiday entitlement and the days carried over.
// An empty opening balance or carry-over is taken from the year before; a
// row left empty keeps no settings. The years are the start year - 1 to + 1.
class AccountSettingsEditor {
public:
    enum Column { Opening, Entitlement, Carried };
    static constexpr int kColumns = 3;
    using Row = std::array<QString, kColumns>;

    // `saved` is told after each write of the file: the employee file for
    // PELIN then carries outdated accounts.
    AccountSettingsEditor(const BaseDataStore& store, QDate startDate, BaseDataSaved saved = {});

    // Rows of the employee list sorted; reads "zkonto.kvd" and shows the
    // start year.
    void open(const QStringList& employees);
    int startYear() const { return startYear_; }
    int year() const { return year_; }
    const QStringList& names() const { return names_; }
    const Row& row(int index) const { return rows_.at(index); }
    // What an empty opening balance or carry-over stands for: the value the
    // year before leaves, as stored now ("aus dem Vorjahr: -12:30").
    const Row& computed(int index) const { return computed_.at(index); }
    void edit(int row, Column column, const QString& text);
    bool modified() const { return modified_; }
    // The cell a refusal points to.
    std::optional<std::pair<int, Column>> faultyCell() const { return faultyCell_; }

    // Asks to keep the edits of the shown year first; false keeps it shown.
    bool showYear(int year);
    DialogOutcome save();
    DialogOutcome cancel();

private:
    void load(int year);
    void computeDefaults();
    bool store();

    const BaseDataStore& store_;
    BaseDataSaved saved_;
    QDate startDate_;
    int startYear_;
    int year_;
    QStringList names_;
    QList<Row> rows_;
    QList<Row> computed_;
    StringList file_;
    bool modified_ = false;
    std::optional<std::pair<int, Column>> faultyCell_;
};
