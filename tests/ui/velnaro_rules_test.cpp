// velnaro run as a process with rules files: rules that cannot be used stop it before any window,
// with one line naming the file, the line and the column, and status 2, display or not; usable
// ones start it.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "pay/rules.h"
#include "pay/rules_file.h"
#include "pay/rules_writer.h"
#include "test_files.h"

namespace {

const QString program = QStringLiteral(VELNARO);

struct Run {
    int status = -1;
    QString err;
};

Run run(const QStringList& arguments, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

// No display of any kind: the program must answer without one.
QProcessEnvironment without_display(const QString& runtime) {
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        bare.remove(QString::fromLatin1(name));
    }
    bare.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    return bare;
}

QProcessEnvironment offscreen(const QString& runtime) {
    QProcessEnvironment environment = without_display(runtime);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

}  // namespace

class VelnaroRulesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(runtime_.isValid());
        good_ = write(QStringLiteral("good.toml"),
                      QByteArray::fromStdString(pay::write_rules(pay::built_in_rules())));
    }

    void refuses_rules_that_cannot_be_used_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("places_the_fault");
        const std::string good = pay::write_rules(pay::built_in_rules());
        const std::string months =
            "months_per_year = " + pay::rule_number_text(pay::built_in_rules().months_per_year);
        const auto with_months = [&](const std::string& replacement) {
            std::string text = good;
            const std::size_t at = text.find(months);
            if (at == std::string::npos) {
                qFatal("the rules file has no months_per_year line");
            }
            return QByteArray::fromStdString(text.replace(at, months.size(), replacement));
        };
        const QString syntax = write(QStringLiteral("syntax.toml"),
                                     QByteArray::fromStdString(good) + "\nname = = 1\n");
        const QString no_months = write(QStringLiteral("months.toml"), with_months("months = 12"));
        const QString fraction = write(QStringLiteral("fraction.toml"), with_months(months + ".5"));
        const QString missing = dir_.filePath(QStringLiteral("missing.toml"));
        for (const QString& option :
             {QStringLiteral("--rules"), QStringLiteral("--compare-rules")}) {
            const QByteArray name = option.toLatin1();
            QTest::addRow("%s: a TOML syntax error", name.constData()) << option << syntax << true;
            QTest::addRow("%s: a key misspelt", name.constData()) << option << no_months << true;
            QTest::addRow("%s: a number out of its kind", name.constData())
                << option << fraction << true;
            QTest::addRow("%s: a missing file", name.constData()) << option << missing << false;
            QTest::addRow("%s: a folder", name.constData()) << option << dir_.path() << false;
        }
    }
    void refuses_rules_that_cannot_be_used() {
        QFETCH(QString, option);
        QFETCH(QString, file);
        QFETCH(bool, places_the_fault);
        const auto reading = pay::load_rules_file(file.toStdString());
        QVERIFY(std::holds_alternative<pay::RulesFileError>(reading));
        const pay::RulesFileError& error = std::get<pay::RulesFileError>(reading);
        QCOMPARE(error.line > 0 && error.column > 0, places_the_fault);
        const QString expected =
            QStringLiteral("velnaro: ") + QString::fromStdString(pay::describe(error)) + '\n';

        // With no display the refusal comes first; the display would be the next complaint.
        const Run bare = run({option, file}, without_display(runtime_.path()));
        QCOMPARE(bare.status, 2);
        QCOMPARE(bare.err, expected);

        // On a platform that could show the window, none opens and no picture is written.
        const QString picture = dir_.filePath(QStringLiteral("refused.png"));
        const Run shown = run({QStringLiteral("--rules"), good_, option, file,
                               QStringLiteral("--screenshot"), picture},
                              offscreen(runtime_.path()));
        QCOMPARE(shown.status, 2);
        QCOMPARE(shown.err, expected);
        QVERIFY(!QFile::exists(picture));
    }

    void starts_with_rules_that_can_be_used() {
        const QString picture = dir_.filePath(QStringLiteral("window.png"));
        const Run result = run({QStringLiteral("--rules"), good_, QStringLiteral("--compare-rules"),
                                good_, QStringLiteral("--screenshot"), picture},
                               offscreen(runtime_.path()));
        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, 0);
        QVERIFY(QFile::exists(picture));
    }

  private:
    QString write(const QString& name, const QByteArray& text) {
        return test_support::write_test_file(dir_, name, text);
    }

    QTemporaryDir dir_;
    QTemporaryDir runtime_;
    QString good_;
};

QTEST_GUILESS_MAIN(VelnaroRulesTest)
#include "velnaro_rules_test.moc"
