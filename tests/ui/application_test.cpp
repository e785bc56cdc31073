#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QtTest>

#include "ui/application.h"
#include "ui/program_options.h"

class ApplicationTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ui::configure_application(*qApp); }

    void stays_left_to_right_with_arabic_texts() {
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    }

    void names_itself_by_its_desktop_id() {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.velnaro.velnaro"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Velnaro"));
    }

    void windows_carry_the_application_icon() {
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(!icon.isNull());
        const QImage image = icon.pixmap(48, 48).toImage();
        QCOMPARE(image.size(), QSize(48, 48));
        // The icon's blue ground at its left edge, the peach slip at its middle.
        QCOMPARE(image.pixelColor(4, 24), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(24, 8), QColor(255, 224, 192));
    }

    void text_only_options_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("text_only");
        QTest::newRow("nothing") << QStringList{} << false;
        QTest::newRow("version") << QStringList{"--version"} << true;
        QTest::newRow("short version") << QStringList{"-v"} << true;
        QTest::newRow("help after screenshot")
            << QStringList{"--screenshot", "a.png", "--help"} << true;
        QTest::newRow("screenshot") << QStringList{"--screenshot", "a.png"} << false;
        QTest::newRow("a file named like an option")
            << QStringList{"--screenshot", "-version"} << false;
    }

    void text_only_options() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, text_only);
        std::vector<QByteArray> storage{"velnaro"};
        for (const QString& argument : arguments) {
            storage.push_back(argument.toUtf8());
        }
        std::vector<const char*> argv;
        for (const QByteArray& argument : storage) {
            argv.push_back(argument.constData());
        }
        QCOMPARE(ui::ProgramOptions::asks_for_text_only(static_cast<int>(argv.size()), argv.data()),
                 text_only);
    }
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
