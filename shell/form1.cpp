#include "form1.h"

#include "aboutdialog.h"
#include "appfont.h"
#include "calculationrun.h"
#include "cataloguecheckdialog.h"
#include "clientarea.h"
#include "countkeyfilter.h"
#include "cpucatalogue.h"
#include "enabledwith.h"
#include "entrylistmodel.h"
#include "filedialogs.h"
#include "filedrop.h"
#include "form1texts.h"
#include "form2.h"
#include "form3.h"
#include "headingfit.h"
#include "languageselection.h"
#include "messageboxes.h"
#include "module1.h"
#include "optiongroup.h"
#include "planfile.h"
#include "planwindow.h"
#include "planwindowtexts.h"
#include "platform.h"
#include "qttranslation.h"
#include "quarvel.xpm"
#include "rdpreport.h"
#include "rdpsizing.h"
#include "rdptexts.h"
#include "recentplans.h"
#include "reportactions.h"
#include "sizingwindow.h"
#include "startupprobe.h"
#include "tasklevel.h"
#include "twips.h"
#include "vendor.h"
#include "version.h"
#include "windowplacement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QUrl>

#include <iterator>

namespace {

constexpr qreal headingPoints = 14.25;

void fillWith(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

Form1::Form1(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_folder(QString::fromStdString(platform.applicationFolder()))
{
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    Form_Load();
}

void Form1::createControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(QIcon(QPixmap(quarvel_xpm)));
    setFont(AppFont::font(9));
    m_menuBar = new QMenuBar(this);
    QWidget *clientArea = ClientArea::belowMenuBar(this, m_menuBar, 8415, 8220);
    const QColor buttonFace = palette().color(QPalette::Button);
    fillWith(clientArea, palette().color(QPalette::Base));

    Frame1 = Twips::place<QFrame>(clientArea, "Frame1", 120, 0, 8175, 3135);
    Label1 = Twips::label(Frame1, "Label1", 120, 240, 7905, 375, 12);
    txbNumber1 = Twips::place<QLineEdit>(Frame1, "txbNumber1", 120, 600, 7935, 390);
    txbNumber1->setFont(AppFont::font(10.5));
    CountKeyFilter::install(txbNumber1);
    Label1->setBuddy(txbNumber1);
    Option1 = Twips::place<QRadioButton>(Frame1, "Option1", 120, 1200, 3735, 255);
    Option2 = Twips::place<QRadioButton>(Frame1, "Option2", 120, 1500, 3735, 255);
    Option3 = Twips::place<QRadioButton>(Frame1, "Option3", 120, 1800, 3735, 255);
    Frame3 = Twips::place<QFrame>(Frame1, "Frame3", 3960, 1200, 4095, 975);
    Option4 = Twips::place<QRadioButton>(Frame3, "Option4", 120, 0, 3495, 320);
    Option5 = Twips::place<QRadioButton>(Frame3, "Option5", 120, 320, 3495, 255);
    Option6 = Twips::place<QRadioButton>(Frame3, "Option6", 120, 590, 3375, 255);
    Option4->setText(RdpTexts::choices.vendor(Vendor::Intel));
    Option5->setText(RdpTexts::choices.vendor(Vendor::Amd));
    Option6->setText(RdpTexts::choices.vendor(Vendor::Both));
    // Two groups, though Frame3 sits in Frame1 beside the task levels.
    m_levels = OptionGroup::make(this, {Option1, Option2, Option3});
    m_vendors = OptionGroup::make(this, {Option4, Option5, Option6});
    Option2->setChecked(true);
    Option4->setChecked(true);
    Command1 = Twips::place<QPushButton>(Frame1, "Command1", 120, 2240, 7935, 495);

    Frame2 = Twips::place<QFrame>(clientArea, "Frame2", 120, 2880, 8175, 5175);
    Frame2->setFrameStyle(QFrame::Box | QFrame::Plain);
    fillWith(Frame2, Qt::white);
    Label15 = Twips::label(Frame2, "Label15", 120, 360, 7935, 375, headingPoints);
    Label15->setAlignment(Qt::AlignCenter);
    Label16 = Twips::label(Frame2, "Label16", 120, 900, 3255, 375, 12, true);
    Label17 = Twips::label(Frame2, "Label17", 3360, 900, 4695, 375, 12, true);
    fillWith(Label16, buttonFace);
    fillWith(Label17, buttonFace);
    Label3 = Twips::label(Frame2, "Label3", 120, 1305, 7935, 375, 12);
    Combo1 = Twips::place<QComboBox>(Frame2, "Combo1", 120, 1660, 7935, 375);
    m_candidates = EntryListModel::attachTo(Combo1);
    Label3->setBuddy(Combo1);
    Label4 = Twips::label(Frame2, "Label4", 120, 2050, 3255, 375, 12);
    Label9 = Twips::label(Frame2, "Label9", 3360, 2050, 4695, 375, 12);
    Label5 = Twips::label(Frame2, "Label5", 120, 2410, 3255, 375, 12);
    Label10 = Twips::label(Frame2, "Label10", 3360, 2410, 4695, 375, 12);
    Label6 = Twips::label(Frame2, "Label6", 120, 2770, 3255, 375, 12);
    Label11 = Twips::label(Frame2, "Label11", 3360, 2770, 4695, 375, 12);
    Label7 = Twips::label(Frame2, "Label7", 120, 3130, 3255, 375, 12);
    Label12 = Twips::label(Frame2, "Label12", 3360, 3130, 4695, 375, 12);
    // Label8 and Label18 as wide as the rows above, so that "Recommended Graphics Card" fits in the fonts
    // that stand in for 微软雅黑.
    Label8 = Twips::label(Frame2, "Label8", 120, 3490, 3255, 375, 12);
    Label13 = Twips::label(Frame2, "Label13", 3360, 3490, 4695, 375, 12);
    Label18 = Twips::label(Frame2, "Label18", 120, 3850, 3255, 375, 12);
    Label19 = Twips::label(Frame2, "Label19", 3360, 3850, 4695, 375, 12);
    Command2 = Twips::place<QPushButton>(Frame2, "Command2", 120, 4280, 4815, 495);
    Command4 = Twips::place<QPushButton>(Frame2, "Command4", 5040, 4280, 1455, 495);
    Command3 = Twips::place<QPushButton>(Frame2, "Command3", 6600, 4280, 1455, 495);
    Command4->setText(QStringLiteral("VDI"));
    Label14 = Twips::label(Frame2, "Label14", 120, 4800, 7935, 345, 10.5);
    Label14->setAlignment(Qt::AlignCenter);
    QPalette blue = Label14->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Label14->setPalette(blue);

    QWidget *tabOrder[] = {txbNumber1, Option1, Option2, Option3,  Command1, Combo1,
                           Option4,    Option5, Option6, Command3, Command2, Command4};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    txbNumber1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
}

void Form1::Form_Load()
{
    StartupProbe::run(m_platform);
    m_languageChoice = LanguageSelection::choose(m_platform);
    Module1::blnEnglish = m_languageChoice.english;
    setWindowTitle(Version::mainWindowTitle());
    const Language language = Module1::language();
    QtTranslation::apply(language, m_folder);
    for (const Form1Texts::ControlText &entry : Form1Texts::controls) {
        QWidget *control = findChild<QWidget *>(QLatin1String(entry.control));
        if (entry.property == Form1Texts::ControlText::Caption)
            control->setProperty("text", entry.text.in(language));
        else
            control->setToolTip(entry.text.in(language));
    }
    m_reportActions = new ReportActions(this, language);
    createMenus(language);
    FileDrop::accept(this, PlanFile::suffix, [this](const QString &path) { openPlanFile(path); });
}

void Form1::createMenus(Language language)
{
    QMenu *file = WindowMenus::file(m_menuBar, this, m_reportActions, Form1Texts::exit, language);
    QAction *first = file->actions().constFirst();
    // The plan window's doors, open while the VDI window's are.
    const auto planDoor = [&](const Bilingual &text, const std::function<void()> &open) {
        auto *action = new QAction(text.in(language), file);
        connect(action, &QAction::triggered, this, open);
        EnabledWith::follow(action, Command4);
        file->insertAction(first, action);
    };
    planDoor(PlanWindowTexts::newPlanFromMain, [this] { newPlan(); });
    planDoor(PlanWindowTexts::openPlan, [this] { openPlan(); });
    QMenu *recent = RecentPlans::menu(file, language, [this](const QString &path) { openPlanFile(path); });
    EnabledWith::follow(file->insertMenu(first, recent), Command4);
    file->insertSeparator(first);
    QMenu *tools = WindowMenus::menu(m_menuBar, Form1Texts::toolsMenu, language);
    const auto door = [&](const Bilingual &text, QWidget *enabledWith, const std::function<void()> &open) {
        QAction *action = tools->addAction(text.in(language), this, open);
        EnabledWith::follow(action, enabledWith);
    };
    door(Form1Texts::queryWindow, Command2, [this] { Command2->click(); });
    door({"VDI", "VDI"}, Command4, [this] { Command4->click(); });
    door(Form1Texts::farmPlanning, Command4, [this] { openFarm(); });
    tools->actions().constLast()->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    door(Form1Texts::checkCatalogue, Command1, [this] { checkCatalogue(); });
    door(Form1Texts::openFolder, Command1, [this] { openFolder(); });
    WindowMenus::help(m_menuBar, this, doors(), Command1, language);
}

// The windows this one opens may outlive it (the VDI window stays when it closes): the doors hold copies and a
// guarded pointer, never this window itself.
WindowDoors Form1::doors()
{
    return {[](QWidget *window) {
                MessageBoxes::inform(window, window->windowTitle(), Form1Texts::help.in(Module1::language()));
            },
            [folder = m_folder, choice = m_languageChoice](QWidget *window) {
                AboutDialog::open(window, folder, choice, Module1::language());
            },
            [main = QPointer<Form1>(this)](const QString &path) {
                if (main)
                    main->openPlanFile(path);
            }};
}

void Form1::checkCatalogue()
{
    auto *dialog = new CatalogueCheckDialog(this, CpuCatalogue::pathIn(m_folder), Module1::language());
    dialog->open();
    dialog->check();
}

// As the VDI window: one at a time, the main window disabled while it is open.
void Form1::openFarm()
{
    ChildWindow::open(m_farm, this, ChildWindow::Disable::AfterShowing, [this] { return makePlanWindow(); });
}

PlanWindow *Form1::makePlanWindow()
{
    return new PlanWindow(this, CpuCatalogue::pathIn(m_folder), Module1::language(), doors(),
                          [main = QPointer<Form1>(this)] { return main ? main->freshPlan() : SitePlan{}; });
}

SitePlan Form1::freshPlan() const
{
    SitePlan plan;
    plan.vendor = vendor();
    const double count = TerminalCount::parse(txbNumber1->text()).value_or(0);
    plan.groups = {{QString(), SitePlan::Kind::Rdp, taskLevel(), qint64(std::min(count, 4e18)), 100}};
    return plan;
}

void Form1::newPlan()
{
    const bool opened = m_farm;
    openFarm();
    if (opened)
        m_farm->newPlan();
}

void Form1::openPlan()
{
    const QPointer<Form1> self(this);
    const QString path = FileDialogs::toOpen(this, PlanWindowTexts::openTitle.in(Module1::language()),
                                             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                             PlanWindowTexts::filter.in(Module1::language()));
    if (self && !path.isEmpty())
        openPlanFile(path);
}

void Form1::openPlanFile(const QString &path)
{
    if (m_farm) {
        openFarm();
        m_farm->open(path);
        return;
    }
    // Shown only with the file's plan: a refused file leaves no window behind.
    QPointer<PlanWindow> window = makePlanWindow();
    if (!window->open(path)) {
        delete window.data();
        return;
    }
    m_farm = window;
    openFarm();
}

void Form1::openFolder()
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_folder))) {
        MessageBoxes::inform(
            this, windowTitle(),
            Form1Texts::folderNotOpened.in(Module1::language()).arg(QDir::toNativeSeparators(m_folder)));
    }
}

