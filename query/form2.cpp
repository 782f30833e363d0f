#include "form2.h"
#include "filedrop.h"
#include "plansuffix.h"

#include "appfont.h"
#include "calculationrun.h"
#include "calculationwindowtexts.h"
#include "capacityquery.h"
#include "clientarea.h"
#include "countkeyfilter.h"
#include "form2texts.h"
#include "queryreport.h"
#include "reportactions.h"
#include "twips.h"
#include "windowplacement.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

Form2::Form2(QWidget *mainWindow, const QString &catalogue, Language language, const WindowDoors &doors)
    : ChildWindow(mainWindow)
    , m_catalogue(catalogue)
    , m_language(language)
    , m_doors(doors)
{
    createControls();
    Form_Load();
}

void Form2::createControls()
{
    setObjectName(QStringLiteral("Form2"));
    setFont(AppFont::font(12));
    m_menuBar = new QMenuBar(this);
    QWidget *clientArea = ClientArea::belowMenuBar(this, m_menuBar, 7245, 6270);
    QPalette windowColours = palette();
    windowColours.setColor(QPalette::Window, windowColours.color(QPalette::Base));
    windowColours.setColor(QPalette::WindowText, windowColours.color(QPalette::Text));
    setPalette(windowColours);
    setAutoFillBackground(true);

    Frame1 = Twips::place<QFrame>(clientArea, "Frame1", 120, 120, 6975, 6015);
    Label1 = Twips::place<QLabel>(Frame1, "Label1", 0, 120, 6975, 375);
    Label1->setTextFormat(Qt::PlainText);
    txbNumber1 = Twips::place<QLineEdit>(Frame1, "txbNumber1", 0, 480, 6975, 420);
    CountKeyFilter::install(txbNumber1);
    Label1->setBuddy(txbNumber1);
    Command1 = Twips::place<QPushButton>(Frame1, "Command1", 0, 1080, 6975, 375);
    Text2 = Twips::place<QPlainTextEdit>(Frame1, "Text2", 0, 1680, 6975, 4335);
    Text2->setFont(AppFont::font(9));
    Text2->setReadOnly(true);
    Text2->setUndoRedoEnabled(false);
    QPalette highlighted = Text2->palette();
    highlighted.setColor(QPalette::Text, highlighted.color(QPalette::Highlight));
    Text2->setPalette(highlighted);

    setTabOrder(txbNumber1, Command1);
    setTabOrder(Command1, Text2);
    txbNumber1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::Form_Load()
{
    if (mainWindow())
        setWindowTitle(mainWindow()->windowTitle());
    Command1->setText(Form2Texts::command1.in(m_language));
    Label1->setText(Form2Texts::label1.in(m_language));
    m_reportActions = new ReportActions(this, m_language, {Text2});
    WindowMenus::file(m_menuBar, this, m_reportActions, CalculationWindowTexts::close, m_language);
    WindowMenus::help(m_menuBar, this, m_doors, Command1, m_language);
    FileDrop::accept(this, planFileSuffix, m_doors.openPlan);
    WindowPlacement::centre(this);
}

void Form2::Command1_Click()
{
    const Language language = m_language;
    CalculationRun run(this, language, {Command1, txbNumber1}, m_reportActions, [this] { return isUnloading(); });
    const QString typed = txbNumber1->text();
    CapacityQuery::Progress progress;
    progress.cleared = [this, &run] {
        run.snapshotResults({Text2});
        Text2->clear();
        m_pendingEntries.clear();
    };
    // The entries reach the box in batches, just before the window repaints: inserting a hundred thousand
    // of them one by one would cost seconds more.
    progress.entry = [this](const QString &entry) { m_pendingEntries << entry; };
    progress.pump = [this, &run] { return run.pump([this] { showPendingEntries(); }); };

    const CapacityQuery::Outcome outcome = CapacityQuery::run(typed, m_catalogue, language, progress);
    if (outcome.end == CalculationEnd::ReadFailed)
        m_pendingEntries.clear();
    if (!run.finish(outcome.end, outcome.refusal))
        return;
    showPendingEntries();
    Text2->moveCursor(QTextCursor::Start); // the view opens on the first entry
    m_reportActions->setReport([=, answer = outcome.result, created = QDateTime::currentDateTime()] {
        return QueryReport::make(typed, answer, language, created);
    });
}

void Form2::showPendingEntries()
{
    if (m_pendingEntries.isEmpty())
        return;
    // Each entry goes in front of those before it: the newest first, all of them in front of the box's text.
    QString batch;
    for (auto entry = m_pendingEntries.crbegin(); entry != m_pendingEntries.crend(); ++entry)
        batch += *entry;
    m_pendingEntries.clear();
    QTextCursor(Text2->document()).insertText(batch);
}
