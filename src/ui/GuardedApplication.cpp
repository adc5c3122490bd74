#include "GuardedApplication.h"

#include <exception>

namespace veltrane {

TGuardedApplication::TGuardedApplication(int& argc, char** argv, TReporter report)
    : QApplication(argc, argv), report_(std::move(report)) {}

bool TGuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (report_)
            report_(std::string("Error: ") + e.what());
    } catch (...) {
        if (report_)
            report_("Error: an unknown fault");
    }
    return false;
}

} // namespace veltrane
