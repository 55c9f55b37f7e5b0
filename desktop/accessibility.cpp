#include "desktop/accessibility.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

#include "window/form1.h"

namespace velantra {

namespace {

struct Exposed {
    Control* control;
    Form1* form;
};

QHash<const QObject*, Exposed>& exposed() {
    static QHash<const QObject*, Exposed> all;
    return all;
}

class ControlInterface : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    ControlInterface(QWidget* widget, const Exposed& e)
        : QAccessibleWidget(widget, role_of(accessible(*e.control).role)), e_(e) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && bar() != nullptr)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value && bar() != nullptr) return QString::number(bar()->value());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant& value) override {
        e_.form->scrolled_to(*bar(), value.toInt());
    }
    QVariant maximumValue() const override { return accessible(*bar()).maximum; }
    QVariant minimumValue() const override { return accessible(*bar()).minimum; }
    QVariant minimumStepSize() const override { return bar()->small(); }

  private:
    ScrollBar* bar() const { return dynamic_cast<ScrollBar*>(e_.control); }
    Exposed e_;
};

QAccessibleInterface* interface_of(const QString&, QObject* object) {
    const auto at = exposed().constFind(object);
    if (at == exposed().constEnd()) return nullptr;
    return new ControlInterface(static_cast<QWidget*>(object), *at);
}

}  // namespace

QAccessible::Role role_of(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::Graphic:
            return QAccessible::Graphic;
        case AccessibleRole::Text:
            return QAccessible::EditableText;
        case AccessibleRole::ScrollBar:
            return QAccessible::ScrollBar;
        case AccessibleRole::Button:
            return QAccessible::Button;
        case AccessibleRole::StaticText:
            return QAccessible::StaticText;
        case AccessibleRole::Hidden:
            break;
    }
    return QAccessible::NoRole;
}

void describe(QWidget* widget, const Control& control) {
    const Accessible a = accessible(control);
    widget->setAccessibleName(QString::fromStdString(a.name));
    widget->setAccessibleDescription(QString::fromStdString(a.description));
}

void expose(QWidget* widget, Control& control, Form1& form) {
    describe(widget, control);
    const AccessibleRole role = accessible(control).role;
    if (role != AccessibleRole::Graphic && role != AccessibleRole::ScrollBar) return;
    static const bool installed = (QAccessible::installFactory(interface_of), true);
    (void)installed;
    exposed().insert(widget, {&control, &form});
    QObject::connect(widget, &QObject::destroyed, [widget] { exposed().remove(widget); });
    // Should a screen reader have asked for the widget already, it hears ours from now on.
    QAccessibleInterface* before = QAccessible::queryAccessibleInterface(widget);
    if (before != nullptr && dynamic_cast<ControlInterface*>(before) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
}

void describe_picture(QWidget* picture, const std::string& text, bool announce) {
    const QString words = QString::fromStdString(text);
    const bool same = picture->accessibleDescription() == words;
    // A new description brings its own DescriptionChanged.
    if (!same) picture->setAccessibleDescription(words);
    if (!announce) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent said(picture, words);  // polite, as Qt makes it
    QAccessible::updateAccessibility(&said);
#else
    if (same) {
        QAccessibleEvent changed(picture, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
#endif
}

}  // namespace velantra
