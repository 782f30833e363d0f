#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class ReportActions;

// The query window: how many terminals the processors matching a model number carry. It takes the main
// window's icon and title, and enables the main window again when it closes, whatever the cause.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    Form2(QWidget *mainWindow, const QString &catalogue);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void Form_Load();
    void Command1_Click();
    void showPendingEntries();

    QPointer<QWidget> m_mainWindow;
    QString m_catalogue;
    bool m_unloading = false;
    QStringList m_pendingEntries; // found but not shown yet, oldest first
    ReportActions *m_reportActions;

    QFrame *Frame1;
    QLabel *Label1;
    QLineEdit *txbNumber1;
    QPushButton *Command1;
    QPlainTextEdit *Text2;
};
