#pragma once

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// A text with "{N}" standing for N blanks, as list entries set their columns apart.
inline QString withBlanks(QString text)
{
    static const QRegularExpression run(QStringLiteral("\\{(\\d+)\\}"));
    for (auto match = run.match(text); match.hasMatch(); match = run.match(text))
        text.replace(match.capturedStart(), match.capturedLength(), QString(match.captured(1).toInt(), u' '));
    return text;
}

// A table of rows, each a string of fields split at the separator and named by itself.
inline void tableRows(const QStringList &table, QChar separator = u' ')
{
    QTest::addColumn<QStringList>("row");
    for (const QString &row : table) {
        QStringList fields = row.split(separator);
        for (QString &field : fields)
            field = withBlanks(field);
        QTest::newRow(qPrintable(row.left(60).section(u'\n', 0, 0))) << fields;
    }
}
