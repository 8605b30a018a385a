// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/announcer.h"

#include <QAccessible>

#include "ui/accessible_roles.h"

namespace triangle::ui {

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    installAccessibleRoles();
    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
}

// Screen readers speak an alert or a notification when it appears, so the
// announcer appears again each time; an alert is raised as one as well.
void Announcer::announce(const QString &text, Kind kind)
{
    m_text = text;
    m_kind = kind;
    setAccessibleName(text);
    hide();
    show();
    if (kind == Kind::Alert) {
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void Announcer::clear()
{
    m_text.clear();
    m_kind = Kind::Status;
    setAccessibleName(QString());
}

} // namespace triangle::ui
