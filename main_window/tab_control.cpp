#include "tab_control.h"

#include "twips.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include <cmath>
#include <utility>

namespace relwiz {

TabControl::TabControl(QSize size, int tab_height_twips, QWidget* parent)
    : QWidget(parent)
    , strip_(new TabStrip(this, tab_height_twips))
{
    resize(size);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

QWidget* TabControl::add_page(const QString& caption)
{
    auto* page = new QWidget(this);
    page->setGeometry(rect());
    page->setProperty("caption", caption);
    page->setAccessibleName(caption);
    page->setVisible(pages_.empty());
    pages_.push_back(page);
    if (current_ < 0)
        current_ = 0;
    strip_->setGeometry(0, 0, width(), strip_height());  // grows a row every three tabs
    strip_->raise();
    strip_->update();
    return page;
}

int TabControl::count() const
{
    return static_cast<int>(pages_.size());
}

int TabControl::current_index() const
{
    return current_;
}

void TabControl::set_current_index(int index)
{
    if (index < 0 || index >= count() || index == current_)
        return;
    // Show the new page before hiding the old one, so that a focus leaving a
    // hidden control does not wander through the window.
    pages_[static_cast<std::size_t>(index)]->show();
    pages_[static_cast<std::size_t>(current_)]->hide();
    const int previous = std::exchange(current_, index);
    strip_->update();
    // A screen reader hears which tab is now the current one.
    if (QAccessible::isActive()) {
        QAccessibleEvent deselected(strip_, QAccessible::SelectionRemove);
        deselected.setChild(previous);
        QAccessible::updateAccessibility(&deselected);
        QAccessibleEvent selected(strip_, QAccessible::SelectionAdd);
        selected.setChild(index);
        QAccessible::updateAccessibility(&selected);
        if (strip_->hasFocus()) {
            QAccessibleEvent focused(strip_, QAccessible::Focus);
            focused.setChild(index);
            QAccessible::updateAccessibility(&focused);
        }
    }
}

QWidget* TabControl::page(int index) const
{
    return pages_.at(static_cast<std::size_t>(index));
}

QString TabControl::tab_text(int index) const
{
    return page(index)->property("caption").toString();
}

QRect TabControl::tab_rect(int index) const
{
    return strip_->tab_rect(index).translated(strip_->pos());
}

TabStrip* TabControl::strip() const
{
    return strip_;
}

int TabControl::strip_height() const
{
    int height = 0;
    for (int row = 0; row < strip_->row_count(); ++row)
        height += strip_->row_height_pixels(row);
    return height;
}

void TabControl::step(int delta)
{
    if (count() == 0)
        return;
    set_current_index((current_ + delta + count()) % count());
}

void TabControl::paintEvent(QPaintEvent*)
{
    // The pane under the strip, framed as the style frames a tab widget.
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.shape = QTabBar::RoundedNorth;
    frame.rect = rect().adjusted(0, strip_height() - 1, 0, 0);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

TabStrip::TabStrip(TabControl* control, int row_height_twips)
    : QWidget(control)
    , control_(control)
    , row_height_(row_height_twips / double(twips_per_pixel))
{
    setObjectName(QStringLiteral("tab_strip"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MacShowFocusRect);
    setAccessibleName(QStringLiteral("Tabs"));
}

int TabStrip::row_count() const
{
    return (control_->count() + TabControl::tabs_per_row - 1) / TabControl::tabs_per_row;
}

int TabStrip::row_height_pixels(int row) const
{
    // Rows are 295 twips, not a whole number of pixels: round each edge.
    return int(std::lround((row + 1) * row_height_)) - int(std::lround(row * row_height_));
}

QRect TabStrip::tab_rect(int index) const
{
    const int row = index / TabControl::tabs_per_row;
    const int column = index % TabControl::tabs_per_row;
    const int top = int(std::lround(row * row_height_));
    const int left = width() * column / TabControl::tabs_per_row;
    const int right = width() * (column + 1) / TabControl::tabs_per_row;
    return {left, top, right - left, row_height_pixels(row)};
}

void TabStrip::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    const int current = control_->current_index();
    for (int index = 0; index < control_->count(); ++index) {
        QStyleOptionTab tab;
        tab.initFrom(this);
        tab.shape = QTabBar::RoundedNorth;
        tab.rect = tab_rect(index);
        tab.text = control_->tab_text(index);
        const int column = index % TabControl::tabs_per_row;
        tab.position = column == 0 ? QStyleOptionTab::Beginning
                       : column == TabControl::tabs_per_row - 1 ? QStyleOptionTab::End
                                                                 : QStyleOptionTab::Middle;
        tab.selectedPosition = QStyleOptionTab::NotAdjacent;
        tab.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        if (index == current) {
            tab.state |= QStyle::State_Selected;
            if (hasFocus())
                tab.state |= QStyle::State_HasFocus;
        }
        painter.drawControl(QStyle::CE_TabBarTab, tab);
    }
}

void TabStrip::mousePressEvent(QMouseEvent* event)
{
    for (int index = 0; index < control_->count(); ++index) {
        if (tab_rect(index).contains(event->position().toPoint())) {
            control_->set_current_index(index);
            setFocus(Qt::MouseFocusReason);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void TabStrip::keyPressEvent(QKeyEvent* event)
{
    const int current = control_->current_index();
    const int last = control_->count() - 1;
    int target = current;
    switch (event->key()) {
    case Qt::Key_Left: target = current - 1; break;
    case Qt::Key_Right: target = current + 1; break;
    case Qt::Key_Up: target = current - TabControl::tabs_per_row; break;
    case Qt::Key_Down: target = current + TabControl::tabs_per_row; break;
    case Qt::Key_Home: target = 0; break;
    case Qt::Key_End: target = last; break;
    default: QWidget::keyPressEvent(event); return;
    }
    control_->set_current_index(std::clamp(target, 0, last));
}

}  // namespace relwiz
