#pragma once

#include <QList>
#include <QString>

// An edit mask as the windows write it: "mask;save literals;blank", e.g. "!90:00;1;_" for a
// time. The mask characters (L l A a C c 0 9 # > < \ : / _) become a QLineEdit input mask; the
// text the program reads back keeps the mask's shape: blanks as spaces, the literals only when
// the save flag (default 1) asks for them.
class TEditMask
{
public:
    TEditMask() = default;
    explicit TEditMask(const QString &mask);

    bool IsEmpty() const { return positions_.isEmpty(); }
    // The input mask for QLineEdit::setInputMask ("" when there is no mask).
    QString InputMask() const { return inputMask_; }
    bool SaveLiterals() const { return saveLiterals_; }
    QChar Blank() const { return blank_; }

    // The text of the mask's positions from what a masked line shows (QLineEdit::displayText).
    QString TextFromDisplay(const QString &display) const;
    // Whether nothing was typed into any of the positions that take input.
    bool IsBlank(const QString &display) const;

private:
    struct Position
    {
        bool literal = false;
    };

    QString inputMask_;
    QList<Position> positions_;
    bool saveLiterals_ = true;
    QChar blank_ = QLatin1Char('_');
};
