#pragma once

#include "FormMainServices.h"

#include <functional>

namespace veltrane {

// The real pieces behind the main window: pictures and scripts beside the
// program, the translated dialogs, plain message boxes for technical faults.
// `platformClick` is the dialog buttons' click sound.
TFormMainServices DefaultFormMainServices(std::function<void()> platformClick);

// A plain message box, as the game shows technical failures.
void ShowPlainMessage(const std::string& text);

} // namespace veltrane
