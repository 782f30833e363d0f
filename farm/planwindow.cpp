#include "planwindow.h"

#include "appfont.h"
#include "calculationrun.h"
#include "calculationwindowtexts.h"
#include "farmreport.h"
#include "farmtexts.h"
#include "filedialogs.h"
#include "filedrop.h"
#include "groupdelegate.h"
#include "grouptablemodel.h"
#include "messageboxes.h"
#include "planfile.h"
#include "planreport.h"
#include "plantablemodel.h"
#include "planwindowtexts.h"
#include "rdptexts.h"
#include "recentplans.h"
#include "reportactions.h"
#include "reporttexts.h"
#include "windowplacement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <iterator>

namespace {

QString lines(const QList<ReportRow> &rows, Language language)
{
    QStringList lines;
    for (const ReportRow &row : rows)
        lines << row.caption + ReportTexts::separator.in(language) + row.value;
    return lines.join(u'\n');
}

// A name as a file name: what a file system refuses in one, replaced.
QString fileNameOf(const QString &name)
{
    static const QRegularExpression refused(QStringLiteral("[\\\\/:*?\"<>|]"));
    return QString(name).replace(refused, QStringLiteral("_"));
}

QSpinBox *spinBox(const SitePlanLimits::Range &range, const QString &suffix = {})
{
    auto *box = new QSpinBox;
    box->setRange(int(range.least), int(range.most));
    box->setSuffix(suffix);
    return box;
}

QTableView *plansTable(QAbstractItemModel *model, const char *name)
{
    auto *table = new QTableView;
    table->setObjectName(QLatin1String(name));
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed); // a million rows measure at once
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder); // in the plans' own order
    table->setSortingEnabled(true);
    const QFontMetrics metrics = table->horizontalHeader()->fontMetrics();
    for (int column = 0; column < model->columnCount(); ++column) {
        if (column != 1) // the heading and room for the sort arrow
            table->setColumnWidth(column,
                                  metrics.horizontalAdvance(model->headerData(column, Qt::Horizontal).toString()) + 36);
    }
    return table;
}

} // namespace

PlanWindow::PlanWindow(QWidget *mainWindow, const QString &catalogue, Language language, const WindowDoors &doors,
                       std::function<SitePlan()> freshPlan)
    : ChildWindow(mainWindow)
    , m_catalogue(catalogue)
    , m_language(language)
    , m_doors(doors)
    , m_freshPlan(std::move(freshPlan))
{
    m_planLater.setSingleShot(true);
    m_planLater.setInterval(0);
    connect(&m_planLater, &QTimer::timeout, this, [this] { replan(false); });
    createControls();
    createMenus();
    FileDrop::accept(this, PlanFile::suffix, [this](const QString &path) { open(path); });
    load(m_freshPlan(), {});
    WindowPlacement::centre(this);
}

PlanWindow::~PlanWindow()
{
    // As the window's controls go, an open editor commits its text and the views let go of their selections:
    // none of that is a change, and this window is past hearing of it.
    m_planLater.stop();
    for (QObject *sender :
         std::initializer_list<QObject *>{m_groups, groupsTable->selectionModel(), plansTables[0]->selectionModel(),
                                          plansTables[1]->selectionModel(), nameEdit, notesEdit})
        disconnect(sender, nullptr, this, nullptr);
}

