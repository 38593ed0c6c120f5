// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// labeltext.h - label captions that size their label, as the window's labels expect.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace platform {

/// Replaces the caption, shown as plain text, and widens the label to it, up to `room` pixels.
/// A caption wider than `room` is shortened with "…"; the whole caption is then the label's
/// tooltip and accessible name. A label is never narrowed, so it keeps its stored size.
void SetText(QLabel* label, const QString& caption, int room = QWIDGETSIZE_MAX);

/// The most characters of a text that a tooltip shows.
constexpr qsizetype kToolTipLength = 300;

/// A tooltip that shows `text` literally, on one line, whatever markup it holds; past
/// kToolTipLength characters it is cut, and the cut marked with "…".
QString literalToolTip(const QString& text);

/// SetText() with the label's own caption, for a caption that came from the stored layout.
void fitLabel(QLabel* label);

} // namespace platform
