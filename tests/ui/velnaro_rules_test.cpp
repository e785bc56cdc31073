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

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Runs a shell command in which "$0" is velnaro and "$1" a folder, so that it can feed the
// program through a pipe.
Run run_in_shell(const QString& command, const QString& folder,
                 const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command, program, folder});
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
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
        // Beside a usable file named by the other option: each option names one file.
        const QString other = option == QStringLiteral("--rules")
                                  ? QStringLiteral("--compare-rules")
                                  : QStringLiteral("--rules");
        const Run shown = run({other, good_, option, file, QStringLiteral("--screenshot"), picture},
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

    // Each option names one file, and the picture never takes a rules file's place: refused
    // before any window, the files as they were. "@" stands for the test's folder.
    void keeps_the_rules_files_apart_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("--rules given twice")
            << QStringList{"--rules", "@/missing.toml", "--rules", "@/apart.toml"}
            << QStringLiteral("--rules is given twice; name one file.");
        QTest::newRow("--compare-rules given twice")
            << QStringList{"--compare-rules", "@/apart.toml", "--compare-rules", "@/apart.toml"}
            << QStringLiteral("--compare-rules is given twice; name one file.");
        QTest::newRow("--screenshot naming the file of --rules")
            << QStringList{"--rules", "@/apart.toml", "--screenshot", "@/apart.toml"}
            << QStringLiteral(
                   "--screenshot @/apart.toml names the rules file of --rules; choose another "
                   "name.");
        QTest::newRow("--screenshot naming the file of --compare-rules by a link")
            << QStringList{"--compare-rules", "@/apart.toml", "--screenshot", "@/apart-link.toml"}
            << QStringLiteral(
                   "--screenshot @/apart-link.toml names the rules file of --compare-rules; "
                   "choose another name.");
    }
    void keeps_the_rules_files_apart() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const QByteArray rules = QByteArray::fromStdString(pay::write_rules(pay::built_in_rules()));
        const QString toml = write(QStringLiteral("apart.toml"), rules);
        const QString link = dir_.filePath(QStringLiteral("apart-link.toml"));
        QFile::remove(link);
        QVERIFY(QFile::link(toml, link));
        arguments.replaceInStrings(QStringLiteral("@"), dir_.path());
        const Run result = run(arguments, offscreen(runtime_.path()));
        QCOMPARE(result.status, 2);
        QCOMPARE(result.err, QStringLiteral("velnaro: ") +
                                 QString(message).replace(QStringLiteral("@"), dir_.path()) +
                                 QStringLiteral(" Try 'velnaro --help'.\n"));
        QCOMPARE(contents(toml), rules);
    }

    // A pipe gives its text once: named by both options, it is read once, never waited on.
    void reads_one_pipe_named_by_both_options_once_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("standard input") << QStringLiteral(
            "cat \"$1/good.toml\" | exec \"$0\" --rules /dev/stdin "
            "--compare-rules /dev/stdin --screenshot \"$1/piped.png\"");
        QTest::newRow("a named pipe") << QStringLiteral(
            "rm -f \"$1/rules.fifo\"; mkfifo \"$1/rules.fifo\" && "
            "(timeout 30 cat \"$1/good.toml\" > \"$1/rules.fifo\" &) && "
            "exec \"$0\" --rules \"$1/rules.fifo\" --compare-rules "
            "\"$1/rules.fifo\" --screenshot \"$1/piped.png\"");
    }
    void reads_one_pipe_named_by_both_options_once() {
        QFETCH(QString, command);
        const QString picture = dir_.filePath(QStringLiteral("piped.png"));
        QFile::remove(picture);
        const Run result = run_in_shell(command, dir_.path(), offscreen(runtime_.path()));
        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, 0);
        QVERIFY(QFile::exists(picture));
    }

    // Without a runtime folder (under sudo, cron or a bare CTest) the picture is written with
    // nothing on standard error: Qt's warning about the folder is not the program's to give.
    void a_screenshot_without_a_runtime_folder_is_quiet() {
        QProcessEnvironment environment = offscreen(runtime_.path());
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        const QString picture = dir_.filePath(QStringLiteral("quiet.png"));
        const Run result = run({QStringLiteral("--screenshot"), picture}, environment);
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
