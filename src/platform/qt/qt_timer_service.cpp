#include "platform/qt/qt_timer_service.h"

#include <QCoreApplication>
#include <QObject>
#include <QTimer>

namespace {

class QtTimer : public cmcTimer {
public:
    explicit QtTimer(std::function<void()> onTick) : m_timer(new QTimer) {
        // The clone line's 10 ms step and the 1 ms output pump need more than the coarse 5 %.
        m_timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_timer, &QTimer::timeout, std::move(onTick));
    }

    ~QtTimer() override {
        m_timer->stop();
        // This timer may be destroyed from inside its own timeout signal: let the event loop
        // delete the QTimer once the signal has returned.
        if (QCoreApplication::instance() != nullptr) {
            m_timer->disconnect();
            m_timer->deleteLater();
        } else {
            delete m_timer;
        }
    }

    void Start(int32_t intervalMs) override { m_timer->start(intervalMs < 1 ? 1 : intervalMs); }
    void Stop() override { m_timer->stop(); }
    bool IsActive() const override { return m_timer->isActive(); }

private:
    QTimer* m_timer;  // owned; deleted as above
};

}  // namespace

std::unique_ptr<cmcTimer> cmcQtTimerService::CreateTimer(std::function<void()> onTick) {
    return std::make_unique<QtTimer>(std::move(onTick));
}
