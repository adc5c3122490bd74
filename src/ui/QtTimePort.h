#pragma once

#include "game/Ports.h"

#include <array>

class QTimer;

namespace veltrane {

// The rules' timers as the window's QTimers; waits run a local event loop
// (live) or sleep (blocked).
class QtTimePort : public ITimePort {
  public:
    QtTimePort(QTimer* main, QTimer* starFlight, QTimer* blinker);

    void StartTimer(TTimer timer) override;
    void StopTimer(TTimer timer) override;
    bool TimerRunning(TTimer timer) const override;
    void LiveWait(int milliseconds) override;
    void BlockingWait(int milliseconds) override;

  private:
    std::array<QTimer*, 3> timers_;
};

} // namespace veltrane