void PlanWindow::createControls()
{
    setObjectName(QStringLiteral("PlanWindow"));
    setFont(AppFont::font(9));
    m_menuBar = new QMenuBar(this);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(m_menuBar);
    const auto text = [this](const Bilingual &words) { return words.in(m_language); };

    auto *planBox = new QGroupBox(text(PlanWindowTexts::planBox));
    auto *planForm = new QFormLayout(planBox);
    nameEdit = new QLineEdit;
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    nameEdit->setMaxLength(int(SitePlanLimits::longestName));
    notesEdit = new QPlainTextEdit;
    notesEdit->setObjectName(QStringLiteral("notesEdit"));
    notesEdit->setTabChangesFocus(true);
    notesEdit->setFixedHeight(notesEdit->fontMetrics().height() * 3 + 12);
    planForm->addRow(text(PlanWindowTexts::name), nameEdit);
    planForm->addRow(text(PlanWindowTexts::notes), notesEdit);
    layout->addWidget(planBox);

    auto *middle = new QHBoxLayout;
    auto *groupsBox = new QGroupBox(text(PlanWindowTexts::groupsBox));
    auto *groupsLayout = new QVBoxLayout(groupsBox);
    m_groups = new GroupTableModel(this, m_language);
    groupsTable = new QTableView;
    groupsTable->setObjectName(QStringLiteral("groupsTable"));
    groupsTable->setModel(m_groups);
    groupsTable->setItemDelegate(new GroupDelegate(groupsTable, m_language));
    groupsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    groupsTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                 | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    groupsTable->horizontalHeader()->setSectionResizeMode(GroupTableModel::Name, QHeaderView::Stretch);
    groupsTable->setColumnWidth(GroupTableModel::Kind, 130);
    groupsTable->setColumnWidth(GroupTableModel::Level, 140);
    // Enter starts editing where it does not end it; Insert and Delete add and remove groups.
    connect(groupsTable, &QAbstractItemView::activated, groupsTable,
            [this](const QModelIndex &index) { groupsTable->edit(index); });
    new QShortcut(
        QKeySequence(Qt::Key_Insert), groupsTable, this, [this] { addGroup(false); }, Qt::WidgetShortcut);
    new QShortcut(
        QKeySequence(Qt::Key_Delete), groupsTable, this, [this] { removeGroup(); }, Qt::WidgetShortcut);
    groupsLayout->addWidget(groupsTable);
    auto *buttons = new QHBoxLayout;
    const auto button = [&](const char *name, const Bilingual &caption) {
        auto *pushButton = new QPushButton(text(caption));
        pushButton->setObjectName(QLatin1String(name));
        buttons->addWidget(pushButton);
        return pushButton;
    };
    addGroupButton = button("addGroupButton", PlanWindowTexts::addGroup);
    duplicateGroupButton = button("duplicateGroupButton", PlanWindowTexts::duplicateGroup);
    removeGroupButton = button("removeGroupButton", PlanWindowTexts::removeGroup);
    buttons->addStretch();
    groupsLayout->addLayout(buttons);
    middle->addWidget(groupsBox, 1);

    auto *optionsBox = new QGroupBox(text(PlanWindowTexts::optionsBox));
    auto *options = new QFormLayout(optionsBox);
    vendorBox = new QComboBox;
    vendorBox->setObjectName(QStringLiteral("vendorBox"));
    for (const Vendor vendor : {Vendor::Intel, Vendor::Amd, Vendor::Both})
        vendorBox->addItem(RdpTexts::choices.vendor(vendor));
    sparesBox = spinBox(SitePlanLimits::spares);
    growthBox = spinBox(SitePlanLimits::growthPercent, QStringLiteral(" %"));
    yearsBox = spinBox(SitePlanLimits::growthYears);
    ceilingBox = spinBox(SitePlanLimits::cpuCeiling, QStringLiteral(" %"));
    const std::pair<QSpinBox *, const char *> names[]
        = {{sparesBox, "sparesBox"}, {growthBox, "growthBox"}, {yearsBox, "yearsBox"}, {ceilingBox, "ceilingBox"}};
    for (const auto &[box, name] : names)
        box->setObjectName(QLatin1String(name));
    options->addRow(text(PlanWindowTexts::vendor), vendorBox);
    options->addRow(text(PlanWindowTexts::spares), sparesBox);
    options->addRow(text(PlanWindowTexts::growth), growthBox);
    options->addRow(text(PlanWindowTexts::years), yearsBox);
    options->addRow(text(PlanWindowTexts::ceiling), ceilingBox);
    planButton = new QPushButton(text(PlanWindowTexts::plan));
    planButton->setObjectName(QStringLiteral("planButton"));
    options->addRow(planButton);
    middle->addWidget(optionsBox);
    layout->addLayout(middle);

    headingLabel = new QLabel;
    headingLabel->setObjectName(QStringLiteral("headingLabel"));
    headingLabel->setFont(AppFont::font(12, true));
    headingLabel->setAlignment(Qt::AlignCenter);
    headingLabel->setWordWrap(true);
    layout->addWidget(headingLabel);
    farmTabs = new QTabWidget;
    farmTabs->setObjectName(QStringLiteral("farmTabs"));
    const char *const tableNames[] = {"rdpPlansTable", "vdiPlansTable"};
    for (int kind = 0; kind < 2; ++kind) {
        m_plans[kind] = new PlanTableModel(this, m_language);
        plansTables[kind] = plansTable(m_plans[kind], tableNames[kind]);
        farmTabs->addTab(plansTables[kind], FarmTexts::kinds[kind].in(m_language));
        connect(plansTables[kind]->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this, kind] {
            const QModelIndex current = plansTables[kind]->currentIndex();
            if (m_loading || !current.isValid())
                return;
            m_chosen[kind] = m_result.site.chosen[kind]
                = m_plans[kind]->farm().plan(m_plans[kind]->rankAt(current.row())).model;
            setWindowModified(true);
            showChosen();
        });
    }
    layout->addWidget(farmTabs, 3);
    // The chosen plans' figures run long (two farms): they scroll, so that the window fits a laptop's screen.
    auto *details = new QWidget;
    auto *below = new QHBoxLayout(details);
    below->setContentsMargins(0, 0, 0, 0);
    chosenLabel = new QLabel;
    chosenLabel->setObjectName(QStringLiteral("chosenLabel"));
    totalsLabel = new QLabel;
    totalsLabel->setObjectName(QStringLiteral("totalsLabel"));
    for (QLabel *label : {chosenLabel, totalsLabel}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setWordWrap(true);
        below->addWidget(label, 1);
    }
    auto *scrolled = new QScrollArea;
    scrolled->setObjectName(QStringLiteral("chosenArea"));
    scrolled->setWidget(details);
    scrolled->setWidgetResizable(true);
    scrolled->setFrameShape(QFrame::NoFrame);
    scrolled->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(scrolled, 2);
    const QSize wanted(1180, 860);
    // Room left for the frame and the title bar.
    resize(screen() ? wanted.boundedTo(screen()->availableGeometry().size() - QSize(40, 80)) : wanted);

    QWidget *tabOrder[] = {nameEdit,          notesEdit,  groupsTable, addGroupButton, duplicateGroupButton,
                           removeGroupButton, vendorBox,  sparesBox,   growthBox,      yearsBox,
                           ceilingBox,        planButton, farmTabs,    plansTables[0], plansTables[1]};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(addGroupButton, &QPushButton::clicked, this, [this] { addGroup(false); });
    connect(duplicateGroupButton, &QPushButton::clicked, this, [this] { addGroup(true); });
    connect(removeGroupButton, &QPushButton::clicked, this, &PlanWindow::removeGroup);
    connect(planButton, &QPushButton::clicked, this, [this] { replan(true); });
    connect(nameEdit, &QLineEdit::textChanged, this, &PlanWindow::changed);
    connect(notesEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (notesEdit->toPlainText().size() > SitePlanLimits::longestNotes) {
            QTextCursor cursor = notesEdit->textCursor();
            cursor.deletePreviousChar(); // the character over the limit, typed or pasted last
            notesEdit->setTextCursor(cursor);
        }
        changed();
    });
    connect(vendorBox, &QComboBox::currentIndexChanged, this, &PlanWindow::changed);
    for (QSpinBox *box : {sparesBox, growthBox, yearsBox, ceilingBox})
        connect(box, &QSpinBox::valueChanged, this, &PlanWindow::changed);
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_groups, signal, this, &PlanWindow::changed);
    connect(m_groups, &QAbstractItemModel::dataChanged, this, &PlanWindow::changed);
    connect(groupsTable->selectionModel(), &QItemSelectionModel::currentChanged, this, &PlanWindow::updateGroupButtons);
}

