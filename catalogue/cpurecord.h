#pragma once

#include <QStringView>

class CatalogueReader;
class SoughtText;

// One catalogue line: a processor (or multi-socket configuration) and its performance score. A record lives
// in its reader's buffers: it is valid until the reader reads the next line.
class CpuRecord
{
public:
    // Field 1 as a finite number, not truncated.
    double score() const { return m_score; }
    // Field 0 exactly as read, blanks included; decoded only when asked for.
    QStringView model() const;
    // The model text without its leading and trailing blanks, as the lists show it; or that appended to a text.
    QString trimmedModel() const;
    void appendTrimmedModel(QString &text) const;
    bool modelIsEmpty() const;
    // Whether the model text holds the sought text, case-sensitively, code unit by code unit.
    bool modelContains(const SoughtText &sought) const;

private:
    friend class CatalogueReader;

    const CatalogueReader *m_reader = nullptr;
    double m_score = 0;
};
