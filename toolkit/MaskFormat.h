#pragma once

// The edit mask of a masked field as the forms write it ("!00/00/0000;1;_"):
// which position of the field takes which characters, which positions are
// literals, whether the literals belong to the field's text and which
// character shows a blank.
// Maps between the field's cells (one character per position, a space for a
// blank), its text and the input mask of Qt's line edit.
//
// Mask characters: 0 digit, 9 optional digit, # optional digit or sign,
// L letter, l optional letter, A letter or digit, a optional letter or digit,
// C any character, c optional character; > upper case, < lower case, <> as
// typed; ! blanks lead when a shorter text is set; \ takes the next character
// as a literal; / and : are the date and time separators; _ is a space. Any
// other character is a literal. After the mask, ";0" leaves the literals out
// of the text (";1", the default, keeps them) and a third field names the
// blank character ("_" by default).

#include <QChar>
#include <QList>
#include <QString>

class MaskFormat
{
public:
    enum class Kind { Literal, Digit, DigitOrSign, Letter, LetterOrDigit, Any };
    enum class Case { AsTyped, Upper, Lower };

    struct Position {
        Kind kind = Kind::Literal;
        bool required = false;
        QChar literal;   // for Kind::Literal
        Case charCase = Case::AsTyped;
    };

    MaskFormat() = default;
    static MaskFormat parse(const QString &mask, QChar dateSeparator = u'/', QChar timeSeparator = u':');

    bool isEmpty() const { return m_positions.isEmpty(); }
    int size() const { return int(m_positions.size()); }
    const QList<Position> &positions() const { return m_positions; }
    bool savesLiterals() const { return m_saveLiterals; }
    QChar blank() const { return m_blank; }
    bool leadingBlanks() const { return m_leadingBlanks; }

    // The same mask in the syntax of QLineEdit::setInputMask; empty for an
    // empty mask.
    QString qtInputMask() const;

    // Whether position `pos` takes `c` (after the position's case rule), and
    // the character it then holds.
    bool accepts(int pos, QChar c) const;
    QChar convert(int pos, QChar c) const;

    // Cells: one character per position, literals in place, a space where a
    // data position is blank.
    QString blankCells() const;
    QString cellsFromDisplay(const QString &display) const;
    QString cellsFromText(const QString &text) const;
    QString textFromCells(const QString &cells) const;
    // The text of a field in which nothing was typed ("  /  /    ").
    QString blankText() const { return textFromCells(blankCells()); }

    // No data position holds a character.
    bool isBlank(const QString &cells) const;
    // Every required position holds a character.
    bool isComplete(const QString &cells) const;
    // The first required position that is blank, -1 when there is none.
    int firstMissing(const QString &cells) const;

private:
    bool isData(int pos) const { return m_positions.at(pos).kind != Kind::Literal; }

    QList<Position> m_positions;
    bool m_saveLiterals = true;
    QChar m_blank = u'_';
    bool m_leadingBlanks = false;
};