void PlanWindow::createMenus()
{
    m_reportActions = new ReportActions(this, m_language);
    m_reportActions->dropPdfShortcut(); // Ctrl+S saves the plan, as in every document program
    QMenu *file = WindowMenus::file(m_menuBar, this, m_reportActions, CalculationWindowTexts::close, m_language);
    QAction *first = file->actions().constFirst();
    const auto add = [&](const Bilingual &text, const QKeySequence &shortcut, const std::function<void()> &run) {
        auto *action = new QAction(text.in(m_language), file);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, run);
        file->insertAction(first, action);
    };
    add(PlanWindowTexts::newPlan, QKeySequence(Qt::CTRL | Qt::Key_N), [this] { newPlan(); });
    add(PlanWindowTexts::open, QKeySequence(Qt::CTRL | Qt::Key_O), [this] { openChosen(); });
    file->insertMenu(first, RecentPlans::menu(file, m_language, [this](const QString &path) { open(path); }));
    add(PlanWindowTexts::save, QKeySequence(Qt::CTRL | Qt::Key_S), [this] { save(); });
    add(PlanWindowTexts::saveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { saveAs(); });
    file->insertSeparator(first);
    WindowMenus::help(m_menuBar, this, m_doors, planButton, m_language);
}

bool PlanWindow::newPlan()
{
    if (!maySetAside())
        return false;
    load(m_freshPlan(), {});
    return true;
}

