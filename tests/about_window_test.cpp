// Readme! and the About window beside the main window, and the program's end.
#include "about_form.h"
#include "window_driver.h"

#include <QLabel>
#include <QSignalSpy>

#include <optional>

using namespace relwiz;
using namespace relwiz::testing;

namespace {

QList<AboutForm*> open_about_windows()
{
    QList<AboutForm*> open;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<AboutForm*>(widget); about && about->isVisible())
            open << about;
    return open;
}

QStringList label_texts(const AboutForm& form)
{
    QStringList texts;
    for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"})
        texts << form.findChild<QLabel*>(QString::fromLatin1(name))->text();
    return texts;
}

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { window.emplace(); }
    void cleanup() { window.reset(); }

    void readme_opens_the_designed_window();
    void closes_on_ok_enter_esc_and_close_box_data();
    void closes_on_ok_enter_esc_and_close_box();
    void second_readme_shows_the_same_window();
    void reopening_loads_a_fresh_window_alike();
    void main_window_stays_usable_beside_it();
    void program_ends_when_the_last_window_closes();

private:
    AboutForm* open_about()
    {
        window->click(QStringLiteral("Command4"));
        AboutForm* about = window->form().about_window().form();
        if (about && !QTest::qWaitForWindowExposed(about))
            return nullptr;
        return about;
    }

    std::optional<WindowDriver> window;
};

void AboutWindowTest::readme_opens_the_designed_window()
{
    QVERIFY(open_about_windows().isEmpty());
    AboutForm* about = open_about();
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("About Relwiz"));
    QCOMPARE(about->size(), QSize(382, 237));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QVERIFY(!(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!about->isModal());
    QCOMPARE(about->parentWidget(), nullptr);

    auto* ok = about->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), QRect(283, 175, 84, 23));
    QVERIFY(ok->isDefault());
    QTRY_COMPARE(QApplication::focusWidget(), ok);

    auto* picture = about->findChild<QLabel*>(QStringLiteral("picIcon"));
    QCOMPARE(picture->geometry(), QRect(16, 16, 36, 36));
    QCOMPARE(picture->pixmap().size(), QSize(32, 32));
    QVERIFY(picture->pixmap().toImage() != window->form().windowIcon().pixmap(32, 32).toImage());

    QCOMPARE(label_texts(*about).mid(0, 2), (QStringList{"Relwiz 2000 by Tobi", "Version 1.0"}));
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lblDisclaimer"))->geometry(), QRect(72, 128, 258, 31));
    for (const char* name : {"lblDescription", "lblDisclaimer"}) {
        auto* paragraph = about->findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY(paragraph->wordWrap());
        QVERIFY2(paragraph->heightForWidth(paragraph->width()) <= paragraph->height(), name);
    }
}

void AboutWindowTest::closes_on_ok_enter_esc_and_close_box_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("ok_clicked") << 0;
    QTest::newRow("enter") << 1;
    QTest::newRow("esc") << 2;
    QTest::newRow("close_box") << 3;
}

void AboutWindowTest::closes_on_ok_enter_esc_and_close_box()
{
    QFETCH(int, how);
    AboutForm* about = open_about();
    QVERIFY(about);
    QSignalSpy destroyed(about, &QObject::destroyed);
    switch (how) {
    case 0: QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton); break;
    case 1: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); break;
    case 2: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); break;
    case 3: about->close(); break;
    }
    QTRY_COMPARE(destroyed.count(), 1);  // closing unloads it
    QVERIFY(open_about_windows().isEmpty());
    QVERIFY(window->form().isVisible());
}

void AboutWindowTest::second_readme_shows_the_same_window()
{
    AboutForm* first = open_about();
    QVERIFY(first);
    window->form().activateWindow();
    AboutForm* second = open_about();
    QCOMPARE(second, first);
    QCOMPARE(open_about_windows().size(), 1);
}

void AboutWindowTest::reopening_loads_a_fresh_window_alike()
{
    AboutForm* first = open_about();
    QVERIFY(first);
    const QStringList texts = label_texts(*first);
    const QRect geometry = first->findChild<QPushButton*>(QStringLiteral("cmdOK"))->geometry();
    QSignalSpy destroyed(first, &QObject::destroyed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_COMPARE(destroyed.count(), 1);

    AboutForm* again = open_about();
    QVERIFY(again);
    QCOMPARE(label_texts(*again), texts);
    QCOMPARE(again->findChild<QPushButton*>(QStringLiteral("cmdOK"))->geometry(), geometry);
    QTRY_COMPARE(QApplication::focusWidget(), again->findChild<QPushButton*>(QStringLiteral("cmdOK")));
    QCOMPARE(open_about_windows().size(), 1);
}

void AboutWindowTest::main_window_stays_usable_beside_it()
{
    QVERIFY(open_about());
    window->type_into(QStringLiteral("program_title_text"), QStringLiteral("Beside"));
    window->preview();
    QVERIFY(window->preview_text().contains(QLatin1String("proudly presents Beside")));
    QCOMPARE(open_about_windows().size(), 1);
}

void AboutWindowTest::program_ends_when_the_last_window_closes()
{
    // The program's own event loop, as main() runs it: it must outlive the
    // main window while the About window is open, and end with the last one.
    bool running_after_main_window_closed = false;
    QTimer::singleShot(0, [this, &running_after_main_window_closed] {
        AboutForm* about = open_about();
        if (!about)
            return QCoreApplication::exit(2);
        window->form().close();
        QTimer::singleShot(100, [about, &running_after_main_window_closed] {
            running_after_main_window_closed = about->isVisible();
            QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });  // never ended
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(running_after_main_window_closed);
    QVERIFY(open_about_windows().isEmpty());
}

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
