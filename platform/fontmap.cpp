// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// fontmap.cpp - the Windows faces named by the stored layout, mapped to installed ones.
#include "fontmap.h"

#include <QWidget>

#include <cmath>

namespace platform {
namespace {

void mapFont(QWidget* widget) {
    QFont font = widget->font();
    if (font.family() != QLatin1String("MS Sans Serif") || font.pointSizeF() <= 0)
        return;
    const int pixels = static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
    font.setFamilies({QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    widget->setFont(font);
}

} // namespace

void mapWindowsFonts(QWidget* root) {
    mapFont(root);
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* child : children)
        if (child->testAttribute(Qt::WA_SetFont))
            mapFont(child);
}

} // namespace platform
