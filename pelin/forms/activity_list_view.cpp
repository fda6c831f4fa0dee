#include "pelin/forms/activity_list_view.h"

#include "pelin/core/filter_pool.h"

#include <QHeaderView>

using namespace Qt::StringLiterals;

ActivityListView::ActivityListView(RowText rowText, QWidget* parent) : QTreeWidget(parent), rowText_(rowText)
{
    setObjectName(u"FilterListView"_s);
    setColumnCount(2);
    setHeaderLabels({ u"Nummer"_s, u"Bezeichnung"_s });
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
}

void ActivityListView::setActivities(const StringList& activities)
{
    activities_ = activities;
    applySearch({});
}

void ActivityListView::applySearch(const QString& search)
{
    clear();
    QList<QTreeWidgetItem*> items;
    for (const QString& line : activities_.lines()) {
        const QString number = StringList::KeyOf(line);
        const QString description = StringList::ValueOf(line);
        if (RowMatchesSearch(rowText_(number, description), search))
            items.append(new QTreeWidgetItem(QStringList { number, description }));
    }
    std::stable_sort(items.begin(), items.end(), [](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        return a->text(0).compare(b->text(0), Qt::CaseInsensitive) < 0;
    });
    addTopLevelItems(items);
}

QStringList ActivityListView::shownNumbers() const
{
    QStringList numbers;
    for (int i = 0; i < topLevelItemCount(); ++i)
        numbers.append(topLevelItem(i)->text(0));
    return numbers;
}

QString ActivityListView::number(const QTreeWidgetItem* item) const
{
    return item ? item->text(0) : QString();
}

QString ActivityListView::description(const QTreeWidgetItem* item) const
{
    return item ? item->text(1) : QString();
}
