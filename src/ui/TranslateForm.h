#pragma once

#include "core/Result.h"
#include "lang/TextSource.h"

#include <QString>

#include <functional>

class QWidget;

namespace veltrane {

// Re-texts a window from the script section named like the window's
// objectName, driven only by the controls' names and what kind of control
// each is. Keys: "Caption" (the title; present but empty empties it), and per
// control NAME + ".Caption", ".Hint", ".Items", ".Lines", ".Columns.Captions".
// An absent or empty key leaves the control as it is.
//
// Captions go to labels and buttons, to group boxes (with a blank on each
// side, as their titles are drawn into the frame line), to radio groups
// (unchanged), to tab pages (the tab's text) and to any other widget that
// carries a "caption" property: that is what a panel caption is here.
//
// A list with more items or columns than the entry has parts is a script
// fault: translation stops at that control, `showError` gets
// "Error in Translation script!", and whatever was translated before stays.
// The returned status says which section, key and control were at fault.
Status TranslateForm(QWidget* form, const ITextSource& script,
                     const std::function<void(const QString&)>& showError);

// The same, showing a fault in a plain message box over the window.
Status TranslateForm(QWidget* form, const ITextSource& script);

// A part of a window shown apart from it (the play area scaled in a view)
// names the window's section in this property, and is translated as the window.
inline constexpr const char* kTranslationSectionProperty = "translationSection";

// The message every translation fault shows to the player.
inline constexpr const char* kTranslationErrorText = "Error in Translation script!";

} // namespace veltrane