bool PlanWindow::open(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path)) {
        RecentPlans::remove(path);
        MessageBoxes::inform(this, windowTitle(), PlanWindowTexts::vanished.in(m_language).arg(shown));
        return false;
    }
    const auto read = PlanFile::read(path, m_language);
    if (const auto *refusal = std::get_if<QString>(&read)) {
        MessageBoxes::inform(this, windowTitle(), *refusal);
        return false;
    }
    if (!maySetAside())
        return false;
    load(std::get<SitePlan>(read), path);
    RecentPlans::add(path);
    return true;
}

void PlanWindow::openChosen()
{
    const QString folder = m_path.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                            : QFileInfo(m_path).absolutePath();
    const QPointer<PlanWindow> self(this);
    const QString path = FileDialogs::toOpen(this, PlanWindowTexts::openTitle.in(m_language), folder,
                                             PlanWindowTexts::filter.in(m_language));
    if (self && !path.isEmpty())
        open(path);
}

SitePlan PlanWindow::plan() const
{
    SitePlan plan;
    plan.name = nameEdit->text();
    plan.notes = notesEdit->toPlainText();
    plan.vendor = Vendor(vendorBox->currentIndex());
    plan.spares = sparesBox->value();
    plan.growthPercent = growthBox->value();
    plan.growthYears = yearsBox->value();
    plan.cpuCeiling = ceilingBox->value();
    plan.groups = m_groups->groups();
    plan.chosen = m_chosen;
    return plan;
}

void PlanWindow::load(const SitePlan &plan, const QString &path)
{
    m_loading = true;
    nameEdit->setText(plan.name);
    notesEdit->setPlainText(plan.notes);
    vendorBox->setCurrentIndex(int(plan.vendor));
    sparesBox->setValue(plan.spares);
    growthBox->setValue(plan.growthPercent);
    yearsBox->setValue(plan.growthYears);
    ceilingBox->setValue(plan.cpuCeiling);
    m_groups->setGroups(plan.groups);
    m_chosen = plan.chosen;
    m_path = path;
    m_loading = false;
    setWindowModified(false);
    retitle();
    groupsTable->setCurrentIndex(m_groups->index(0, GroupTableModel::Terminals));
    updateGroupButtons();
    m_planLater.start();
}

