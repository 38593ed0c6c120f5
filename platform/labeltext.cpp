// labeltext.cpp - label captions that size their label.
#include "labeltext.h"

#include <QLabel>

#include <algorithm>

namespace platform {

void SetText(QLabel* label, const QString& caption) {
    label->setText(caption);
    const QSize hint = label->sizeHint();
    label->resize(hint.width(), std::max(label->height(), hint.height()));
}

void fitLabel(QLabel* label) {
    if (label->text().isEmpty())
        return; // nothing to show, so the stored size stands
    const QSize hint = label->sizeHint();
    label->resize(std::max(label->width(), hint.width()), std::max(label->height(), hint.height()));
}

} // namespace platform
