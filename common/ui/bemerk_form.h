#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;

// Borderless dialog for the remark of a day.
class TBemerkForm : public QDialog {
    Q_OBJECT
public:
    explicit TBemerkForm(QWidget* parent = nullptr);

    // Shows the dialog at `position` (global) with the current remark; gives
    // the new remark on "Übernehmen", nothing on "Abbrechen".
    std::optional<QString> editRemark(const QString& current, const QPoint& position);

    // Prepares the field as showing does; used by editRemark and tests.
    void FormShow(const QString& current);
    QLineEdit* edit() const { return bemerkungEdit_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* bemerkungEdit_;
};
