#pragma once

#include "reportemitter.h"
#include "reportwalker.h"

#include <QStringList>

// A report as plain lines: "caption: value" rows, the candidates indented under their caption.
class PlainTextEmitter : public ReportEmitter
{
public:
    explicit PlainTextEmitter(Language language)
        : m_language(language)
    { }

    // The report's lines, without line ends.
    static QStringList lines(const Report &report, ReportWalker::Scope scope = ReportWalker::Scope::Whole);
    // Every line closed by CR LF, as the clipboard takes it.
    static QString text(const Report &report);

    void title(const QString &title, const QDateTime &created) override;
    void inputs(const ReportSection::Inputs &inputs) override;
    void catalogue(const ReportSection::Catalogue &catalogue) override;
    void heading(const ReportSection::Heading &heading) override;
    void candidates(const ReportSection::Candidates &candidates) override;
    void results(const ReportSection::Results &results) override;
    void text(const ReportSection::Text &text) override;

private:
    void rows(const QList<ReportRow> &rows);
    QString captionLine(const QString &caption) const;

    Language m_language;
    QStringList m_lines;
};
