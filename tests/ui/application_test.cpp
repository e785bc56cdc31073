#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

#include "ui/application.h"
#include "ui/application_style.h"
#include "ui/program_options.h"
#include "ui/terminal.h"

Q_DECLARE_METATYPE(ui::Request)

namespace {

// A platform style that gives the buttons of dialogs icons.
class IconsOnDialogButtons : public QProxyStyle {
  public:
    IconsOnDialogButtons() : QProxyStyle(QStringLiteral("fusion")) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons
                   ? 1
                   : QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

class ApplicationTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ui::configure_application(*qApp); }

    // Menus and Qt's dialogs read right to left, as Qt's Arabic texts in them do.
    void reads_right_to_left_with_arabic_texts() {
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "OK") != QStringLiteral("OK"));
    }

    // In a right-to-left dialog, a button's icon pushed its words past the button's edge ("احفظ"
    // of the save dialog, "حسنًا" of a message), under a platform style that gives dialog
    // buttons icons, as X11's does: the buttons carry their words alone, drawn whole, with
    // ground on both sides of their ink.
    void dialog_buttons_show_their_whole_words() {
        QStyle* const before = QApplication::style();
        const QString before_name = before->name();
        QApplication::setStyle(ui::make_application_style(new IconsOnDialogButtons));
        QMessageBox box(QMessageBox::Warning, QStringLiteral("t"), QStringLiteral("text"),
                        QMessageBox::Save | QMessageBox::Cancel);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QList<QAbstractButton*> buttons = box.buttons();
        QCOMPARE(buttons.size(), 2);
        for (QAbstractButton* button : buttons) {
            QVERIFY2(button->icon().isNull(), qPrintable(button->text()));
            const QImage image = button->grab().toImage();
            int left = image.width();
            int right = -1;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (qGray(image.pixel(x, y)) < 80) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
                }
            }
            QVERIFY2(right >= 0, qPrintable(button->text()));
            const int margin = 4 * static_cast<int>(image.devicePixelRatio());
            QVERIFY2(left >= margin && right < image.width() - margin,
                     qPrintable(QStringLiteral("%1: ink %2..%3 of %4")
                                    .arg(button->text())
                                    .arg(left)
                                    .arg(right)
                                    .arg(image.width())));
        }
        box.close();
        QApplication::setStyle(before_name);
        ui::use_application_style();
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

    void reads_the_command_line_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<ui::Request>("request");
        QTest::addColumn<QString>("screenshot");
        // `error`: the argument the one-line error names (its words are Qt's, here in Arabic since
        // the test loaded Qt's Arabic texts; the program reads its options before that).
        QTest::addColumn<QString>("error");
        QTest::newRow("nothing") << QStringList{} << ui::Request::show_window << QString()
                                 << QString();
        QTest::newRow("version") << QStringList{"--version"} << ui::Request::version << QString()
                                 << QString();
        QTest::newRow("short version")
            << QStringList{"-v"} << ui::Request::version << QString() << QString();
        QTest::newRow("help after screenshot") << QStringList{"--screenshot", "a.png", "--help"}
                                               << ui::Request::help << "a.png" << QString();
        QTest::newRow("screenshot") << QStringList{"--screenshot", "a.png"}
                                    << ui::Request::screenshot << "a.png" << QString();
        QTest::newRow("a file named like an option")
            << QStringList{"--screenshot", "-version"} << ui::Request::screenshot << "-version"
            << QString();
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << ui::Request::usage_error << QString() << "bogus";
        QTest::newRow("screenshot without its file")
            << QStringList{"--screenshot"} << ui::Request::usage_error << QString()
            << "--screenshot";
        QTest::newRow("stray argument")
            << QStringList{"a.png"} << ui::Request::usage_error << QString() << "a.png";
        QTest::newRow("stray argument after a screenshot")
            << QStringList{"--screenshot", "a.png", "b.png"} << ui::Request::usage_error << "a.png"
            << "b.png";
        QTest::newRow("rules") << QStringList{"--rules", "2027.toml"} << ui::Request::show_window
                               << QString() << QString();
        QTest::newRow("rules without their file")
            << QStringList{"--rules"} << ui::Request::usage_error << QString() << "--rules";
        QTest::newRow("rules with an empty file name")
            << QStringList{"--rules", ""} << ui::Request::usage_error << QString() << "--rules";
        QTest::newRow("rules given twice")
            << QStringList{"--rules", "a.toml", "--rules", "b.toml"} << ui::Request::usage_error
            << QString() << "--rules is given twice";
        QTest::newRow("previous rules given twice")
            << QStringList{"--compare-rules", "a.toml", "--compare-rules", "a.toml"}
            << ui::Request::usage_error << QString() << "--compare-rules is given twice";
        QTest::newRow("previous rules with an empty file name")
            << QStringList{"--compare-rules", ""} << ui::Request::usage_error << QString()
            << "--compare-rules";
    }
    void reads_the_command_line() {
        QFETCH(QStringList, arguments);
        QFETCH(ui::Request, request);
        QFETCH(QString, screenshot);
        QFETCH(QString, error);
        ui::ProgramOptions options;
        QCOMPARE(options.parse(QStringList{"velnaro"} + arguments), request);
        QCOMPARE(options.screenshot_file().value_or(QString()), screenshot);
        QCOMPARE(options.error_text().isEmpty(), error.isEmpty());
        QVERIFY2(options.error_text().contains(error), qPrintable(options.error_text()));
        QVERIFY(!options.error_text().contains(QLatin1Char('\n')));
    }

    void reads_the_rules_files() {
        ui::ProgramOptions options;
        QCOMPARE(options.parse({"velnaro", "--compare-rules", "2010.toml", "--rules", "2027.toml",
                                "--screenshot", "a.png"}),
                 ui::Request::screenshot);
        QCOMPARE(options.rules_files().in_effect, std::optional<std::string>("2027.toml"));
        QCOMPARE(options.rules_files().previous, std::optional<std::string>("2010.toml"));
        ui::ProgramOptions none;
        QCOMPARE(none.parse({"velnaro"}), ui::Request::show_window);
        QCOMPARE(none.rules_files().in_effect, std::nullopt);
        QCOMPARE(none.rules_files().previous, std::nullopt);
    }

    void help_names_the_options() {
        ui::ProgramOptions options;
        QCOMPARE(options.parse({"velnaro", "--help"}), ui::Request::help);
        const QString help = options.help_text();
        QVERIFY2(help.contains(QStringLiteral("--screenshot <file>")), qPrintable(help));
        QVERIFY(help.contains(QStringLiteral("--rules <file>")));
        QVERIFY(help.contains(QStringLiteral("--compare-rules <file>")));
        QVERIFY(help.contains(QStringLiteral("--version")));
    }

    void without_a_display_says_so_data() {
        QTest::addColumn<bool>("platform");
        QTest::addColumn<bool>("x11");
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<bool>("screenshot");
        QTest::addColumn<QString>("names");
        // `names`: what the message must hold; empty when the window can start.
        QTest::newRow("X11") << false << true << false << false << QString();
        QTest::newRow("Wayland") << false << false << true << false << QString();
        QTest::newRow("offscreen, screenshot") << true << false << false << true << QString();
        QTest::newRow("nothing, window") << false << false << false << false << "no display";
        QTest::newRow("nothing, screenshot")
            << false << false << false << true << "QT_QPA_PLATFORM=offscreen";
    }
    void without_a_display_says_so() {
        QFETCH(bool, platform);
        QFETCH(bool, x11);
        QFETCH(bool, wayland);
        QFETCH(bool, screenshot);
        QFETCH(QString, names);
        const auto message = ui::missing_display({platform, x11, wayland}, screenshot);
        QCOMPARE(message.has_value(), !names.isEmpty());
        if (message) {
            QVERIFY2(message->contains(names), qPrintable(*message));
            QVERIFY(!message->contains(QLatin1Char('\n')));
        }
    }
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
