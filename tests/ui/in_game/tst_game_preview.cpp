// What the preview draws, read back from its pixels.
#include <QScrollBar>
#include <QtTest>

#include "ui/in_game/game_preview.h"

using namespace chromlet;
using namespace chromlet::ui;

namespace {

constexpr PackedColor Red = 0x0000FF;
constexpr PackedColor White = 0xFFFFFF;

bool IsRed(QRgb p) {
    return qRed(p) > 180 && qGreen(p) < 70 && qBlue(p) < 70;
}
bool IsShadow(QRgb p) {
    return qRed(p) < 8 && qGreen(p) < 8 && qBlue(p) < 8;  // the background is (20, 20, 26)
}

// The bounding box of the pixels that pass `test`.
QRect BoxOf(const QImage& image, bool (*test)(QRgb)) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

QImage Render(const std::vector<PreviewRow>& rows, QSize size = QSize(200, 60)) {
    GamePreview preview;
    preview.resize(size);
    preview.SetRows(rows);
    return preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TestGamePreview : public QObject {
    Q_OBJECT

  private slots:
    void drawsColourAndTheShadowBelowRight() {
        const QImage image = Render({{QString(), MemoryStyledText("HH", CharStyle{Red, true})}});
        const QRect red = BoxOf(image, IsRed);
        const QRect shadow = BoxOf(image, IsShadow);
        QVERIFY(red.width() > 4 && red.height() > 4);
        QVERIFY(!shadow.isNull());
        QCOMPARE(shadow.bottom(), red.bottom() + 1);
        QCOMPARE(shadow.right(), red.right() + 1);
        QVERIFY(shadow.top() >= red.top());
    }

    void drawsTheAlternativeFontDifferently() {
        const auto render = [](bool q3Font) {
            return Render({{QString(), MemoryStyledText("M", CharStyle{White, q3Font})}});
        };
        QVERIFY(render(true) != render(false));
        QCOMPARE(render(true), render(true));  // the difference is the font, nothing random
    }

    void wrapsAndScrollsInsteadOfClipping_data() {
        QTest::addColumn<int>("characters");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("fits one line") << 5 << false;
        QTest::newRow("wraps") << 30 << false;
        QTest::newRow("wraps and scrolls") << 300 << true;
    }
    void wrapsAndScrollsInsteadOfClipping() {
        QFETCH(int, characters);
        QFETCH(bool, scrolls);
        GamePreview preview;
        preview.resize(200, 60);
        preview.SetRows({{QString(), MemoryStyledText(std::string(characters, 'W'))}});
        preview.show();
        const QRect bounds = preview.ContentBounds();
        QVERIFY(bounds.right() < preview.viewport()->width());
        QCOMPARE(bounds.height() > QFontMetrics(preview.font()).height() * 2, characters > 5);
        QCOMPARE(preview.verticalScrollBar()->isVisible(), scrolls);
        if (scrolls) {
            QVERIFY(preview.verticalScrollBar()->maximum() >=
                    bounds.bottom() - preview.viewport()->height());
        }
    }
};

QTEST_MAIN(TestGamePreview)
#include "tst_game_preview.moc"
