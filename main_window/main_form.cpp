#include "main_form.h"

#include "background_work.h"
#include "compose_sheet.h"
#include "disc_fill.h"
#include "disc_sfv.h"
#include "field_start.h"
#include "form_builder.h"
#include "main_form_design.h"
#include "nfo_import.h"
#include "page_menu.h"
#include "read_controls.h"
#include "refusal_message.h"
#include "save_encoding_question.h"
#include "save_sheet.h"
#include "sheet_open.h"
#include "sheet_picture.h"
#include "sheet_text_box.h"
#include "tab_control.h"
#include "twips.h"

#include <algorithm>
#include <functional>
#include <utility>

// The window icon in three sizes, compiled in: reading image files would
// first have Qt survey its image plug-ins, a good part of start-up.
#include "relwiz-16.xpm"
#include "relwiz-256.xpm"
#include "relwiz-64.xpm"

#include <QCoreApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QWindow>

namespace relwiz {
namespace {

constexpr int tab_control_height_twips = 8295;  // the client area less a 15-twip strip
constexpr int tab_row_height_twips = 295;

QIcon program_icon()
{
    QIcon icon;
    icon.addPixmap(QPixmap(relwiz_256));  // 32 x 32 in 256 colours
    icon.addPixmap(QPixmap(relwiz_64));   // for HiDPI title bars and task switchers
    icon.addPixmap(QPixmap(relwiz_16));   // 32 x 32 in 16 colours
    return icon;
}

QFont tab_caption_font()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

// A disc page names its frames and labels itself; every other name is the design's.
const char* control_name(const TabDesign& tab, const char* design_name)
{
    return tab.array_index < 0 ? design_name : disc_page_control_name(tab.array_index, design_name);
}

}  // namespace

MainForm::MainForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Main_Form"));
    setWindowTitle(QStringLiteral("Relwiz 2000 - The CD Image .nfo Utility by Tobi"));
    setFixedSize(client_width, client_height);

    tabs_ = new TabControl(QSize(client_width, twips_to_pixels(tab_control_height_twips)),
                           tab_row_height_twips, this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->strip()->setFont(tab_caption_font());

    // Every tab is there, but only General Info, which shows first, is
    // built before the window shows: building the other eight pages' 250
    // controls is most of what start-up would cost (build_other_pages).
    for (const TabDesign& tab : main_form_tabs())
        tabs_->add_page(QString::fromLatin1(tab.page.caption));
    build_page(0);
    add_tab_shortcuts();
    tabs_->strip()->setFocus(Qt::OtherFocusReason);
}

// Lets the window's first expose paint General Info and put it on the
// screen, then builds the other pages before the window takes any input:
// whatever the user does reaches a whole window.
class MainForm::FirstExpose : public QObject {
public:
    explicit FirstExpose(MainForm* form) : QObject(form), form_(form) {}

protected:
    bool eventFilter(QObject* window, QEvent* event) override
    {
        if (event->type() != QEvent::Expose || !static_cast<QWindow*>(window)->isExposed())
            return false;
        window->removeEventFilter(this);
        QCoreApplication::sendEvent(window, event);  // painted and flushed to the screen
        form_->build_other_pages();
        deleteLater();
        return true;
    }

private:
    MainForm* form_;
};

void MainForm::setVisible(bool visible)
{
    if (visible && tabs_->current_index() != 0)
        build_other_pages();  // a window that does not start on General Info shows its page whole at once
    QWidget::setVisible(visible);
    if (visible && !all_pages_built_ && !std::exchange(first_expose_watched_, true))
        windowHandle()->installEventFilter(new FirstExpose(this));
}

void MainForm::build_page(int index)
{
    const TabDesign tab = main_form_tabs()[static_cast<std::size_t>(index)];
    QWidget* page = tabs_->page(index);
    build_controls(page, tab.page.controls, [&tab](const char* name) { return QString::fromLatin1(control_name(tab, name)); },
                   tab.array_index, controls_);
    show_field_starts(page);
}

void MainForm::build_other_pages()
{
    if (std::exchange(all_pages_built_, true))
        return;
    // The icon too, which the window manager takes up when it comes:
    // decoding it would hold back the window's first paint.
    setWindowIcon(program_icon());
    for (int index = 1; index < tab_count; ++index)
        build_page(index);
    set_focus_order();
    connect_commands();
    add_file_commands();
}

void MainForm::set_focus_order()
{
    // The tab strip first, then each page's controls in their own order.
    focus_order_.push_back(tabs_->strip());
    for (const TabDesign& tab : main_form_tabs()) {
        for (const char* name : tab.page.focus_order) {
            QWidget* control = controls_.at(control_name(tab, name), tab.array_index);
            setTabOrder(focus_order_.back(), control);  // for accessibility tools that walk Qt's chain
            focus_order_.push_back(control);
        }
    }
}

bool MainForm::focusNextPrevChild(bool next)
{
    // Where the focus is now: a combo box's edit field stands for its combo box.
    QWidget* focused = focusWidget();
    auto position = std::find_if(focus_order_.begin(), focus_order_.end(), [focused](QWidget* control) {
        return control == focused || (focused && control->isAncestorOf(focused));
    });
    const auto count = static_cast<std::ptrdiff_t>(focus_order_.size());
    std::ptrdiff_t at = position == focus_order_.end() ? 0 : position - focus_order_.begin();
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        at = (at + (next ? 1 : count - 1)) % count;
        QWidget* candidate = focus_order_[static_cast<std::size_t>(at)];
        if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void MainForm::add_tab_shortcuts()
{
    const struct {
        QKeySequence keys;
        int step;
    } shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), +1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), +1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& shortcut : shortcuts) {
        auto* action = new QShortcut(shortcut.keys, this);
        action->setContext(Qt::WindowShortcut);
        connect(action, &QShortcut::activated, this, [this, step = shortcut.step] {
            tabs_->step(step);
            tabs_->strip()->setFocus(Qt::TabFocusReason);
        });
    }
}

