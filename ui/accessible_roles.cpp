// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_roles.h"

#include <QAccessibleWidget>
#include <QComboBox>

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

// A combo box that says its accessible name as its name. Qt's own gives
// its current text instead on Linux ("BG"), where it expects a label to
// name it; the language choice has none on screen. Its value is the
// current item as said ("Български").
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *combo = qobject_cast<const QComboBox *>(widget());
        if (t != QAccessible::Value || combo == nullptr)
            return QAccessibleWidget::text(t);
        const QString said = combo->currentData(Qt::AccessibleTextRole).toString();
        return said.isEmpty() ? combo->currentText() : said;
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
    // Asked for before its name is set, and kept: every combo box.
    if (auto *combo = qobject_cast<QComboBox *>(object))
        return new NamedComboBox(combo);
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
