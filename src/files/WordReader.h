#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

// The white space that separates words in the program's text files.
inline bool isWordSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Reads whitespace-separated words and decimal numbers, ignoring the line
// structure. A number that cannot be read consumes nothing, so the word that
// stopped it is what the next read sees. Leading UTF-8 byte order marks, as
// Windows editors save them, are skipped.
class WordReader
{
public:
    enum class Sign
    {
        Unsigned,
        Allowed
    };

    explicit WordReader(QByteArrayView text);

    // The next word, or an empty view at the end of the text.
    QByteArrayView nextWord();

    // Leading digits of the next word (after an optional sign when allowed);
    // any rest of the word stays to be read. The value wraps modulo 2^32, so
    // the low bits the files use are right for numbers of any length.
    std::optional<quint32> nextNumber(Sign sign);

private:
    void skipSpace();

    QByteArrayView m_text;
    qsizetype m_pos = 0;
};
