// Every block and box character drawn as its shape, in the sheet boxes'
// cells at scale factors 1 and 1.5, against pictures that were looked at
// cell by cell: no font is involved, so the pixels are the same anywhere.
#include "cell_art.h"

#include <QtGui>
#include <QtTest>

class CellArtTest : public QObject {
    Q_OBJECT

private slots:
    void shapes_are_the_pictures_data()
    {
        QTest::addColumn<QSize>("cell");
        QTest::newRow("8x16") << QSize(8, 16);
        QTest::newRow("12x24") << QSize(12, 24);
    }

    // Each character as 2 by 2 of its cells, so that its joins with itself
    // show, and a blank cell apart; U+2500 to U+259F, 16 to a row.
    void shapes_are_the_pictures()
    {
        QFETCH(QSize, cell);
        QImage drawn(16 * 3 * cell.width(), 10 * 3 * cell.height(), QImage::Format_RGB32);
        drawn.fill(Qt::black);
        QPainter painter(&drawn);
        for (int index = 0; index < 160; ++index)
            for (int n = 0; n < 4; ++n) {
                const QPoint at(index % 16 * 3 + n % 2, index / 16 * 3 + n / 2);
                relwiz::draw_cell_art(painter, char16_t(0x2500 + index),
                                      QRect(QPoint(at.x() * cell.width(), at.y() * cell.height()), cell), Qt::green,
                                      Qt::black);
            }
        painter.end();
        const QString name = QStringLiteral("cell_art_%1x%2.png").arg(cell.width()).arg(cell.height());
        if (drawn != QImage(QStringLiteral(RELWIZ_TEST_DATA "/") + name).convertToFormat(QImage::Format_RGB32)) {
            drawn.save(name);  // to look at beside the expected one
            QFAIL(qPrintable(name + " differs; the drawing is in " + QDir::current().absoluteFilePath(name)));
        }
    }
};

QTEST_MAIN(CellArtTest)
#include "cell_art_test.moc"
