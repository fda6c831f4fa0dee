#include "korav/reports/forms/report_view_parts.h"

#include <QComboBox>
#include <QPlainTextEdit>

QStringList ComboItems(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.itemText(i));
    return items;
}

QStringList ShownLines(const QPlainTextEdit& view)
{
    const QString text = view.toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}
