#pragma once

#include <QString>
#include <QStringList>

// An ordered list of text lines, most of them key=value lines. Every data
// file of the system is loaded into and saved from one of these as a whole.
class StringList {
public:
    StringList() = default;
    explicit StringList(QStringList lines);

    // Breaks at CR LF, lone CR and lone LF; a final line break ends the last
    // line and does not start an empty one.
    static StringList FromText(QStringView text);
    // Every line followed by CR LF, the last one too.
    QString toText() const;

    const QStringList& lines() const { return lines_; }
    qsizetype size() const { return lines_.size(); }
    bool isEmpty() const { return lines_.isEmpty(); }
    const QString& at(qsizetype i) const { return lines_.at(i); }
    void append(const QString& line);
    void insert(qsizetype i, const QString& line);
    void removeAt(qsizetype i);
    void replace(qsizetype i, const QString& line);
    void clear() { lines_.clear(); }

    // Key look-up follows the key rule of common/key_index.h: letter case
    // ignored, the first line of a key wins.
    qsizetype indexOfKey(QStringView key) const;
    bool hasKey(QStringView key) const { return indexOfKey(key) >= 0; }
    QString value(QStringView key, const QString& fallback = {}) const;
    // Changes the first line of the key in place; a missing key is appended,
    // or inserted at its place when the list is sorted.
    void setValue(const QString& key, const QString& value);

    // A sorted list keeps its lines in case-insensitive order.
    bool isSorted() const { return sorted_; }
    void setSorted(bool sorted);

    static QString KeyOf(QStringView line);
    static QString ValueOf(QStringView line);

    bool operator==(const StringList& other) const { return lines_ == other.lines_; }

private:
    qsizetype sortedInsertPosition(QStringView line) const;

    QStringList lines_;
    bool sorted_ = false;
};
