#include "about/LinkAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

namespace tessaron {

namespace {

constexpr char LinkProperty[] = "tessaronLink";

class LinkAccessible final : public QAccessibleWidget {
public:
    explicit LinkAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    // Press first: a reader's "activate" performs the first action.
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // Pressed the way the keyboard presses it, so the owner's one handler opens it.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(widget(), &press);
    }
};

QAccessibleInterface* LinkFactory(const QString&, QObject* object)
{
    auto* label = qobject_cast<QLabel*>(object);
    return label && label->property(LinkProperty).toBool() ? new LinkAccessible(label) : nullptr;
}

} // namespace

void ExposeAsLink(QLabel* label)
{
    static const bool installed = [] {
        QAccessible::installFactory(&LinkFactory);
        return true;
    }();
    (void)installed;
    label->setProperty(LinkProperty, true);
}

} // namespace tessaron
