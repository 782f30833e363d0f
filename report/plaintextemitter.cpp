#include "plaintextemitter.h"

#include "displaytext.h"

QStringList PlainTextEmitter::lines(const Report &report, ReportWalker::Scope scope)
{
    PlainTextEmitter emitter(report.language);
    ReportWalker::walk(report, emitter, scope);
    return emitter.m_lines;
}

QString PlainTextEmitter::text(const Report &report)
{
    return lines(report).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void PlainTextEmitter::paragraph(const QString &text, Style)
{
    m_lines << DisplayText::escaped(text);
}

void PlainTextEmitter::table(const Table &table)
{
    if (!table.header.isEmpty())
        m_lines << QStringLiteral("  ") + DisplayText::escaped(table.header.join(QStringLiteral(" | ")));
    for (const QString &line : table.lines)
        m_lines << QStringLiteral("  ") + DisplayText::escaped(line);
}

void PlainTextEmitter::answerFollows()
{
    m_lines << QString();
}
