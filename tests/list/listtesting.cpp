// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// listtesting.cpp - building lists and checking their chain in tests.
#include "listtesting.h"

vint entry(const char* firma, const char* marka, std::int32_t objom, std::int32_t zena) {
    vint r{};
    copyFieldBytes(r.firma, firma);
    copyFieldBytes(r.marka, marka);
    r.objom = objom;
    r.zena = zena;
    return r;
}

void appendNamed(spisok& list, const QStringList& names) {
    for (const QString& name : names) {
        const QByteArray bytes = name.toLatin1();
        list.insert(entry(bytes.constData(), bytes.constData(), 80, 100 * (list.size() + 1)),
                    list.size());
    }
}

QStringList firmas(const spisok& list) {
    QStringList result;
    for (const node* p = list.headNode(); p && result.size() <= list.size(); p = p->next)
        result << QString::fromLatin1(p->firma);
    return result;
}

QString chainError(const spisok& list) {
    const node* head = list.headNode();
    const node* tail = list.tailNode();
    if (!head || !tail)
        return head == tail && list.size() == 0 && list.empty()
                   ? QString()
                   : QStringLiteral("head and tail are not null together on an empty list");
    if (tail->next)
        return QStringLiteral("tail->next is not null");
    const node* p = head;
    for (std::int32_t steps = 0; steps < list.size() - 1; ++steps) {
        if (!p->next)
            return QStringLiteral("the chain ends after %1 steps of %2")
                .arg(steps)
                .arg(list.size() - 1);
        p = p->next;
    }
    return p == tail ? QString() : QStringLiteral("count - 1 steps from head do not reach tail");
}
