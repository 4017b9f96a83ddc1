#include "about_form.h"

#include "relwiz_version.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace relwiz {
namespace {

// Twips to pixels, as the main window measures its design.
QRect at(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

QLabel* add_label(QWidget* form, const char* name, const QString& text, QRect rect)
{
    auto* label = new QLabel(text, form);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(rect);
    return label;
}

}  // namespace

AboutForm::AboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("About_Form"));
    setWindowTitle(tr("About Relwiz"));
    setFixedSize(client_width, client_height);
    setSizeGripEnabled(false);
    setAttribute(Qt::WA_DeleteOnClose);

    // Created in tab order: the OK button first, so it has the focus.
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(at(4245, 2625, 1260, 345));
    ok->setDefault(true);  // Enter; Esc rejects the dialog, which closes it too
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setGeometry(at(240, 240, 540, 540));
    icon->setPixmap(QPixmap(QStringLiteral(":/relwiz/about-16.xpm")));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    add_label(this, "lblDescription",
              tr("Please help Relwiz grow: tell me what goes wrong and which list items you miss."),
              at(1050, 1125, 3885, 570));
    add_label(this, "lblTitle", tr("Relwiz 2000 by Tobi"), at(1050, 240, 3885, 480));
    add_label(this, "lblVersion", tr("Version %1").arg(QStringLiteral(RELWIZ_VERSION)), at(1050, 780, 3885, 225));
    add_label(this, "lblDisclaimer",
              tr("Mail tobi@relwiz.example.org. Thanks for using Relwiz 2000!"),
              at(1080, 1920, 3870, 465));

    ok->setFocus(Qt::OtherFocusReason);
}

AboutWindow::~AboutWindow()
{
    delete form_;
}

void AboutWindow::show()
{
    // No owner and no modal loop: the main window stays usable beside it.
    if (!form_) {
        form_ = new AboutForm;
        // Centred over the window that opens it, though owned by none.
        if (const auto* opener = qobject_cast<const QWidget*>(parent())) {
            QRect placed = form_->geometry();
            placed.moveCenter(opener->geometry().center());
            form_->setGeometry(placed);
        }
    }
    form_->show();
    form_->raise();
    form_->activateWindow();
}

}  // namespace relwiz
