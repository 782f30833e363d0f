#include "aboutdialog.h"

#include "aboutfacts.h"
#include "capacity.h"
#include "cpucatalogue.h"
#include "dialogtexts.h"
#include "eventpump.h"
#include "messageboxes.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

void AboutDialog::open(QWidget *parent, const QString &folder, const LanguageChoice &choice, Language language)
{
    const QPointer<QWidget> window(parent);
    const CatalogueCheck::Result catalogue = CatalogueCheck::run(
        CpuCatalogue::pathIn(folder), [](double score) { return Capacity::of(score).has_value(); },
        [&window] {
            EventPump::processPending();
            return !window.isNull();
        },
        language);
    if (!window)
        return;
    auto *dialog = new AboutDialog(window, AboutFacts::lines(folder, choice, catalogue, language), language);
    dialog->QDialog::open();
}

AboutDialog::AboutDialog(QWidget *parent, const QStringList &lines, Language language)
    : QDialog(parent)
    , m_lines(lines)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(DialogTexts::aboutTitle.in(language));
    auto *layout = new QVBoxLayout(this);
    auto *facts = new QLabel(lines.join(u'\n'), this);
    facts->setObjectName(QStringLiteral("facts"));
    facts->setTextFormat(Qt::PlainText);
    facts->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(facts);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *licence = buttons->addButton(DialogTexts::showLicence.in(language), QDialogButtonBox::ActionRole);
    QPushButton *copy = buttons->addButton(DialogTexts::copy.in(language), QDialogButtonBox::ActionRole);
    buttons->addButton(DialogTexts::close.in(language), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(m_lines.join(u'\n')); });
    connect(licence, &QPushButton::clicked, this, [this] {
        QFile text(QStringLiteral(":/LICENSE"));
        MessageBoxes::inform(this, windowTitle(),
                             text.open(QIODevice::ReadOnly) ? QString::fromUtf8(text.readAll()) : QString());
    });
}
