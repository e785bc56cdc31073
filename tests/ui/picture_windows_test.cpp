// The five picture windows: which window each value opens, its frame, band and picture box, and
// that opening and closing one leaves its parent as it was.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtMath>

#include <functional>

#include "pay/rules.h"
#include "print/fonts.h"
#include "ui/pictures/picture_windows.h"
#include "ui/pictures/pictures.h"
#include "velnaro/project.h"

using ui::PictureWindow;

Q_DECLARE_METATYPE(PictureWindow)

namespace {

/// Opens `which` over `parent`, runs `inspect` on it once it is the active modal window, then
/// closes it. Returns whether a modal window showed. Fails instead of hanging: a window that
/// blocks without being modal is closed after about two seconds.
// The _NET_WM_NAME property of an X11 window, read by xprop as a window manager reads it.
QString x11_title(WId window) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(window), QStringLiteral("-notype"),
                 QStringLiteral("_NET_WM_NAME")});
    if (!xprop.waitForFinished(5000) || xprop.exitCode() != 0) {
        return QStringLiteral("(xprop failed)");
    }
    // _NET_WM_NAME = "Velnaro"
    const QString answer = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype quote = answer.indexOf(QLatin1Char('"'));
    return quote < 0 ? answer : answer.mid(quote + 1).chopped(1);
}

bool inspect_window(PictureWindow which, QWidget* parent,
                    const std::function<void(QWidget&)>& inspect) {
    bool seen = false;
    int polls = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr) {
            if (++polls > 200) {
                poll.stop();
                for (QWidget* top_level : QApplication::topLevelWidgets()) {
                    if (top_level != parent && top_level->isVisible()) {
                        top_level->close();
                    }
                }
            }
            return;
        }
        poll.stop();
        seen = true;
        inspect(*window);
        window->close();
        if (window->isVisible()) {
            window->hide();
        }
    });
    poll.start();
    ui::open_picture_window(which, pay::built_in_rules(), parent);
    poll.stop();
    return seen;
}

// The picture windows that still exist anywhere.
QStringList live_picture_windows() {
    QStringList names;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName().startsWith(QStringLiteral("Form"))) {
            names.append(window->objectName());
        }
    }
    return names;
}

}  // namespace

class PictureWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { print::register_font_substitutions(); }

    void window_has_its_frame_band_and_picture_data() {
        QTest::addColumn<PictureWindow>("which");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("band_text");
        QTest::addColumn<QRect>("band");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QSize>("picture");
        // Twips / 15 = pixels; a picture box keeps to its client area.
        QTest::newRow("Command4: residence allowance")
            << PictureWindow::residence_allowance << "Form2" << QString() << QSize(659, 512)
            << QStringLiteral("التعويض عن الإقــامــة") << QRect(0, 0, 665, 41)
            << QRect(0, 40, 659, 471) << QSize(659, 471);
        QTest::newRow("Command5: saharan provinces")
            << PictureWindow::saharan_provinces << "Form4" << QString() << QSize(606, 328)
            << QStringLiteral("التعويض عن العمل في الأقاليم الصحراوية المسترجعة")
            << QRect(0, 0, 609, 41) << QRect(0, 40, 606, 287) << QSize(606, 287);
        QTest::newRow("Command6: family allowances")
            << PictureWindow::family_allowances << "Form3" << QString() << QSize(641, 282)
            << QStringLiteral("التعويضات العائليــة") << QRect(0, 0, 649, 41)
            << QRect(0, 40, 641, 242) << QSize(630, 240);
        QTest::newRow("Command7: tax exemption")
            << PictureWindow::tax_exemption << "Form5" << QString() << QSize(640, 181)
            << QStringLiteral("خصم الإعفاءات الضريبية عن الأطفال والزوجة") << QRect(0, 0, 641, 41)
            << QRect(0, 40, 640, 141) << QSize(635, 139);
        QTest::newRow("Command2: about")
            << PictureWindow::about << "Form6" << QStringLiteral("حول البرنامج") << QSize(393, 317)
            << QString() << QRect() << QRect(0, 0, 393, 317) << QSize(393, 317);
    }
    void window_has_its_frame_band_and_picture() {
        QFETCH(PictureWindow, which);
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QString, band_text);
        QFETCH(QRect, band);
        QFETCH(QRect, box);
        QFETCH(QSize, picture);

        QWidget parent;
        parent.show();
        const bool seen = inspect_window(which, &parent, [&](QWidget& window) {
            QCOMPARE(window.objectName(), form);
            QCOMPARE(window.windowTitle(), caption);
            QCOMPARE(window.windowModality(), Qt::ApplicationModal);
            QCOMPARE(window.size(), client);
            QCOMPARE(window.minimumSize(), client);
            QCOMPARE(window.maximumSize(), client);
            const Qt::WindowFlags flags = window.windowFlags();
            QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
            const QRect screen = window.screen()->availableGeometry();
            QVERIFY((window.geometry().center() - screen.center()).manhattanLength() <= 2);

            const auto* band_label = window.findChild<QLabel*>(QStringLiteral("Label29"));
            if (band_text.isEmpty()) {
                QVERIFY(band_label == nullptr);
            } else {
                QVERIFY(band_label != nullptr);
                QCOMPARE(band_label->text(), band_text);
                QCOMPARE(band_label->geometry(), band);
                QVERIFY(band_label->autoFillBackground());
                QCOMPARE(band_label->palette().color(QPalette::Window), QColor(0, 192, 0));
                QCOMPARE(band_label->palette().color(QPalette::WindowText), QColor(Qt::black));
                QCOMPARE(band_label->alignment(), Qt::AlignCenter);
                QVERIFY(band_label->font().bold());
                QCOMPARE(band_label->font().pointSizeF(), 21.75);
                QCOMPARE(band_label->font().family(), QString::fromLatin1(print::window_family));
            }

            const auto* box_label = window.findChild<QLabel*>(QStringLiteral("Picture2"));
            QVERIFY(box_label != nullptr);
            QCOMPARE(box_label->geometry(), box);
            QVERIFY(box_label->alignment().testFlag(Qt::AlignTop));
            QVERIFY(box_label->alignment().testFlag(Qt::AlignLeft));
            const QPixmap shown = box_label->pixmap();
            QCOMPARE(shown.size(), picture);
            QVERIFY(!shown.hasAlphaChannel());
        });
        QVERIFY(seen);
    }

    // The whole picture shows, its edges and the focus frame inside the box's edge with it, at
    // any scale.
    void every_picture_fits_its_window_data() {
        QTest::addColumn<PictureWindow>("which");
        QTest::newRow("Form2") << PictureWindow::residence_allowance;
        QTest::newRow("Form4") << PictureWindow::saharan_provinces;
        QTest::newRow("Form3") << PictureWindow::family_allowances;
        QTest::newRow("Form5") << PictureWindow::tax_exemption;
        QTest::newRow("Form6") << PictureWindow::about;
    }
    void every_picture_fits_its_window() {
        QFETCH(PictureWindow, which);
        QWidget parent;
        parent.show();
        QVERIFY(inspect_window(which, &parent, [&](QWidget& window) {
            const auto* box = window.findChild<QLabel*>(QStringLiteral("Picture2"));
            QVERIFY(box != nullptr);
            const QSizeF picture = box->pixmap().deviceIndependentSize();
            const QRectF drawn(box->geometry().topLeft(), picture);
            QVERIFY2(
                QRectF(window.rect()).contains(drawn) && QRectF(box->geometry()).contains(drawn),
                qPrintable(QStringLiteral("%1x%2 at %3,%4 in a %5x%6 box, a %7x%8 window")
                               .arg(picture.width())
                               .arg(picture.height())
                               .arg(drawn.x())
                               .arg(drawn.y())
                               .arg(box->width())
                               .arg(box->height())
                               .arg(window.width())
                               .arg(window.height())));
            QVERIFY(window.rect().contains(box->geometry()));
            // What the window draws ends with the picture's own last column and row.
            const QImage shown = window.grab().toImage();
            const QImage painted =
                ui::pictures::picture_image(ui::picture_of(which), pay::built_in_rules());
            const qreal scale = shown.devicePixelRatio();
            const QPoint corner =
                box->geometry().topLeft() + QPoint(painted.width() - 1, painted.height() - 1);
            const QPoint device(qFloor((corner.x() + 0.5) * scale),
                                qFloor((corner.y() + 0.5) * scale));
            QVERIFY(shown.rect().contains(device));
            const QColor expected = painted.pixelColor(painted.width() - 1, painted.height() - 1);
            const QColor seen = shown.pixelColor(device);
            QVERIFY2(std::abs(seen.red() - expected.red()) +
                             std::abs(seen.green() - expected.green()) +
                             std::abs(seen.blue() - expected.blue()) <=
                         24,
                     qPrintable(seen.name() + QLatin1Char(' ') + expected.name()));
        }));
    }

    void window_is_named_and_reads_its_picture_aloud_data() {
        QTest::addColumn<PictureWindow>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("words");
        // The topic without tatweel; what the picture shows, each table row as one sentence.
        QTest::newRow("Form2") << PictureWindow::residence_allowance
                               << QStringLiteral("التعويض عن الإقامة")
                               << QStringList{
                                      QStringLiteral("المنطقة: أ، النسبة من الراتب الأساسي: 25%، "),
                                      QStringLiteral("المنطقة: ب، النسبة من الراتب الأساسي: 15%، "),
                                      QStringLiteral("المنطقة: ج، النسبة من الراتب الأساسي: 10%، "),
                                      QStringLiteral("يُصرف شهريًا")};
        QTest::newRow("Form4") << PictureWindow::saharan_provinces
                               << QStringLiteral("التعويض عن العمل في الأقاليم الصحراوية المسترجعة")
                               << QStringList{QStringLiteral("يساوي 85% من الراتب الأساسي")};
        // 2400 / 12 and 432 / 12.
        QTest::newRow("Form3")
            << PictureWindow::family_allowances << QStringLiteral("التعويضات العائلية")
            << QStringList{QStringLiteral("ترتيب الطفل: من الطفل الأول إلى الطفل الثالث، "
                                          "المبلغ الشهري: 200، المبلغ السنوي: 2400."),
                           QStringLiteral("ترتيب الطفل: من الطفل الرابع إلى الطفل السادس، "
                                          "المبلغ الشهري: 36، المبلغ السنوي: 432.")};
        // 360 a person, at most 6 x 360.
        QTest::newRow("Form5") << PictureWindow::tax_exemption
                               << QStringLiteral("خصم الإعفاءات الضريبية عن الأطفال والزوجة")
                               << QStringList{QStringLiteral("360"), QStringLiteral("2160")};
        QTest::newRow("Form6") << PictureWindow::about << QStringLiteral("حول البرنامج")
                               << QStringList{QStringLiteral("Velnaro"),
                                              QString::fromLatin1(velnaro::version)};
    }
    void window_is_named_and_reads_its_picture_aloud() {
        QFETCH(PictureWindow, which);
        QFETCH(QString, name);
        QFETCH(QStringList, words);
        QWidget parent;
        parent.show();
        QVERIFY(inspect_window(which, &parent, [&](QWidget& window) {
            QCOMPARE(QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name), name);
            // The picture has the window's focus, so a screen reader reads it on opening.
            QWidget* focused = window.focusWidget();
            QVERIFY(focused != nullptr);
            QCOMPARE(focused->objectName(), QStringLiteral("Picture2"));
            QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(focused);
            QCOMPARE(picture->role(), QAccessible::Graphic);
            QCOMPARE(picture->text(QAccessible::Name), name);
            // The title band, when the window has one, reads as its words too.
            if (auto* band = window.findChild<QWidget*>(QStringLiteral("Label29"))) {
                QCOMPARE(QAccessible::queryAccessibleInterface(band)->text(QAccessible::Name),
                         name);
            }
            const QString description = picture->text(QAccessible::Description);
            for (const QString& each : words) {
                QVERIFY2(description.contains(each), qPrintable(description));
            }
        }));
    }

    void explanation_windows_show_an_empty_caption_data() {
        QTest::addColumn<PictureWindow>("which");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Form2") << PictureWindow::residence_allowance << QString();
        QTest::newRow("Form4") << PictureWindow::saharan_provinces << QString();
        QTest::newRow("Form3") << PictureWindow::family_allowances << QString();
        QTest::newRow("Form5") << PictureWindow::tax_exemption << QString();
        QTest::newRow("Form6") << PictureWindow::about << QStringLiteral("حول البرنامج");
    }
    void explanation_windows_show_an_empty_caption() {
        QFETCH(PictureWindow, which);
        QFETCH(QString, caption);
        QWidget parent;
        parent.show();
        QVERIFY(inspect_window(which, &parent, [&](QWidget& window) {
            QCOMPARE(window.windowTitle(), caption);
            // What the platform's title bar gets: an empty title would become the application's
            // name there, so an empty caption reaches it as blank, not as nothing.
            const QWindow* platform_window = window.windowHandle();
            QVERIFY(platform_window != nullptr);
            if (caption.isEmpty()) {
                QVERIFY(!platform_window->title().isEmpty());
                QCOMPARE(platform_window->title().trimmed(), QString());
            } else {
                QCOMPARE(platform_window->title(), caption);
            }
            // On X11, the title the window manager draws, as another program reads it.
            if (QGuiApplication::platformName() == QStringLiteral("xcb")) {
                QVERIFY(QTest::qWaitForWindowExposed(&window));
                QCOMPARE(x11_title(window.winId()).trimmed(), caption);
            }
        }));
    }

    void window_is_built_anew_and_dropped_on_closing() {
        QWidget parent;
        parent.show();
        QPointer<QWidget> first;
        QRect first_geometry;
        QVERIFY(inspect_window(PictureWindow::family_allowances, &parent, [&](QWidget& window) {
            first = &window;
            first_geometry = window.geometry();
        }));
        QVERIFY(first.isNull());
        QVERIFY(inspect_window(PictureWindow::family_allowances, &parent, [&](QWidget& window) {
            QCOMPARE(window.geometry(), first_geometry);
        }));
        QVERIFY(live_picture_windows().isEmpty());
    }

    void escape_leaves_the_window_open() {
        QWidget parent;
        parent.show();
        QVERIFY(inspect_window(PictureWindow::tax_exemption, &parent, [](QWidget& window) {
            QTest::keyClick(&window, Qt::Key_Escape);
            QVERIFY(window.isVisible());
        }));
    }

    void opening_and_closing_leaves_the_parent_as_it_was_data() {
        QTest::addColumn<PictureWindow>("which");
        QTest::newRow("Form2") << PictureWindow::residence_allowance;
        QTest::newRow("Form4") << PictureWindow::saharan_provinces;
        QTest::newRow("Form3") << PictureWindow::family_allowances;
        QTest::newRow("Form5") << PictureWindow::tax_exemption;
        QTest::newRow("Form6") << PictureWindow::about;
    }
    void opening_and_closing_leaves_the_parent_as_it_was() {
        QFETCH(PictureWindow, which);
        QWidget parent;
        parent.resize(400, 200);
        auto* field = new QLineEdit(QStringLiteral("2400.00"), &parent);
        auto* list = new QComboBox(&parent);
        list->setEditable(true);
        list->addItems({QStringLiteral("أ"), QStringLiteral("ب"), QStringLiteral("ج")});
        list->setCurrentIndex(1);
        auto* hidden_list = new QComboBox(&parent);
        hidden_list->setEditable(true);
        hidden_list->setEditText(QStringLiteral("5"));
        hidden_list->setGeometry(0, 60, 100, 30);
        list->setGeometry(0, 30, 100, 30);
        parent.show();
        hidden_list->hide();
        QApplication::setActiveWindow(&parent);
        list->setFocus();

        QVERIFY(inspect_window(which, &parent, [](QWidget&) {}));

        QCOMPARE(field->text(), QStringLiteral("2400.00"));
        QCOMPARE(list->currentIndex(), 1);
        QCOMPARE(list->currentText(), QStringLiteral("ب"));
        QCOMPARE(list->geometry(), QRect(0, 30, 100, 30));
        QCOMPARE(hidden_list->currentText(), QStringLiteral("5"));
        QVERIFY(hidden_list->isHidden());
        QVERIFY(list->isVisible());
        QCOMPARE(parent.size(), QSize(400, 200));
        QCOMPARE(parent.focusWidget(), list);
        QVERIFY(live_picture_windows().isEmpty());
    }
};

QTEST_MAIN(PictureWindowsTest)
#include "picture_windows_test.moc"
