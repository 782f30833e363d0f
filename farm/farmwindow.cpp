#include "farmwindow.h"

#include "appfont.h"
#include "calculationrun.h"
#include "calculationwindowtexts.h"
#include "cataloguetexts.h"
#include "clientarea.h"
#include "countkeyfilter.h"
#include "farmreport.h"
#include "farmtexts.h"
#include "farmwindowtexts.h"
#include "headingfit.h"
#include "optiongroup.h"
#include "plantablemodel.h"
#include "rdptexts.h"
#include "reportactions.h"
#include "reporttexts.h"
#include "sizingtexts.h"
#include "twips.h"
#include "windowplacement.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

#include <iterator>

namespace {

constexpr qreal headingPoints = 12;

QString lines(const QList<ReportRow> &rows, Language language)
{
    QStringList lines;
    for (const ReportRow &row : rows)
        lines << row.caption + ReportTexts::separator.in(language) + row.value;
    return lines.join(u'\n');
}

} // namespace

FarmWindow::FarmWindow(QWidget *mainWindow, const QString &catalogue, Language language, const WindowHelp &help,
                       const Inputs &inputs)
    : ChildWindow(mainWindow)
    , m_catalogue(catalogue)
    , m_language(language)
    , m_help(help)
{
    createControls();
    Form_Load(inputs);
}

void FarmWindow::createControls()
{
    setObjectName(QStringLiteral("FarmWindow"));
    setFont(AppFont::font(9));
    m_menuBar = new QMenuBar(this);
    QWidget *area = ClientArea::belowMenuBar(this, m_menuBar, 8415, 8800);
    Label1 = Twips::label(area, "Label1", 120, 120, 8175, 300, 10.5);
    txbNumber1 = Twips::place<QLineEdit>(area, "txbNumber1", 120, 420, 8175, 375);
    CountKeyFilter::install(txbNumber1);
    Label1->setBuddy(txbNumber1);
    Option7 = Twips::place<QRadioButton>(area, "Option7", 120, 900, 2600, 300);
    Option8 = Twips::place<QRadioButton>(area, "Option8", 120, 1200, 2600, 300);
    Option1 = Twips::place<QRadioButton>(area, "Option1", 2850, 900, 2700, 300);
    Option2 = Twips::place<QRadioButton>(area, "Option2", 2850, 1200, 2700, 300);
    Option3 = Twips::place<QRadioButton>(area, "Option3", 2850, 1500, 2700, 300);
    Option4 = Twips::place<QRadioButton>(area, "Option4", 5700, 900, 2595, 300);
    Option5 = Twips::place<QRadioButton>(area, "Option5", 5700, 1200, 2595, 300);
    Option6 = Twips::place<QRadioButton>(area, "Option6", 5700, 1500, 2595, 300);
    m_kinds = OptionGroup::make(this, {Option7, Option8});
    m_levels = OptionGroup::make(this, {Option1, Option2, Option3});
    m_vendors = OptionGroup::make(this, {Option4, Option5, Option6});
    Option7->setChecked(true);
    Label4 = Twips::label(area, "Label4", 120, 1950, 2600, 300);
    spnConcurrency = Twips::place<QSpinBox>(area, "spnConcurrency", 2850, 1900, 1200, 375);
    spnConcurrency->setRange(int(SitePlanLimits::concurrency.least), int(SitePlanLimits::concurrency.most));
    spnConcurrency->setValue(100);
    Label4->setBuddy(spnConcurrency);
    Label5 = Twips::label(area, "Label5", 4300, 1950, 2000, 300);
    spnSpares = Twips::place<QSpinBox>(area, "spnSpares", 6400, 1900, 1000, 375);
    spnSpares->setRange(int(SitePlanLimits::spares.least), int(SitePlanLimits::spares.most));
    spnSpares->setValue(1);
    Label5->setBuddy(spnSpares);
    Command1 = Twips::place<QPushButton>(area, "Command1", 120, 2460, 8175, 495);

    Label2 = Twips::label(area, "Label2", 120, 3100, 8175, 375, headingPoints, true);
    Label2->setAlignment(Qt::AlignCenter);
    tblPlans = Twips::place<QTableView>(area, "tblPlans", 120, 3550, 8175, 2800);
    m_plans = new PlanTableModel(this, m_language);
    tblPlans->setModel(m_plans);
    tblPlans->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPlans->setSelectionMode(QAbstractItemView::SingleSelection);
    tblPlans->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPlans->verticalHeader()->hide();
    tblPlans->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed); // a million rows measure at once
    tblPlans->verticalHeader()->setDefaultSectionSize(tblPlans->fontMetrics().height() + 6);
    // Widths set once, from the headings: measured on every answer they would cost more than the answer.
    tblPlans->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblPlans->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    tblPlans->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder); // in the plans' own order
    tblPlans->setSortingEnabled(true);
    Label6 = Twips::label(area, "Label6", 120, 6450, 8175, 1700);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3 = Twips::label(area, "Label3", 120, 8250, 8175, 480);

    // Every option in the chain: Tab stops at whichever of a group is selected.
    QWidget *tabOrder[] = {txbNumber1, Option7, Option8,        Option1,   Option2,  Option3, Option4,
                           Option5,    Option6, spnConcurrency, spnSpares, Command1, tblPlans};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    txbNumber1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &FarmWindow::Command1_Click);
    connect(tblPlans->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &FarmWindow::showChosen);
}

