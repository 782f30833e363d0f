#pragma once

#include "language.h"
#include "languageselection.h"

#include <QDialog>
#include <QStringList>

// About Quarvel: what aboutfacts gathers, with buttons that show the licence and copy it all as text.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    // Reads the catalogue (the window processing its events), then opens the box over the window that asked.
    static void open(QWidget *parent, const QString &folder, const LanguageChoice &choice, Language language);

private:
    AboutDialog(QWidget *parent, const QStringList &lines, Language language);

    QStringList m_lines;
};
