// The window in each language: every text it shows or tells a screen reader in that language
// (in Arabic, no Latin word but the program's and the foundation's names), the French and English
// windows the mirror of the Arabic one with every caption whole, and typed text read as the list
// items it matches.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "gui_test_support.h"
#include "language/catalogue.h"
#include "pay/pay_session.h"
#include "print/slip_page.h"
#include "ui/application.h"
#include "ui/form_language.h"
#include "ui/pictures/picture_description.h"
#include "ui/pictures/pictures.h"
#include "ui/window_layout.h"

using gui_test::ShownWindow;
using language::Catalogue;
using language::Language;

namespace {

// Each text with where it was found, for the failure message.
using Texts = std::vector<std::pair<QString, QString>>;

void add_action_texts(const QList<QAction*>& actions, const QString& where, Texts& texts) {
    for (const QAction* action : actions) {
        // Each language is named in itself in the language menu.
        if (action->objectName().startsWith(QLatin1String("language_"))) {
            continue;
        }
        texts.emplace_back(action->text(), where + QStringLiteral(" menu"));
        if (action->menu() != nullptr) {
            add_action_texts(action->menu()->actions(), where, texts);
        }
    }
}

// Everything the window shows or tells a screen reader at its start.
Texts window_texts(QWidget& window) {
    Texts texts;
    add_action_texts(window.actions(), QStringLiteral("window"), texts);
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        texts.emplace_back(widget->accessibleName(), name + QStringLiteral(" name"));
        texts.emplace_back(widget->accessibleDescription(), name + QStringLiteral(" description"));
        texts.emplace_back(widget->toolTip(), name + QStringLiteral(" tooltip"));
        add_action_texts(widget->actions(), name, texts);
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            texts.emplace_back(label->text(), name);
        } else if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            texts.emplace_back(button->text(), name);
        } else if (const auto* list = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < list->count(); ++i) {
                texts.emplace_back(list->itemText(i), name + QStringLiteral(" item"));
            }
        }
    }
    return texts;
}

bool has_arabic_letter(const QString& text) {
    static const QRegularExpression arabic(QStringLiteral("[\\x{0600}-\\x{06FF}]"));
    return text.contains(arabic);
}

// The Latin words of an Arabic text that are neither the program's name, the foundation's, nor
// a formula's min and max.
QStringList stray_latin_words(const QString& text) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
    static const QStringList allowed{QStringLiteral("Velnaro"), QStringLiteral("Orsanne"),
                                     QStringLiteral("min"), QStringLiteral("max")};
    QStringList stray;
    for (auto match = word.globalMatch(text); match.hasNext();) {
        const QString found = match.next().captured();
        if (!allowed.contains(found)) {
            stray << found;
        }
    }
    return stray;
}

}  // namespace

class WindowLanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The language chosen in the window is kept in the user's settings: here, a folder of
        // the test's own.
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    }

    // The submenu names each language in itself, checks the window's own, and keeps a choice
    // for the next start; the command line comes first. The open window keeps its language.
    void the_language_menu_keeps_the_choice_for_the_next_start() {
        ShownWindow shown;
        const auto* menu = shown.window().findChild<QMenu*>(QStringLiteral("language_menu"));
        QVERIFY(menu != nullptr);
        QVERIFY(shown.window().actions().contains(menu->menuAction()));
        const QList<QAction*> choices = menu->actions();
        QCOMPARE(choices.size(), 3);
        QCOMPARE(choices[0]->text(), QStringLiteral("العربية"));
        QCOMPARE(choices[1]->text(), QStringLiteral("Français"));
        QCOMPARE(choices[2]->text(), QStringLiteral("English"));
        QVERIFY(choices[0]->isChecked());
        QCOMPARE(ui::window_language(std::nullopt), Language::ar);

        choices[1]->trigger();
        QCOMPARE(ui::window_language(std::nullopt), Language::fr);
        QCOMPARE(ui::window_language(Language::en), Language::en);
        QCOMPARE(shown.messages.size(), std::size_t{1});
        QCOMPARE(shown.list("Combo4").itemText(0), QStringLiteral("نعم"));
        choices[0]->trigger();
        QCOMPARE(ui::window_language(std::nullopt), Language::ar);
    }

    void the_arabic_window_holds_no_english_word() {
        ShownWindow shown;
        for (const auto& [text, where] : window_texts(shown.window())) {
            QVERIFY2(stray_latin_words(text).isEmpty(),
                     qPrintable(where + QStringLiteral(": ") + text));
        }
        // The message of a missing choice.
        shown.press_ok();
        QCOMPARE(shown.messages.size(), std::size_t{1});
        QVERIFY(stray_latin_words(shown.messages.front().text).isEmpty());
    }

    void the_arabic_slip_and_about_picture_hold_no_english_word() {
        // Under rules of another name, whose title is the file's own text, isolated.
        const pay::PayRules rules = gui_test::raised_point_value_rules();
        pay::PaySession session(".", rules);
        QVERIFY(!session.press_ok(gui_test::worked_slip_inputs()));
        const print::SlipContent content = print::slip_content(
            session, gui_test::worked_slip_inputs(), QStringLiteral("."), ShownWindow::now);
        for (const print::PageText& text : print::lay_out_slip_page(content).texts) {
            if (text.text == content.rule_set || text.text.startsWith(QChar(0x2068))) {
                continue;
            }
            QVERIFY2(stray_latin_words(text.text).isEmpty(), qPrintable(text.text));
        }
        QString copied = print::slip_as_text(content);
        copied.remove(content.rule_set);
        QVERIFY2(stray_latin_words(copied).isEmpty(), qPrintable(copied));
        const QString title = QString::fromStdString(pay::rule_set_title(rules));
        for (QString text :
             ui::pictures::texts_of(ui::pictures::describe(ui::pictures::Picture::about, rules))) {
            text.remove(title);
            QVERIFY2(stray_latin_words(text).isEmpty(), qPrintable(text));
        }
    }

    void every_text_is_in_the_window_language_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("fr") << Language::fr;
        QTest::newRow("en") << Language::en;
    }
    void every_text_is_in_the_window_language() {
        QFETCH(Language, language);
        ShownWindow shown(QStringLiteral("."), pay::built_in_rules(), nullptr, {}, 0,
                          Catalogue::of(language));
        QStringList arabic;
        for (const auto& [text, where] : window_texts(shown.window())) {
            if (has_arabic_letter(text)) {
                arabic << where + QStringLiteral(": ") + text;
            }
        }
        // The refusal of a missing choice.
        shown.press_ok();
        for (const ui::Message& message : shown.messages) {
            if (has_arabic_letter(message.text)) {
                arabic << QStringLiteral("message: ") + message.text;
            }
        }
        arabic.removeDuplicates();
        QVERIFY2(arabic.isEmpty(), qPrintable(arabic.join(QLatin1Char('\n'))));
    }

    void the_window_is_the_mirror_of_the_arabic_one_data() {
        every_text_is_in_the_window_language_data();
    }
    void the_window_is_the_mirror_of_the_arabic_one() {
        QFETCH(Language, language);
        ShownWindow arabic;
        ShownWindow other(QStringLiteral("."), pay::built_in_rules(), nullptr, {}, 0,
                          Catalogue::of(language));
        const int width = ui::client_size.width();
        // The form's controls, by their names: the window adds helpers of its own (a focus frame,
        // an announcement) that take their places from what they follow.
        static const QRegularExpression control(
            QStringLiteral("^(Label|Text|Combo|Command|Line)\\d+$"));
        for (QWidget* child : arabic.window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!control.match(child->objectName()).hasMatch()) {
                continue;
            }
            auto* mirror =
                other.window().findChild<QWidget*>(child->objectName(), Qt::FindDirectChildrenOnly);
            QVERIFY2(mirror != nullptr, qPrintable(child->objectName()));
            const QRect place = child->geometry();
            QCOMPARE(mirror->geometry(), QRect(width - place.x() - place.width(), place.y(),
                                               place.width(), place.height()));
            // Every caption whole in its place.
            if (const auto* label = qobject_cast<QLabel*>(mirror);
                label && !label->text().isEmpty()) {
                QVERIFY2(QFontMetricsF(label->font()).horizontalAdvance(label->text()) <=
                             ui::caption_room(*label),
                         qPrintable(label->text()));
            }
        }
    }

    // A typed French word is read as the item it matches, as a typed Arabic one is.
    void typed_text_is_read_as_the_item_it_matches() {
        ShownWindow arabic;
        arabic.pick_worked_slip();
        arabic.press_ok();
        ShownWindow french(QStringLiteral("."), pay::built_in_rules(), nullptr, {}, 0,
                           Catalogue::of(Language::fr));
        french.pick_worked_slip();
        gui_test::retype(french.list("Combo7"), QStringLiteral("Oui"));
        gui_test::retype(french.list("Combo3"), QStringLiteral("C"));
        french.press_ok();
        QVERIFY(french.messages.empty());
        QCOMPARE(french.result_texts(), arabic.result_texts());
        // A word of another language is no item: it is read as typed, and the rule it decides is
        // left unwritten, as for any text that is no item.
        gui_test::retype(french.list("Combo7"), QStringLiteral("Yes"));
        french.press_ok();
        QVERIFY(french.result_texts() != arabic.result_texts());
    }

  private:
    QTemporaryDir config_;
};

VELNARO_GUI_TEST_MAIN(WindowLanguageTest)
#include "window_language_test.moc"
