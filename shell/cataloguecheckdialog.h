#pragma once

#include "cataloguecheck.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The catalogue check of the command line, in a dialog: its verdict in plain words above its report, buttons that
// copy the report and check again. It reads with the event pump, so that the window stays responsive.
class CatalogueCheckDialog : public QDialog
{
    Q_OBJECT

public:
    CatalogueCheckDialog(QWidget *parent, const QString &catalogue, Language language);

    // The reading runs once the dialog is open; closing it abandons a reading.
    void check();

private:
    QString m_catalogue;
    Language m_language;
    QString m_report; // verdict and every line, as copied
    QLabel *m_verdict;
    QPlainTextEdit *m_lines;
    QPushButton *m_copy;
    QPushButton *m_checkAgain;
};
