#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// A text sought in the model texts of a whole reading, prepared once: plain ASCII model texts are then
// searched in their bytes, without decoding them.
class SoughtText
{
public:
    explicit SoughtText(QStringView text);

    QStringView text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }

private:
    friend class CatalogueReader;

    QString m_text;
    QByteArray m_ascii; // the text's bytes, when every character is ASCII
    bool m_isAscii;
};
