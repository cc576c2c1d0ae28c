// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <algorithm>

#include "widgets.h"

namespace delvarin::widgets {
namespace {

constexpr char kDecorative[] = "delvarinDecorative";
constexpr char kValueOf[] = "delvarinValueOf";

bool IsDecorative(const QObject* object) {
    return object->property(kDecorative).toBool();
}

QList<QWidget*> SpokenChildren(const QWidget* widget) {
    QList<QWidget*> children;
    for (QObject* child : widget->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && !w->isWindow() && !IsDecorative(w)) children.push_back(w);
    }
    return children;
}

// A window or area whose children may include some drawn for the eye alone.
class Container : public QAccessibleWidget {
public:
    explicit Container(QWidget* w)
        : Container(w, w->isWindow() ? QAccessible::Window : QAccessible::Client) {}
    Container(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    int childCount() const override { return static_cast<int>(SpokenChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = SpokenChildren(widget());
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return static_cast<int>(
            SpokenChildren(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
    }
};

// Qt names a drop-down on Linux by the item it shows and leaves its caption
// to a relation; this one is named by its caption, its item is its value.
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(ComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == combo()->view() ? 0 : -1;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return combo()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }

private:
    ComboBox* combo() const { return static_cast<ComboBox*>(widget()); }
};

// A picture or hot spot that opens a page when pressed.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(Link* link) : QAccessibleWidget(link, QAccessible::Link) {}
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            emit static_cast<Link*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A caption, a value or any other label: its text is its name. A caption
// is the label of the control it names; a value label says whose value it
// shows in its description and has that box for its controller.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto related = QAccessibleWidget::relations(match);
        QWidget* named = static_cast<QLabel*>(widget())->buddy();
        if (named && (match & QAccessible::Labelled))
            related.push_back(
                {QAccessible::queryAccessibleInterface(named), QAccessible::Labelled});
        auto* box = widget()->property(kValueOf).value<QObject*>();
        if (box && (match & QAccessible::Controller))
            related.push_back(
                {QAccessible::queryAccessibleInterface(box), QAccessible::Controller});
        return related;
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* combo = qobject_cast<ComboBox*>(object)) return new NamedComboBox(combo);
    if (auto* link = qobject_cast<Link*>(object)) return new LinkAccessible(link);
    if (auto* label = qobject_cast<Label*>(object)) return new LabelAccessible(label);
    // A window, and the area its controls stand in, leave out what is only
    // drawn; the marks are read when asked, so they may come later.
    if (auto* form = qobject_cast<Form*>(object)) return new Container(form);
    // A message, without the empty place of an icon it does not show.
    if (auto* box = qobject_cast<QMessageBox*>(object))
        return new Container(box, QAccessible::AlertMessage);
    if (auto* form = qobject_cast<Form*>(object->parent()); form && form->client() == object)
        return new Container(form->client());
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void SetDecorative(QWidget* control) {
    control->setProperty(kDecorative, true);
    control->setFocusPolicy(Qt::NoFocus);
}

void SetValueOf(QWidget* label, QWidget* box) {
    label->setProperty(kValueOf, QVariant::fromValue<QObject*>(box));
}

}  // namespace delvarin::widgets
