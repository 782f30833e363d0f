#include "form3.h"
#include "filedrop.h"
#include "plansuffix.h"

#include "appfont.h"
#include "calculationrun.h"
#include "calculationwindowtexts.h"
#include "clientarea.h"
#include "countkeyfilter.h"
#include "entrylistmodel.h"
#include "form3texts.h"
#include "headingfit.h"
#include "optiongroup.h"
#include "reportactions.h"
#include "sizingwindow.h"
#include "twips.h"
#include "vdireport.h"
#include "vdisizing.h"
#include "windowplacement.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <iterator>

namespace {

constexpr qreal headingPoints = 15;

} // namespace

Form3::Form3(QWidget *mainWindow, const QString &catalogue, Language language, const WindowDoors &doors)
    : ChildWindow(mainWindow)
    , m_catalogue(catalogue)
    , m_language(language)
    , m_doors(doors)
{
    createControls();
    Form_Load();
}

void Form3::createControls()
{
    setObjectName(QStringLiteral("Form3"));
    setFont(AppFont::font(9));
    m_menuBar = new QMenuBar(this);
    QWidget *clientArea = ClientArea::belowMenuBar(this, m_menuBar, 8295, 7935);

    Frame1 = Twips::place<QFrame>(clientArea, "Frame1", 120, 0, 8055, 3495);
    Label1 = Twips::label(Frame1, "Label1", 120, 240, 7815, 255);
    txbNumber1 = Twips::place<QLineEdit>(Frame1, "txbNumber1", 120, 480, 7815, 375);
    CountKeyFilter::install(txbNumber1);
    Label1->setBuddy(txbNumber1);
    Frame2 = Twips::place<QFrame>(Frame1, "Frame2", 120, 960, 3735, 1455);
    Option1 = Twips::place<QRadioButton>(Frame2, "Option1", 240, 360, 3255, 255);
    Option2 = Twips::place<QRadioButton>(Frame2, "Option2", 240, 720, 3255, 255);
    Option3 = Twips::place<QRadioButton>(Frame2, "Option3", 240, 1080, 3255, 255);
    Frame3 = Twips::place<QFrame>(Frame1, "Frame3", 3960, 960, 3735, 1455);
    Option4 = Twips::place<QRadioButton>(Frame3, "Option4", 240, 360, 3255, 255);
    Option5 = Twips::place<QRadioButton>(Frame3, "Option5", 240, 720, 3255, 255);
    Option6 = Twips::place<QRadioButton>(Frame3, "Option6", 240, 1080, 3375, 255);
    Option4->setText(VdiTexts::choices.vendor(Vendor::Intel));
    Option5->setText(VdiTexts::choices.vendor(Vendor::Amd));
    Option6->setText(VdiTexts::choices.vendor(Vendor::Both));
    m_levels = OptionGroup::make(this, {Option1, Option2, Option3});
    m_vendors = OptionGroup::make(this, {Option4, Option5, Option6});
    Option1->setChecked(true);
    Option4->setChecked(true);
    Command1 = Twips::place<QPushButton>(Frame1, "Command1", 120, 2640, 7815, 495);

    Frame4 = Twips::place<QFrame>(clientArea, "Frame4", 120, 3480, 8055, 4335);
    Frame4->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Label2 = Twips::label(Frame4, "Label2", 120, 240, 7815, 375, headingPoints, true);
    Label2->setAlignment(Qt::AlignCenter);
    Label3 = Twips::label(Frame4, "Label3", 120, 840, 7815, 255, 9, true);
    Combo1 = Twips::place<QComboBox>(Frame4, "Combo1", 120, 1080, 7815, 375);
    m_candidates = EntryListModel::attachTo(Combo1);
    Label3->setBuddy(Combo1);
    Label4 = Twips::label(Frame4, "Label4", 120, 1680, 7815, 255, 9, true);
    Line1 = Twips::place<QFrame>(Frame4, "Line1", 120, 1965, 7800, 15);
    Line1->setAutoFillBackground(true);
    QPalette lightGrey = Line1->palette();
    lightGrey.setColor(QPalette::Window, QColor(192, 192, 192));
    Line1->setPalette(lightGrey);
    Text2 = Twips::place<QPlainTextEdit>(Frame4, "Text2", 120, 2040, 7815, 1815);
    Text2->setReadOnly(true);
    Text2->setUndoRedoEnabled(false);
    Label4->setBuddy(Text2);
    Label5 = Twips::label(Frame4, "Label5", 120, 3960, 7815, 255, 9, true);
    Label5->setAlignment(Qt::AlignCenter);
    QPalette blue = Label5->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Label5->setPalette(blue);

    QWidget *tabOrder[] = {txbNumber1, Option1, Option2, Option3, Option4, Option5, Option6, Command1, Text2, Combo1};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    txbNumber1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
}

void Form3::Form_Load()
{
    setWindowTitle(VdiReport::windowTitle(m_language));
    for (const Form3Texts::ControlText &entry : Form3Texts::controls)
        findChild<QWidget *>(QLatin1String(entry.control))->setProperty("text", entry.text.in(m_language));
    Label2->setText(Form3Texts::headingAtStart.in(m_language));
    m_reportActions = new ReportActions(this, m_language, {Text2});
    WindowMenus::file(m_menuBar, this, m_reportActions, CalculationWindowTexts::close, m_language);
    WindowMenus::help(m_menuBar, this, m_doors, Command1, m_language);
    FileDrop::accept(this, planFileSuffix, m_doors.openPlan);
    WindowPlacement::centre(this);
}

TaskLevel Form3::taskLevel() const
{
    return OptionGroup::chosen<TaskLevel>(m_levels);
}

Vendor Form3::vendor() const
{
    return OptionGroup::chosen<Vendor>(m_vendors);
}

void Form3::Command1_Click()
{
    const Language language = m_language;
    CalculationRun run(this, language, {Command1, txbNumber1}, m_reportActions, [this] { return isUnloading(); });
    const SizingView view{Label2, headingPoints, {}, Combo1, m_candidates};
    const VdiSizing::Request request{txbNumber1->text(), [this] { return taskLevel(); }, [this] { return vendor(); },
                                     m_catalogue, language};
    const VdiSizing::Outcome outcome = VdiSizing::calculate(request, SizingWindow::progress(run, view));
    if (!SizingWindow::showListOrMessage(run, view, outcome.end, outcome.refusal, language))
        return;
    HeadingFit::setText(Label2, outcome.result.heading, headingPoints);
    Text2->setPlainText(VdiReport::hardwareText(outcome.result.hardware, language));
    const SizingReport::Inputs inputs{request.countText, taskLevel(), vendor(), language, QDateTime::currentDateTime()};
    m_reportActions->setReport([inputs, result = outcome.result] { return VdiReport::make(inputs, result); });
}
