// SPDX-FileCopyrightText: 2026 the drivelist authors
// SPDX-License-Identifier: MIT

// announcer.cpp - short messages said to screen readers without moving the focus.
#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace platform {
namespace {

/// The announcer as screen readers see it: a notification named by its message.
class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const Announcer*>(widget())->message()
                                      : QString();
    }
};

QAccessibleInterface* accessibleAnnouncer(const QString& className, QObject* object) {
    if (className == QLatin1StringView("platform::Announcer") && object)
        return new AccessibleAnnouncer(static_cast<Announcer*>(object));
    return nullptr;
}

} // namespace

Announcer* Announcer::of(QWidget* widget) {
    QWidget* window = widget->window();
    if (auto* announcer = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly))
        return announcer;
    return new Announcer(window);
}

Announcer::Announcer(QWidget* window) : QWidget(window) {
    static const bool installed = (QAccessible::installFactory(accessibleAnnouncer), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Announcer::announce(const QString& message) {
    said = message;
    // Shown anew, a notification is spoken anew, the same words too.
    hide();
    show();
}

} // namespace platform
