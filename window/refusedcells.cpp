// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// refusedcells.cpp - the cells that one accept refuses, named in one message.
#include "refusedcells.h"

#include "platform/counted.h"

#include <QCoreApplication>

void RefusedCells::add(const platform::Exception& refusal) {
    if (count++ == 0)
        leadBack = refusal.leadBack();
    if (messages.size() < kNamed)
        messages << refusal.Message();
}

void RefusedCells::addBlankRow(const platform::Exception& refusal) {
    add(refusal);
    ++blankRows;
}

void RefusedCells::throwIfAny() const {
    if (count == 0)
        return;
    if (count == 1)
        throw platform::Exception(messages.first(), leadBack);
    const int cells = count - blankRows;
    // Every count here is two or more: a single refusal goes without a heading.
    const QString heading =
        blankRows == 0
            ? QCoreApplication::translate("TForm1", "%n cells cannot be accepted:", nullptr, cells)
        : cells == 0
            ? QCoreApplication::translate("TForm1", "%n blank rows cannot be accepted:", nullptr,
                                          blankRows)
            : QCoreApplication::translate("TForm1", "%1 and %2 cannot be accepted:")
                  .arg(platform::counted("TForm1", cells, QT_TRANSLATE_NOOP("TForm1", "1 cell"),
                                         QT_TRANSLATE_N_NOOP("TForm1", "%n cells")),
                       platform::counted("TForm1", blankRows,
                                         QT_TRANSLATE_NOOP("TForm1", "1 blank row"),
                                         QT_TRANSLATE_N_NOOP("TForm1", "%n blank rows")));
    QStringList lines = {heading};
    lines << messages;
    if (count > kNamed)
        lines << QCoreApplication::translate("TForm1", "and %n more.", nullptr, count - kNamed);
    throw platform::Exception(lines.join(u'\n'), leadBack);
}
