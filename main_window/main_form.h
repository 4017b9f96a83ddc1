// Main_Form, the program's only input window, and how one sheet travels
// through it:
//
//   the controls of nine tabs (main_form_design.cpp, built by form_builder)
//     -> Preview reads them into a ReleaseSheet (read_controls)
//     -> compose_sheet turns the record into the sheet text (composer/)
//     -> the text lands in preview_text, where the user may edit it
//     -> Create .nfo! writes what the box shows to "<title>.nfo" (save_sheet)
//   Readme! opens the About window (about_window/) over it; a saved sheet
//   opened again (sheet_open) goes the other way, into every control.
//
// Nothing runs but the clicks of the four buttons, Ctrl+O, Ctrl+Shift+S and
// files dropped in; the controls are read only when a command runs. A
// command changes only preview_text; a file brought in changes the paste box
// or its disc page, and a sheet opened the whole form. A disc's .sfv is
// read, and written, and the preview's picture drawn, off the GUI thread
// (background_work), the only work that runs beside the window.
#pragma once

#include "about_form.h"
#include "form_builder.h"
#include "save_encoding_question.h"

#include <QKeySequence>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace relwiz {

class TabControl;

class MainForm : public QWidget {
    Q_OBJECT

public:
    static constexpr int client_width = 705;
    static constexpr int client_height = 554;

    explicit MainForm(QWidget* parent = nullptr);

    TabControl* tab_control() const { return tabs_; }

    // General Info is built with the window, the other pages once it is on
    // the screen (build_other_pages).
    void setVisible(bool visible) override;

    AboutWindow& about_window() { return about_; }

protected:
    // Tab and Shift+Tab follow the design's focus order through the shown
    // page. Every option button is a stop of its own, as the design lists
    // them; the arrow keys still move within a group.
    bool focusNextPrevChild(bool next) override;

private:
    class FirstExpose;

    void build_page(int index);
    // The pages the window does not show first, and what acts on them: done
    // once General Info is on the screen, before the window takes any input.
    void build_other_pages();
    void set_focus_order();
    void add_tab_shortcuts();
    void connect_commands();
    void add_file_commands();
    // `keys` run the current tab's command, where it has one.
    void add_tab_command(const QKeySequence& keys, std::vector<std::function<void()>> command_for_tab);

    void preview();
    void clear();
    void create_nfo();

    TabControl* tabs_ = nullptr;
    bool first_expose_watched_ = false;
    bool all_pages_built_ = false;
    std::optional<CameIn> came_in_;  // how the last text from a file was read decides how to save
    ControlIndex controls_;
    AboutWindow about_{this};
    std::vector<QWidget*> focus_order_;  // the strip, then every page's controls
};

}  // namespace relwiz
