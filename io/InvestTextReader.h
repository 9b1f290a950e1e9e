#ifndef INVESTTEXTREADER_H
#define INVESTTEXTREADER_H

#include <QString>

// Walks through the fields of an investment text. Every field ends at a ';'; the reader
// keeps the start of the next field and the position its terminator search starts from.
//
// A search that finds no terminator sets the search position to -1 and leaves the field
// start alone. A negative search position counts back from the end of the text, so the
// search after a failed one looks at the last character only: a text that ends with ';'
// then yields that terminator again, with an empty field, and the searches alternate
// between failing and finding it. A text without a final ';' fails from then on.
class InvestTextReader
{
public:
    explicit InvestTextReader(const QString &text);

    // Searches the next terminator. On success stores the field (the text from the field
    // start up to the terminator, empty when the start lies beyond it) and returns true.
    bool next(QString *field);

    int fieldStart() const { return m_start; }
    int searchFrom() const { return m_from; }

private:
    QString m_text;
    int m_start = 0;
    int m_from = 0;
};

#endif // INVESTTEXTREADER_H
