#pragma once

#include <QApplication>

#include <functional>
#include <string>

namespace veltrane {

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
