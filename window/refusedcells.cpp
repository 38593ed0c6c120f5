// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// refusedcells.cpp - the cells that one accept refuses, named in one message.
#include "refusedcells.h"

#include <QCoreApplication>

void RefusedCells::add(const platform::Exception& refusal) {
    if (count++ == 0)
        leadBack = refusal.leadBack();
    if (messages.size() < kNamed)
        messages << refusal.Message();
}

void RefusedCells::throwIfAny() const {
    if (count == 0)
        return;
    if (count == 1)
        throw platform::Exception(messages.first(), leadBack);
    QStringList lines = {
        QCoreApplication::translate("TForm1", "%n cells cannot be accepted:", nullptr, count)};
    lines << messages;
    if (count > kNamed)
        lines << QCoreApplication::translate("TForm1", "and %n more.", nullptr, count - kNamed);
    throw platform::Exception(lines.join(u'\n'), leadBack);
}
