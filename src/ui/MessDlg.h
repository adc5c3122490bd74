#pragma once

// The translated message dialogs: a standard message box whose title and
// buttons come from the language script, in the frame's metal with the
// yellow-to-red gradient as a stripe down its left edge.

#include "core/ContentTables.h"
#include "core/World.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace veltrane {

enum class TMessDlgKind { Confirmation, Warning, Information, Plain };

// The first letter of a kind text, in either case: "c" confirms, "w" warns,
// "i" informs; anything else is a plain information box.
TMessDlgKind MessDlgKind(const QString& kind);

// Before the first script is loaded every caption still empty gets its
// English text.
void FillDefaultCaptions(TDlgCaptions& captions);

// The title a box gets: the caller's caption, else the kind's caption. A
// plain box has no caption of its own and says "Information".
QString MessDlgTitle(const QString& caption, TMessDlgKind kind, const TDlgCaptions& captions);

// The dialogs' background: row y of H has start + (end - start) * y / H in
// each of red, green and blue, rounded and held within 0..255, so the last
// row stops one step short of `end`. Colours are 0x00BBGGRR; a negative
// start is taken as yellow and a negative end as magenta.
QImage GradientImage(QSize size, std::int32_t start, std::int32_t end);

// Comma text: items separated by commas or blanks; an item holding blanks,
// commas or quotes is enclosed in double quotes with inner quotes doubled.
// "a,,b" has an empty middle item and a trailing comma adds an empty one.
QStringList ParseCommaText(const QString& text);

// Kind of one letter: modal; true unless the player answered No or closed
// the box. A longer kind text shows the box without waiting and answers true
// at once (the box frees itself when closed). Fills empty captions first.
bool ShowMessDlg(const QString& text, const QString& caption, const QString& kind, TDlgCaptions& captions);

// Asks the player to pick one of `commaItems` (comma text; the first is
// preselected). The chosen item, or "" when the box was closed without OK.
QString ShowChoiceDlg(const QString& text, const QString& commaItems, TDlgCaptions& captions);

// Layout of the choice box, in pixels.
inline constexpr int kChoiceWidth = 300;
inline constexpr int kChoiceMargin = 10;
inline constexpr int kChoiceListHeight = 80;
inline constexpr int kChoiceLabelMaxWidth = 270;
inline constexpr int kChoiceGap = 20;

} // namespace veltrane
