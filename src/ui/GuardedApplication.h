#pragma once

#include <QApplication>

#include <functional>
#include <string>

namespace veltrane {

// Runs `deliver`; an exception escaping it is reported and answered false.
bool GuardEvent(const std::function<bool()>& deliver, const std::function<void(const std::string&)>& report);

// The one place where an exception escaping an event handler is caught: it
// is reported as the program's error message and the game goes on.
class TGuardedApplication : public QApplication {
  public:
    using TReporter = std::function<void(const std::string& message)>;

    TGuardedApplication(int& argc, char** argv, TReporter report);

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    TReporter report_;
};

} // namespace veltrane
