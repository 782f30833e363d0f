#include "startup.h"

#include "form1.h"
#include "systemplatform.h"

#include <QApplication>

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
    return application.exec();
}