void Form1::showCentred()
{
    WindowPlacement::centre(this);
    show();
    txbNumber1->setFocus();
}

TaskLevel Form1::taskLevel() const
{
    return OptionGroup::chosen<TaskLevel>(m_levels);
}

Vendor Form1::vendor() const
{
    return OptionGroup::chosen<Vendor>(m_vendors);
}

void Form1::Command1_Click()
{
    const Language language = Module1::language();
    CalculationRun run(this, language, {Command1, Command2, Command3, txbNumber1}, m_reportActions,
                       [this] { return m_unloading; });
    const SizingView view{
        Label15, headingPoints, {Label9, Label10, Label11, Label12, Label13, Label19}, Combo1, m_candidates};
    const RdpSizing::Request request{txbNumber1->text(), [this] { return taskLevel(); }, [this] { return vendor(); },
                                     CpuCatalogue::pathIn(m_folder), language};
    const RdpSizing::Outcome outcome = RdpSizing::calculate(request, SizingWindow::progress(run, view));
    if (!SizingWindow::showListOrMessage(run, view, outcome.end, outcome.refusal, language))
        return;
    const RdpSizing::Result &result = outcome.result;
    Label9->setText(result.memory);
    Label10->setText(result.ssd);
    Label11->setText(result.hdd);
    Label12->setText(result.network);
    Label13->setText(result.graphics);
    HeadingFit::setText(Label15, result.heading, headingPoints);
    Label19->setText(result.system);
    const SizingReport::Inputs inputs{request.countText, taskLevel(), vendor(), language, QDateTime::currentDateTime()};
    m_reportActions->setReport([inputs, result] { return RdpReport::make(inputs, result); });
}

void Form1::Command2_Click()
{
    ChildWindow::open(m_form2, this, ChildWindow::Disable::First,
                      [this] { return new Form2(this, CpuCatalogue::pathIn(m_folder), Module1::language(), doors()); });
}

void Form1::Command3_Click()
{
    doors().description(this);
}

void Form1::Command4_Click()
{
    ChildWindow::open(m_form3, this, ChildWindow::Disable::AfterShowing,
                      [this] { return new Form3(this, CpuCatalogue::pathIn(m_folder), Module1::language(), doors()); });
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Disabled, the window takes no input while the query or VDI window is open; a window manager may still
    // offer to close it.
    if (event->spontaneous() && !isEnabled()) {
        event->ignore();
        return;
    }
    m_unloading = true;
    if (m_form2)
        m_form2->close();
    if (m_farm)
        m_farm->close();
    event->accept();
}
