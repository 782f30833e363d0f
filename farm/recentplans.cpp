#include "recentplans.h"

#include "planwindowtexts.h"
#include "reporttexts.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

QSettings settings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quarvel"), QStringLiteral("Quarvel"));
}

const QString key = QStringLiteral("recentPlans");

void store(const QStringList &paths)
{
    settings().setValue(key, paths.mid(0, RecentPlans::most));
}

} // namespace

QStringList RecentPlans::list()
{
    return settings().value(key).toStringList().mid(0, most);
}

void RecentPlans::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = list();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    store(paths);
}

void RecentPlans::remove(const QString &path)
{
    QStringList paths = list();
    paths.removeAll(QFileInfo(path).absoluteFilePath());
    store(paths);
}

QMenu *RecentPlans::menu(QWidget *parent, Language language, const std::function<void(const QString &)> &open)
{
    auto *recent = new QMenu(PlanWindowTexts::openRecent.in(language), parent);
    QObject::connect(recent, &QMenu::aboutToShow, recent, [recent, open, language] {
        recent->clear();
        const QStringList paths = list();
        for (int i = 0; i < paths.size(); ++i) {
            // Numbered for the keyboard: &1 to &9, then 1&0; an ampersand of the path is no access key.
            const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
            const QString path = paths[i];
            recent->addAction(number + u' ' + QDir::toNativeSeparators(path).replace(u'&', QLatin1String("&&")), recent,
                              [open, path] { open(path); });
        }
        if (paths.isEmpty())
            recent->addAction(ReportTexts::none.in(language))->setEnabled(false);
    });
    return recent;
}
