#include "accessibility.h"

#include "tab_control.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include <vector>

namespace relwiz {
namespace {

// One tab of the strip. Tabs are drawn, not widgets, so the interface has no
// object of its own and answers from the strip.
class PageTabInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageTabInterface(TabStrip* strip, int index)
        : strip_(strip)
        , index_(index)
    {
    }

    int index() const { return index_; }

    bool isValid() const override { return strip_ && index_ < strip_->control()->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return strip_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(strip_); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? strip_->control()->tab_text(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        const QRect tab = strip_->tab_rect(index_);
        return {strip_->mapToGlobal(tab.topLeft()), tab.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        const bool current = index_ == strip_->control()->current_index();
        state.selectable = state.focusable = true;
        state.selected = current;
        state.focused = current && strip_->hasFocus();
        state.invisible = !strip_->isVisible();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            strip_->control()->set_current_index(index_);
    }

private:
    QPointer<TabStrip> strip_;
    int index_;
};

// The strip as a page tab list. Its tabs' interfaces are made when first
// asked for and live as long as the strip's.
class TabStripInterface : public QAccessibleWidget {
public:
    explicit TabStripInterface(TabStrip* strip)
        : QAccessibleWidget(strip, QAccessible::PageTabList)
    {
    }

    ~TabStripInterface() override
    {
        for (QAccessible::Id id : tabs_) {
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return strip()->control()->count(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (tabs_.size() <= std::size_t(index))
            tabs_.resize(std::size_t(index) + 1);
        QAccessible::Id& id = tabs_[std::size_t(index)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new PageTabInterface(strip(), index));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || child->role() != QAccessible::PageTab || child->parent() != this)
            return -1;
        return static_cast<const PageTabInterface*>(child)->index();
    }

    QAccessibleInterface* focusChild() const override
    {
        return strip()->hasFocus() ? child(strip()->control()->current_index()) : nullptr;
    }

private:
    TabStrip* strip() const { return static_cast<TabStrip*>(widget()); }

    mutable std::vector<QAccessible::Id> tabs_;
};

QAccessibleInterface* make_interface(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String(TabStrip::staticMetaObject.className()))
        return new TabStripInterface(static_cast<TabStrip*>(object));
    // Qt takes a top-level plain widget for a client area, a "filler" whose
    // title no screen reader announces; it is the program's window, as a
    // main window or a dialog would be.
    if (class_name == QLatin1String("QWidget") && static_cast<QWidget*>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

void install_accessible_interfaces()
{
    QAccessible::installFactory(make_interface);
}

}  // namespace relwiz
