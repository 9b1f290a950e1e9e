#include "io/InvestTextReader.h"

#include <algorithm>

InvestTextReader::InvestTextReader(const QString &text)
    : m_text(text)
{
}

bool InvestTextReader::next(QString *field)
{
    const int length = m_text.size();
    const int from = m_from < 0 ? std::max(length + m_from, 0) : m_from;
    const int found = from < length ? m_text.indexOf(QLatin1Char(';'), from) : -1;
    if (found < 0) {
        m_from = -1;
        return false;
    }
    if (field)
        *field = found > m_start ? m_text.mid(m_start, found - m_start) : QString(QLatin1String(""));
    m_start = found + 1;
    m_from = found + 1;
    return true;
}
