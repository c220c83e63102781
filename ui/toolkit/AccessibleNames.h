#pragma once
// Accessible names for a window's controls, taken from captions, so that a screen reader
// announces the interface texts of the current language and never a control's value.

#include "corpus/InterfaceTexts.h"

class QWidget;

namespace lumra {

// A control that no label heads is named by interface text `text`.
void NameByText(QWidget& control, int text);
// A control among others of the same caption is named after the heading of its group as well
// (interface text `text`): "Copying a verse (F10): With footnotes".
void NameInGroup(QWidget& control, int text);

// Run after the captions are set. Each control is named by the caption of the label whose
// buddy it is, by its text from NameByText, or (buttons, check and option boxes) by its own
// caption, after its group's heading where it has one. Labels, frames and buttons outside a
// group keep no name of their own, so that a reader hears the caption they show.
void NameControlsFromCaptions(QWidget& window, const InterfaceTexts& texts);

// Top-level windows tell a screen reader what they are: the main and text windows frames,
// every other window a dialog; each is named by its caption.
void InstallWindowRoles();

} // namespace lumra
