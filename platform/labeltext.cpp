// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// labeltext.cpp - label captions that size their label.
#include "labeltext.h"

#include "quoted.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace platform {

void SetText(QLabel* label, const QString& caption, int room) {
    label->setTextFormat(Qt::PlainText);
    const QFontMetrics metrics(label->font());
    const QString shown = metrics.elidedText(caption, Qt::ElideRight, room);
    label->setText(shown);
    const bool whole = shown == caption;
    label->setToolTip(whole ? QString() : literalToolTip(caption));
    label->setAccessibleName(whole ? QString() : caption);
    label->setAccessibleDescription(whole ? QString() : caption);
    if (shown.isEmpty())
        return; // nothing to show, so the stored size stands
    const QSize hint = label->sizeHint();
    label->resize(std::min(std::max(label->width(), hint.width()), room),
                  std::max(label->height(), hint.height()));
}

QString literalToolTip(const QString& text) {
    // A page-long text would take seconds to lay out, and would not fit the screen anyway.
    const QString shown = shortened(text, kToolTipLength);
    // A tooltip is rich text when it looks like markup, so the text goes in escaped.
    return QStringLiteral("<p style='white-space:pre'>") + shown.toHtmlEscaped() +
           QStringLiteral("</p>");
}

void fitLabel(QLabel* label) {
    SetText(label, label->text());
}

} // namespace platform
