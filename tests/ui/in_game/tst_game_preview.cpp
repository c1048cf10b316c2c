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
        QTest::addColumn<QString>("footer");
        QTest::newRow("fits one line") << 5 << false << QString();
        QTest::newRow("wraps") << 30 << false << QString();
        QTest::newRow("wraps and scrolls") << 300 << true << QString();
        // The footer a preview without the game's charset shows, a long path in it.
        QTest::newRow("footer") << 5 << true
                                << "No charset of the game found in "
                                   "/usr/lib/openarena/baseoa/pak0.pk3 or "
                                   "/home/somebody/.openarena/baseoa. Game folder... in the "
                                   "Game menu shows Chromlet where the game is.";
    }
    void wrapsAndScrollsInsteadOfClipping() {
        QFETCH(int, characters);
        QFETCH(bool, scrolls);
        QFETCH(QString, footer);
        GamePreview preview;
        preview.resize(200, 60);
        preview.SetRows({{QString(), MemoryStyledText(std::string(characters, 'W'))}});
        preview.SetFooter(footer);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        const QRect bounds = preview.ContentBounds();
        QVERIFY(bounds.right() < preview.viewport()->width());
        if (footer.isEmpty()) {
            QCOMPARE(bounds.height() > QFontMetrics(preview.font()).height() * 2, characters > 5);
        }
        QCOMPARE(preview.verticalScrollBar()->isVisible(), scrolls);
        if (scrolls) {
            QVERIFY(preview.verticalScrollBar()->maximum() >=
                    bounds.bottom() - preview.viewport()->height());
        }
    }

    // Whatever the height, the bar shows exactly when there is more to see, and nothing runs
    // behind it.
    void showsTheScrollBarExactlyWhenItScrolls() {
        GamePreview preview;
        preview.SetRows({{QString(), MemoryStyledText(std::string(40, 'W'))},
                         {QStringLiteral("In the game's server browser (cut to 20 characters):"),
                          MemoryStyledText("A SERVER NAME T")}});
        preview.SetFooter(QStringLiteral("No charset of the game found in /usr/lib/ioquake3/baseq3, "
                                         "/usr/share/games/quake3/baseq3, /root/.q3a/baseq3: point "
                                         "Chromlet at the game with Game > Game folder..."));
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        for (int width : {160, 228, 300}) {
            for (int height = 30; height < 400; height += 7) {
                preview.resize(width, height);
                QCoreApplication::processEvents();
                const bool more = preview.verticalScrollBar()->maximum() > 0;
                QVERIFY2(preview.verticalScrollBar()->isVisible() == more,
                         qPrintable(QStringLiteral("%1 x %2").arg(width).arg(height)));
                QVERIFY(preview.ContentBounds().right() < preview.viewport()->width());
            }
        }
    }
};

QTEST_MAIN(TestGamePreview)
#include "tst_game_preview.moc"
