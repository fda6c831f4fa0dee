#pragma once

#include "common/string_list.h"

#include <QTreeWidget>

// The activity rows of the filter dialog and the chooser: number and
// description, sorted by number, refilled by the search.
class ActivityListView : public QTreeWidget {
    Q_OBJECT
public:
    using RowText = QString (*)(const QString& number, const QString& description);

    ActivityListView(RowText rowText, QWidget* parent = nullptr);

    void setActivities(const StringList& activities);
    void applySearch(const QString& search);
    // Numbers of the rows shown, in display order.
    QStringList shownNumbers() const;
    QString number(const QTreeWidgetItem* item) const;
    QString description(const QTreeWidgetItem* item) const;

private:
    RowText rowText_;
    StringList activities_;
};
