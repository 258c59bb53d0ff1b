#include "window/CheckItemAccessible.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QPointer>

namespace tessaron {

namespace {

class CheckItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CheckItemAccessible(QMenu* menu, QAction* action) : menu_(menu), action_(action)
    {
        // A reader that keeps the item hears it change, as for a check box.
        QObject::connect(action, &QAction::toggled, action, [action] {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(action, changed);
            QAccessible::updateAccessibility(&event);
        });
    }

    bool isValid() const override { return menu_ && action_; }
    QObject* object() const override { return action_; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Accelerator) return action_->shortcut().toString(QKeySequence::NativeText);
        if (kind != QAccessible::Name) return {};
        // The mnemonic's marker is not spoken; a doubled one is a literal ampersand.
        QString name = action_->text();
        for (qsizetype at = name.indexOf(u'&'); at >= 0 && at < name.size(); at = name.indexOf(u'&', at + 1))
            name.remove(at, 1);
        return name;
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        const QRect place = menu_->actionGeometry(action_);
        return {menu_->mapToGlobal(place.topLeft()), place.size()};
    }

    QAccessible::Role role() const override { return QAccessible::CheckBox; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.checkable = true;
        state.checked = action_->isChecked();
        state.disabled = !action_->isEnabled();
        state.invisible = !menu_->isVisible() || !action_->isVisible();
        state.focusable = action_->isEnabled();
        state.focused = menu_->isVisible() && menu_->activeAction() == action_;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override
    {
        if (name == toggleAction() && action_->isEnabled()) action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QMenu> menu_;
    QPointer<QAction> action_;
};

QAccessibleInterface* CheckItemFactory(const QString&, QObject* object)
{
    auto* action = qobject_cast<QAction*>(object);
    if (!action || !action->isCheckable()) return nullptr;
    for (QObject* shownIn : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(shownIn)) return new CheckItemAccessible(menu, action);
    return nullptr;
}

} // namespace

void InstallCheckItemAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&CheckItemFactory);
        return true;
    }();
    (void)installed;
}

} // namespace tessaron