void FarmWindow::Form_Load(const Inputs &inputs)
{
    setWindowTitle(FarmReport::windowTitle(m_language));
    Label1->setText(FarmWindowTexts::label1.in(m_language));
    QRadioButton *levels[] = {Option1, Option2, Option3};
    for (int i = 0; i < 3; ++i)
        levels[i]->setText(RdpTexts::choices.levels[i].in(m_language));
    QRadioButton *vendors[] = {Option4, Option5, Option6};
    for (int i = 0; i < 3; ++i)
        vendors[i]->setText(RdpTexts::choices.vendor(Vendor(i)));
    Option7->setText(FarmTexts::kinds[0].in(m_language));
    Option8->setText(FarmTexts::kinds[1].in(m_language));
    Label4->setText(FarmWindowTexts::concurrency.in(m_language));
    Label5->setText(FarmWindowTexts::spares.in(m_language));
    Command1->setText(FarmWindowTexts::command1.in(m_language));
    const QFontMetrics metrics = tblPlans->horizontalHeader()->fontMetrics();
    for (int column : {0, 2, 3}) { // the heading and room for the sort arrow
        const QString heading = m_plans->headerData(column, Qt::Horizontal).toString();
        tblPlans->setColumnWidth(column, metrics.horizontalAdvance(heading) + 36);
    }
    Label2->setText(FarmWindowTexts::headingAtStart.in(m_language));
    txbNumber1->setText(inputs.countText);
    levels[int(inputs.level)]->setChecked(true);
    vendors[int(inputs.vendor)]->setChecked(true);
    m_reportActions = new ReportActions(this, m_language);
    WindowMenus::file(m_menuBar, this, m_reportActions, CalculationWindowTexts::close, m_language);
    WindowMenus::help(m_menuBar, this, m_help, Command1, m_language);
    WindowPlacement::centre(this);
}

void FarmWindow::Command1_Click()
{
    CalculationRun run(this, m_language, {Command1, txbNumber1}, m_reportActions, [this] { return isUnloading(); });
    const FarmPlanning::Kind kind = OptionGroup::chosen<FarmPlanning::Kind>(m_kinds);
    const QString countText = txbNumber1->text();
    const Vendor vendor = OptionGroup::chosen<Vendor>(m_vendors);
    const auto site = FarmPlanning::oneGroup(kind, countText, OptionGroup::chosen<TaskLevel>(m_levels), vendor,
                                             spnConcurrency->value(), spnSpares->value());
    if (!site) {
        run.finish(CalculationEnd::InvalidInput, SizingTexts::invalidCount.in(m_language));
        return;
    }
    run.snapshotResults({Label2});
    HeadingFit::setText(Label2, countText + FarmTexts::busySuffix.in(m_language), headingPoints);
    const FarmPlanning::Outcome outcome
        = FarmPlanning::plan(*site, m_catalogue, m_language, [&run] { return run.pump({}); });
    if (!run.finish(outcome.end, outcome.refusal))
        return;
    std::tie(m_kind, m_countText, m_vendor) = std::tuple(kind, countText, vendor);
    m_result = outcome.result;
    HeadingFit::setText(Label2, countText + FarmTexts::finalSuffix.in(m_language), headingPoints);
    tblPlans->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_plans->setPlans(*m_result.farms[int(kind)]);
    if (m_plans->rowCount() > 0)
        tblPlans->setCurrentIndex(m_plans->index(0, 0)); // which shows it
    else
        showChosen();
}

void FarmWindow::showChosen()
{
    const FarmPlanning::Farm &farm = m_plans->farm();
    const qsizetype chosen = tblPlans->currentIndex().isValid() ? m_plans->rankAt(tblPlans->currentIndex().row()) : -1;
    const FarmReport::Inputs inputs{m_kind,   m_countText, m_result.site.groups.value(0).level,
                                    m_vendor, m_language,  QDateTime::currentDateTime()};
    m_reportActions->setReport(
        [inputs, result = m_result, chosen] { return FarmReport::make(inputs, result, chosen); });
    if (chosen < 0) {
        Label6->clear();
        Label3->clear();
        return;
    }
    const FarmPlanning::Plan &plan = farm.plan(chosen);
    Label6->setText(lines(FarmReport::perServer(farm, plan, m_language), m_language));
    Label3->setText(lines(FarmReport::totals(farm, plan, m_language), m_language));
}
