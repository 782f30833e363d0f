#pragma once

#include "processorfacts.h"

#include <QByteArrayView>
#include <QStringView>

#include <optional>

class CatalogueReader;
class ProcessorDetails;
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
    // The model text's bytes without its leading and trailing blanks, where they are plain ASCII (each its
    // character); nothing for other text.
    std::optional<QByteArrayView> trimmedAsciiModel() const;
    // What the details file beside the catalogue says of this model (all unknown without it).
    ProcessorFacts facts() const;
    // Whether the model text holds the sought text, case-sensitively, code unit by code unit.
    bool modelContains(const SoughtText &sought) const;

private:
    friend class CatalogueReader;

    const CatalogueReader *m_reader = nullptr;
    ProcessorDetails *m_details = nullptr;
    double m_score = 0;
};