void MainForm::add_file_commands()
{
    // Ctrl+O opens what the current page reads from files, where it reads
    // any; Ctrl+Shift+S writes a disc page's .sfv, or the preview's picture.
    std::vector<std::function<void()>> open_for_tab(static_cast<std::size_t>(tab_count));
    std::vector<std::function<void()>> write_for_tab(static_cast<std::size_t>(tab_count));
    auto* nfo_import = new NfoImport(controls_.bound_to<SheetTextBox>(&ReleaseSheet::release_group_nfo));
    connect(nfo_import, &NfoImport::inserted, this,
            [this](TextEncoding read_as) { came_in_ = CameIn{CameIn::What::GroupNfo, read_as}; });
    open_for_tab[0] = [nfo_import] { nfo_import->choose_and_insert(); };
    auto* work = new BackgroundWork(this);
    const auto tabs = main_form_tabs();
    for (int index = 0; index < tab_count; ++index) {
        const int disc = tabs[static_cast<std::size_t>(index)].array_index;
        if (disc < 0)
            continue;
        auto* fill = new DiscFill(tabs_->page(index), disc, controls_);
        auto* sfv = new DiscSfv(tabs_->page(index), disc, *work);
        connect(fill, &DiscFill::filled, sfv, &DiscSfv::take_fill);
        add_page_menu(tabs_->page(index), {fill->fill_action(), sfv->write_action()});
        open_for_tab[static_cast<std::size_t>(index)] = [fill] { fill->choose_and_fill(); };
        write_for_tab[static_cast<std::size_t>(index)] = [sfv] { sfv->write(); };
    }
    auto* sheet_open = new SheetOpen(controls_.at_as<SheetTextBox>(preview_box), controls_);
    connect(sheet_open, &SheetOpen::opened, this,
            [this](TextEncoding read_as) { came_in_ = CameIn{CameIn::What::Sheet, read_as}; });
    open_for_tab[tab_count - 1] = [sheet_open] { sheet_open->choose_and_open(); };
    auto* picture = new SheetPicture(controls_.at_as<SheetTextBox>(preview_box),
                                     controls_.bound_to<QLineEdit>(&ReleaseSheet::program_title), *work);
    write_for_tab[tab_count - 1] = [picture] { picture->save(); };
    add_tab_command(QKeySequence::Open, std::move(open_for_tab));
    add_tab_command(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), std::move(write_for_tab));
}

void MainForm::add_tab_command(const QKeySequence& keys, std::vector<std::function<void()>> command_for_tab)
{
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this, command_for_tab = std::move(command_for_tab)] {
        if (const auto& command = command_for_tab[static_cast<std::size_t>(tabs_->current_index())])
            command();
    });
}

void MainForm::connect_commands()
{
    const auto button = [this](const char* name) { return controls_.at_as<QPushButton>(name); };
    connect(button(preview_button), &QPushButton::clicked, this, &MainForm::preview);
    connect(button(clear_button), &QPushButton::clicked, this, &MainForm::clear);
    connect(button(create_nfo_button), &QPushButton::clicked, this, &MainForm::create_nfo);
    connect(button(readme_button), &QPushButton::clicked, &about_, &AboutWindow::show);
}

void MainForm::preview()
{
    // The new sheet replaces whatever the box held, hand edits included, in
    // one step that Undo takes back.
    const std::string sheet = compose_sheet(read_release_sheet(controls_));
    controls_.at_as<SheetTextBox>(preview_box)
        ->replace_text(QString::fromUtf8(sheet.data(), static_cast<qsizetype>(sheet.size())));
}

void MainForm::clear()
{
    controls_.at_as<SheetTextBox>(preview_box)->replace_text(QString());
}

void MainForm::create_nfo()
{
    const QString title = controls_.bound_to<QLineEdit>(&ReleaseSheet::program_title)->text();
    const QString sheet = controls_.at_as<SheetTextBox>(preview_box)->sheet_text();
    // A sheet that Windows-1252 holds whole, as every typed sheet is, is
    // saved as it always was, unless the group's .nfo or the sheet came in
    // otherwise; when there is more than one way, the user chooses.
    const std::optional<TextEncoding> read_as = came_in_ ? std::optional(came_in_->read_as) : std::nullopt;
    const std::vector<SaveOffer> offers = save_offers(sheet, read_as);
    const SaveOffer* chosen = offers.size() == 1 ? &offers.front() : ask_save_encoding(this, sheet, offers, came_in_);
    if (!chosen)
        return;
    if (const Outcome<> saved = save_sheet(title, chosen->encoded.bytes); !saved)
        show_refusal(this, QStringLiteral("Create .nfo!"), saved.refusal(),
                     QStringLiteral("The preview and the form are unchanged."));
}

}  // namespace relwiz
