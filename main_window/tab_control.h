// The tabbed container: a strip of tabs in rows of three above a stack of
// pages. Qt's tab bar has a single row, so this one lays out its own fixed
// rectangles and paints each with the style's tab look. The rows stay where
// they are whichever tab is current.
//
// Every page covers the whole control, strip included, so that positions on
// a page are the control's own; the strip is kept above the pages.
#pragma once

#include <QWidget>

#include <vector>

namespace relwiz {

class TabStrip;

class TabControl : public QWidget {
    Q_OBJECT

public:
    static constexpr int tabs_per_row = 3;

    TabControl(QSize size, int tab_height_twips, QWidget* parent = nullptr);

    // Adds a page, owned by the control, and returns it for its controls.
    QWidget* add_page(const QString& caption);

    int count() const;
    int current_index() const;
    void set_current_index(int index);
    QWidget* page(int index) const;
    QString tab_text(int index) const;
    QRect tab_rect(int index) const;  // in the control's coordinates
    TabStrip* strip() const;
    int strip_height() const;

    // Ctrl+Tab and friends: the next or previous tab, wrapping round.
    void step(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TabStrip* strip_;
    std::vector<QWidget*> pages_;
    int current_ = -1;
};

class TabStrip : public QWidget {
    Q_OBJECT

public:
    TabStrip(TabControl* control, int row_height_twips);

    TabControl* control() const { return control_; }
    QRect tab_rect(int index) const;
    int row_count() const;
    int row_height_pixels(int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TabControl* control_;
    double row_height_;  // in pixels, of which a row is no whole number
};

}  // namespace relwiz
