// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// entryinput.cpp - where the user types an entry's values, and reading them.
#include "entryinput.h"

#include "textfield.h"

#include "grid/stringgrid.h"
#include "platform/conversions.h"
#include "platform/exception.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

QString EntryInput::typedText() const {
    return edit ? edit->text() : grid->Cells(col, row);
}

QString EntryInput::name() const {
    if (edit)
        return caption->text();
    return QCoreApplication::translate("TForm1", "Row %1, column %2 (%3)")
        .arg(QString::number(row), QString::number(col), grid->Cells(col, 0));
}

std::function<void()> EntryInput::leadBack() const {
    if (edit)
        return [edit = QPointer<QLineEdit>(edit)] {
            if (!edit)
                return;
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
        };
    return [grid = QPointer<grid::StringGrid>(grid), col = col, row = row] {
        if (grid)
            grid->goToCell(col, row);
    };
}

namespace {

/// Runs `read` on the input's text; a refusal comes out again naming the input and leading back
/// to it. The name is built only then.
template <typename Read> auto readFrom(const EntryInput& input, const Read& read) {
    try {
        return read(input.typedText());
    } catch (const platform::Exception& e) {
        throw platform::Exception(input.name() + QStringLiteral(": ") + e.Message(),
                                  input.leadBack());
    }
}

} // namespace

void readEntry(vint& entry, const std::array<EntryInput, 4>& inputs) {
    readEntry(entry, inputs, [](const platform::Exception& e) { throw e; });
}

bool readEntry(vint& entry, const std::array<EntryInput, 4>& inputs,
               const std::function<void(const platform::Exception&)>& refused) {
    const std::array<std::function<void()>, 4> fields = {
        [&] {
            readFrom(inputs[0], [&entry](const QString& text) { storeText(entry.firma, text); });
        },
        [&] {
            readFrom(inputs[1], [&entry](const QString& text) { storeText(entry.marka, text); });
        },
        [&] { entry.objom = readNumber(inputs[2]); },
        [&] { entry.zena = readNumber(inputs[3]); },
    };
    bool taken = true;
    for (const auto& read : fields)
        try {
            read();
        } catch (const platform::Exception& e) {
            taken = false;
            refused(e);
        }
    return taken;
}

std::int32_t readNumber(const EntryInput& input) {
    return readFrom(input, [](const QString& text) { return platform::StrToInt(text); });
}
