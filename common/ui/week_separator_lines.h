#pragma once

class QPlainTextEdit;

// The lines of lower-half blocks that part the weeks of a monthly overview
// are drawn grey, so that the days stand out; their text stays as it is saved.
void GreyWeekSeparatorLines(QPlainTextEdit* edit);
