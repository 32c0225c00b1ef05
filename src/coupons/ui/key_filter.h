#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace tav::coupons {

// Lets through to an edit only the digits, backspace, tab, Enter and the extra characters given;
// any other typed character is dropped. Owned by the edit.
class TKeyFilter : public QObject
{
public:
    TKeyFilter(QLineEdit *edit, const QString &extra);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString extra_;
};

// The code and row-range edits: digits only.
void AcceptDigits(QLineEdit *edit);
// The odds edits: digits and the locale's decimal separator.
void AcceptDecimal(QLineEdit *edit);

} // namespace tav::coupons
