#include "cataloguecheckdialog.h"

#include "capacity.h"
#include "dialogtexts.h"
#include "eventpump.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// More lines than a reader looks through; the copy holds them all.
constexpr qsizetype shownLines = 1000;

} // namespace

CatalogueCheckDialog::CatalogueCheckDialog(QWidget *parent, const QString &catalogue, Language language)
    : QDialog(parent)
    , m_catalogue(catalogue)
    , m_language(language)
{
    setObjectName(QStringLiteral("CatalogueCheckDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(DialogTexts::checkTitle.in(language));
    resize(640, 400);
    auto *layout = new QVBoxLayout(this);
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("verdict"));
    m_verdict->setTextFormat(Qt::PlainText);
    QFont bold = m_verdict->font();
    bold.setBold(true);
    m_verdict->setFont(bold);
    layout->addWidget(m_verdict);
    m_lines = new QPlainTextEdit(this);
    m_lines->setObjectName(QStringLiteral("report"));
    m_lines->setReadOnly(true);
    m_lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(m_lines);
    auto *buttons = new QDialogButtonBox(this);
    m_copy = buttons->addButton(DialogTexts::copyReport.in(language), QDialogButtonBox::ActionRole);
    m_checkAgain = buttons->addButton(DialogTexts::checkAgain.in(language), QDialogButtonBox::ActionRole);
    buttons->addButton(DialogTexts::close.in(language), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(m_report); });
    connect(m_checkAgain, &QPushButton::clicked, this, &CatalogueCheckDialog::check);
}

void CatalogueCheckDialog::check()
{
    const QPointer<CatalogueCheckDialog> self(this);
    m_copy->setEnabled(false);
    m_checkAgain->setEnabled(false);
    m_verdict->setText(DialogTexts::checking.in(m_language));
    m_lines->clear();
    const CatalogueCheck::Result result = CatalogueCheck::run(
        m_catalogue, [](double score) { return Capacity::of(score).has_value(); },
        [&self] {
            EventPump::processPending();
            return self && self->isVisible();
        },
        m_language);
    if (!self || result.reading == CpuCatalogue::Outcome::Abandoned)
        return;
    const QString verdict = CatalogueCheck::verdict(result, m_catalogue, m_language);
    QStringList lines = result.reading == CpuCatalogue::Outcome::Complete
        ? CatalogueCheck::reportLines(result, m_language)
        : QStringList();
    m_report = QStringList(QStringList{verdict} + lines).join(u'\n') + u'\n';
    if (lines.size() > shownLines) {
        const qsizetype more = lines.size() - shownLines;
        lines.resize(shownLines);
        lines << DialogTexts::moreLines.in(m_language).arg(more);
    }
    m_verdict->setText(verdict);
    m_lines->setPlainText(lines.join(u'\n'));
    m_copy->setEnabled(true);
    m_checkAgain->setEnabled(true);
}
