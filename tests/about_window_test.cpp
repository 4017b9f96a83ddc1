// Readme! and the About window beside the main window, and the program's end.
#include "about_form.h"
#include "window_driver.h"

#include <QLabel>
#include <QPushButton>
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

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { window.emplace(); }
    void cleanup() { window.reset(); }

    void readme_opens_one_designed_window_beside_the_main_one();
    void closes_and_unloads_on_ok_enter_esc_and_close_box_data();
    void closes_and_unloads_on_ok_enter_esc_and_close_box();
    void program_ends_when_the_last_window_closes();

private:
    AboutForm* open_about()
    {
        window->act("Command4");
        AboutForm* about = window->form().about_window().form();
        return about && QTest::qWaitForWindowExposed(about) ? about : nullptr;
    }

    std::optional<WindowDriver> window;
};

void AboutWindowTest::readme_opens_one_designed_window_beside_the_main_one()
{
    AboutForm* about = open_about();
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("About Relwiz"));
    QCOMPARE(about->size(), QSize(382, 237));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QVERIFY(!(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!about->isModal() && !about->parentWidget());
    auto* ok = about->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QCOMPARE(ok->geometry(), QRect(283, 175, 84, 23));
    QVERIFY(ok->isDefault());
    QTRY_COMPARE(QApplication::focusWidget(), ok);
    auto* picture = about->findChild<QLabel*>(QStringLiteral("picIcon"));
    QCOMPARE(picture->geometry(), QRect(16, 16, 36, 36));
    QVERIFY(picture->pixmap().toImage() != window->form().windowIcon().pixmap(32, 32).toImage());
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Relwiz 2000 by Tobi"));
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 1.0"));
    for (QLabel* label : about->findChildren<QLabel*>())
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->objectName()));

    window->form().activateWindow();
    QCOMPARE(open_about(), about);  // a second Readme! raises the same window
    window->act({"program_title_text=Beside", "Command1"});
    QVERIFY(window->preview_text().contains(QLatin1String("proudly presents Beside")));
    QCOMPARE(open_about_windows(), QList<AboutForm*>{about});
}

void AboutWindowTest::closes_and_unloads_on_ok_enter_esc_and_close_box_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("ok_clicked") << 0;
    QTest::newRow("enter") << 1;
    QTest::newRow("esc") << 2;
    QTest::newRow("close_box") << 3;
}

void AboutWindowTest::closes_and_unloads_on_ok_enter_esc_and_close_box()
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
    QTRY_COMPARE(destroyed.count(), 1);
    QVERIFY(open_about_windows().isEmpty());
    AboutForm* again = open_about();  // loaded afresh from its design
    QVERIFY(again);
    QTRY_COMPARE(QApplication::focusWidget(), again->findChild<QPushButton*>(QStringLiteral("cmdOK")));
    QCOMPARE(open_about_windows().size(), 1);
}

void AboutWindowTest::program_ends_when_the_last_window_closes()
{
    // The program's own event loop, as main() runs it: it outlives the main
    // window while the About window is open, and ends with the last one.
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
