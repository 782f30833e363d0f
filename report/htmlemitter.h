#pragma once

#include "reportemitter.h"

// A report as HTML, for the clipboard (mail, spreadsheets): the candidates as a table of two columns, model
// and percentage; every text escaped, whatever a catalogue puts in a model text.
class HtmlEmitter : public ReportEmitter
{
public:
    explicit HtmlEmitter(Language language)
        : m_language(language)
    { }

    static QString html(const Report &report);

    void title(const QString &title, const QDateTime &created) override;
    void inputs(const ReportSection::Inputs &inputs) override;
    void catalogue(const ReportSection::Catalogue &catalogue) override;
    void heading(const ReportSection::Heading &heading) override;
    void candidates(const ReportSection::Candidates &candidates) override;
    void results(const ReportSection::Results &results) override;
    void text(const ReportSection::Text &text) override;

private:
    void paragraph(const QString &text, const char *tag = "p");
    void rows(const QList<ReportRow> &rows);

    Language m_language;
    QString m_html;
};
