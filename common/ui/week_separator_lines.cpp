#include "common/ui/week_separator_lines.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

using namespace Qt::StringLiterals;

void GreyWeekSeparatorLines(QPlainTextEdit* edit)
{
    QTextCharFormat grey;
    grey.setForeground(QColor(128, 128, 128));
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        if (!block.text().startsWith(u" \u2584"_s))
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(grey);
    }
}
