// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_roles.h"

#include <QAccessibleWidget>

#include "ui/announcer.h"
#include "ui/picture_box.h"

namespace triangle::ui {

namespace {

class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }

    QAccessible::Role role() const override
    {
        const auto *announcer = qobject_cast<const Announcer *>(widget());
        return announcer != nullptr && announcer->kind() == Announcer::Kind::Alert
            ? QAccessible::AlertMessage
            : QAccessible::Notification;
    }
};

// Qt asks with the object's own class first, so these are found before the
// interfaces of a plain widget and a frame.
QAccessibleInterface *accessibleRole(const QString & /*className*/, QObject *object)
{
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new AccessibleAnnouncer(announcer);
    if (auto *picture = qobject_cast<PictureBox *>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleRole);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace triangle::ui
