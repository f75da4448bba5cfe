// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/AccessibleControls.h"

#include "gui/widgets/LinkLabel.h"
#include "gui/widgets/PictureBox.h"

#include <QAccessibleWidget>

namespace {

class AccessibleLinkLabel : public QAccessibleWidget {
  public:
    explicit AccessibleLinkLabel(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return label()->accessibleName().isEmpty() ? label()->caption() : label()->accessibleName();
        case QAccessible::Value: // what the link opens
            return QString::fromStdString(label()->target());
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = !label()->target().empty();
        s.hotTracked = label()->isHovered();
        return s;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (!label()->target().empty()) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            label()->clickFromAssistiveTechnology();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* accessibleControl(const QString&, QObject* object) {
    if (auto* link = qobject_cast<LinkLabel*>(object)) return new AccessibleLinkLabel(link);
    if (auto* picture = qobject_cast<PictureBox*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void registerAccessibleControls() {
    static const bool registered = [] {
        QAccessible::installFactory(accessibleControl);
        return true;
    }();
    (void)registered;
}
