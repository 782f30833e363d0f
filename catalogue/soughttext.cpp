#include "soughttext.h"

SoughtText::SoughtText(QStringView text)
    : m_text(text.toString())
    , m_isAscii(true)
{
    for (QChar c : text)
        m_isAscii = m_isAscii && c.unicode() < 0x80;
    if (m_isAscii)
        m_ascii = m_text.toLatin1();
}
