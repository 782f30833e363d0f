#include "startup.h"

#include "form1.h"
#include "plansuffix.h"
#include "systemplatform.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

namespace {

class FirstPaint : public QObject
{
public:
    FirstPaint(QObject *window, std::function<void()> painted)
        : QObject(window)
        , m_painted(std::move(painted))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_painted) {
            watched->removeEventFilter(this);
            std::exchange(m_painted, {})();
        }
        return false;
    }

private:
    std::function<void()> m_painted;
};

} // namespace

int Startup::run(int argc, char *argv[], const std::function<void()> &shown)
{
    QApplication application(argc, argv);
    const std::unique_ptr<Platform> platform = systemPlatform();
    auto *window = new Form1(*platform);
    if (shown)
        new FirstPaint(window, shown);
    window->showCentred();
    // quarvel FILE.quarvel, as a double-click on a plan file starts it: the plan window on the file.
    for (const QString &argument : QCoreApplication::arguments().mid(1)) {
        if (QFileInfo(argument).suffix().compare(planFileSuffix, Qt::CaseInsensitive) == 0)
            QTimer::singleShot(0, window, [window, argument] { window->openPlanFile(argument); });
    }
    return application.exec();
}
