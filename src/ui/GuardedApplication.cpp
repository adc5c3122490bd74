#include "GuardedApplication.h"

#include <exception>

namespace veltrane {

TGuardedApplication::TGuardedApplication(int& argc, char** argv, TReporter report)
    : QApplication(argc, argv), report_(std::move(report)) {}

bool GuardEvent(const std::function<bool()>& deliver, const std::function<void(const std::string&)>& report) {
    try {
        return deliver();
    } catch (const std::exception& e) {
        if (report)
            report(std::string("Error: ") + e.what());
    } catch (...) {
        if (report)
            report("Error: an unknown fault");
    }
    return false;
}

bool TGuardedApplication::notify(QObject* receiver, QEvent* event) {
    return GuardEvent([&] { return QApplication::notify(receiver, event); }, report_);
}

} // namespace veltrane
