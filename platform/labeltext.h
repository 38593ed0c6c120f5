// labeltext.h - label captions that size their label, as the window's labels expect.
#pragma once

#include <QString>

class QLabel;

namespace platform {

/// Replaces the caption and sizes the label to it, so that a longer caption shows whole.
void SetText(QLabel* label, const QString& caption);

/// Widens a label whose caption does not fit its stored width; never narrows it.
void fitLabel(QLabel* label);

} // namespace platform