QString PlanWindow::displayName() const
{
    return m_path.isEmpty() ? PlanWindowTexts::untitled.in(m_language) : QFileInfo(m_path).fileName();
}

void PlanWindow::retitle()
{
    setWindowTitle(displayName() + QStringLiteral("[*] - ") + FarmReport::windowTitle(m_language));
    const QString name = nameEdit->text().isEmpty() ? QFileInfo(displayName()).completeBaseName() : nameEdit->text();
    m_reportActions->setFileName(fileNameOf(name));
}

void PlanWindow::changed()
{
    if (m_loading)
        return;
    setWindowModified(true);
    retitle();
    m_planLater.start();
}

bool PlanWindow::maySetAside()
{
    if (!isWindowModified())
        return true;
    switch (MessageBoxes::askToSave(this, windowTitle().remove(QStringLiteral("[*]")),
                                    PlanWindowTexts::unsaved.in(m_language).arg(displayName()))) {
    case MessageBoxes::Unsaved::Save:
        return save();
    case MessageBoxes::Unsaved::Discard:
        return true;
    case MessageBoxes::Unsaved::Cancel:
        break;
    }
    return false;
}

bool PlanWindow::save()
{
    return m_path.isEmpty() ? saveAs() : saveTo(m_path);
}

bool PlanWindow::saveAs()
{
    const QString name = nameEdit->text().isEmpty() ? PlanWindowTexts::untitled.in(m_language) : nameEdit->text();
    const QString folder = m_path.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                            : QFileInfo(m_path).absolutePath();
    const QString suggested = QDir(folder).filePath(fileNameOf(name) + u'.' + PlanFile::suffix);
    const QPointer<PlanWindow> self(this);
    QString path = FileDialogs::toSave(this, PlanWindowTexts::saveTitle.in(m_language), suggested,
                                       PlanWindowTexts::filter.in(m_language));
    if (!self || path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + PlanFile::suffix;
    return saveTo(path);
}

bool PlanWindow::saveTo(const QString &path)
{
    if (const auto failed = PlanFile::write(plan(), path, m_language)) {
        MessageBoxes::inform(this, windowTitle().remove(QStringLiteral("[*]")), *failed);
        return false;
    }
    m_path = path;
    setWindowModified(false);
    retitle();
    RecentPlans::add(path);
    return true;
}

void PlanWindow::closeEvent(QCloseEvent *event)
{
    if (!maySetAside()) {
        event->ignore();
        return;
    }
    ChildWindow::closeEvent(event);
}

void PlanWindow::addGroup(bool duplicate)
{
    if (m_groups->rowCount() >= SitePlanLimits::mostGroups)
        return;
    const QModelIndex current = groupsTable->currentIndex();
    const int row = current.isValid() ? current.row() + 1 : m_groups->rowCount();
    GroupTableModel::Row group;
    if (duplicate && current.isValid())
        group = m_groups->group(current.row());
    m_groups->insertGroup(row, group);
    groupsTable->setCurrentIndex(m_groups->index(row, duplicate ? GroupTableModel::Name : GroupTableModel::Terminals));
    groupsTable->setFocus();
    updateGroupButtons();
}

void PlanWindow::removeGroup()
{
    const QModelIndex current = groupsTable->currentIndex();
    if (!current.isValid() || m_groups->rowCount() <= 1)
        return;
    m_groups->removeRows(current.row(), 1);
    groupsTable->setCurrentIndex(m_groups->index(std::min(current.row(), m_groups->rowCount() - 1), current.column()));
    updateGroupButtons();
}

void PlanWindow::updateGroupButtons()
{
    const bool chosen = groupsTable->currentIndex().isValid();
    addGroupButton->setEnabled(m_groups->rowCount() < SitePlanLimits::mostGroups);
    duplicateGroupButton->setEnabled(chosen && m_groups->rowCount() < SitePlanLimits::mostGroups);
    removeGroupButton->setEnabled(chosen && m_groups->rowCount() > 1);
}

void PlanWindow::replan(bool asked)
{
    if (m_reading) {
        m_restart = true;
        return;
    }
    m_planLater.stop();
    const SitePlan site = plan();
    const QPointer<PlanWindow> self(this);
    FarmPlanning::Outcome outcome;
    {
        // Nothing locked: the plan follows the inputs as they are typed.
        CalculationRun run(this, m_language, {}, m_reportActions, [this] { return isUnloading() || m_restart; });
        m_reading = true;
        outcome = FarmPlanning::plan(site, m_catalogue, m_language, [&run] { return run.pump({}); });
        if (!self)
            return;
        m_reading = false;
        if (std::exchange(m_restart, false) && !isUnloading()) {
            m_planLater.start();
            return;
        }
        if (outcome.end == CalculationEnd::InvalidInput && !asked) {
            // While it is being typed, a plan that is not whole yet says what it lacks, without a box to close.
            showPlans({});
            headingLabel->setText(outcome.refusal);
            return;
        }
        if (!run.finish(outcome.end, outcome.refusal))
            return;
    }
    showPlans(outcome.result);
}

void PlanWindow::showPlans(const FarmPlanning::Result &result)
{
    m_result = result;
    m_loading = true;
    const SitePlan &site = result.site;
    headingLabel->setText(site.name.isEmpty() ? PlanWindowTexts::headingAtStart.in(m_language) : site.name);
    for (int kind = 0; kind < 2; ++kind) {
        const auto &farm = result.farms[kind];
        QTableView *table = plansTables[kind];
        table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        m_plans[kind]->setPlans(farm ? *farm : FarmPlanning::Farm{});
        farmTabs->setTabVisible(kind, bool(farm));
        if (farm && farm->count() > 0) {
            const qsizetype rank = FarmPlanning::chosen(*farm, m_chosen[kind]).rank;
            table->setCurrentIndex(m_plans[kind]->index(m_plans[kind]->rowOf(rank), 0));
        }
    }
    m_loading = false;
    showChosen();
}

void PlanWindow::showChosen()
{
    std::array<qsizetype, 2> ranks{-1, -1};
    QStringList chosen;
    for (int kind = 0; kind < 2; ++kind) {
        const QModelIndex current = plansTables[kind]->currentIndex();
        const auto &farm = m_result.farms[kind];
        if (!farm)
            continue;
        const QString caption = FarmTexts::chosen.in(m_language).arg(FarmTexts::kinds[kind].in(m_language));
        if (!current.isValid()) {
            chosen << caption + ReportTexts::separator.in(m_language) + FarmTexts::noPlans.in(m_language);
            continue;
        }
        ranks[kind] = m_plans[kind]->rankAt(current.row());
        QList<ReportRow> rows = FarmReport::chosen(*farm, farm->plan(ranks[kind]), m_language);
        const auto &named = m_result.site.chosen[kind];
        if (named && !farm->rankOf(*named))
            rows.prepend({FarmTexts::plan.in(m_language), FarmTexts::unlisted.in(m_language).arg(*named)});
        chosen << caption + ReportTexts::separator.in(m_language).trimmed() + u'\n' + lines(rows, m_language);
    }
    chosenLabel->setText(chosen.join(QStringLiteral("\n\n")));
    if (chosen.isEmpty()) {
        totalsLabel->clear();
        m_reportActions->setReport({});
        return;
    }
    totalsLabel->setText(lines(PlanReport::totals(m_result, ranks, m_language), m_language));
    m_reportActions->setReport([result = m_result, ranks, language = m_language] {
        return PlanReport::make(result, ranks, language, QDateTime::currentDateTime());
    });
}
