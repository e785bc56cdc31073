// velnaro-slips run as a process: a page per valid row, faulty rows listed with their lines and
// errors, velnaro-calc's exit statuses, the earlier output kept when a run fails, no display.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cmath>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "pay/pay_session.h"
#include "pay/rules.h"
#include "pay/rules_file.h"
#include "pay/rules_writer.h"
#include "pdf_text.h"
#include "test_files.h"
#include "worked_slip.h"

namespace {

const QString program = QStringLiteral(VELNARO_SLIPS);
const QByteArray header =
    "id,scale,rank,zone,special_charges,children,dependents,mutual_member,name\n";
const QByteArray valid_row = "1,9,1,C,no,2,3,yes,a\n";

QByteArray rows_of(int count) {
    QByteArray text = header;
    for (int i = 0; i < count; ++i) {
        text += valid_row;
    }
    return text;
}

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run_tool(const QString& tool, const QStringList& arguments,
             const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(tool, arguments);
    if (!process.waitForFinished(60000)) {
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

Run run(const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    return run_tool(program, arguments, environment);
}

// Runs a shell command in which "$0" is velnaro-slips and "$1"... are `arguments`, so that it can
// redirect the program's streams or limit it.
Run run_in_shell(const QString& command, const QStringList& arguments = {}) {
    return run_tool(QStringLiteral("/bin/sh"),
                    QStringList{QStringLiteral("-c"), command, program} + arguments,
                    QProcessEnvironment::systemEnvironment());
}

QString tool_output(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int page_count(const QString& pdf) {
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                           .match(tool_output(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The built-in rules file with one line's text replaced; the line must be there.
QByteArray changed_rules_text(const std::string& line, const std::string& replacement) {
    std::string text = pay::write_rules(pay::built_in_rules());
    const std::size_t at = text.find(line);
    if (at == std::string::npos) {
        qFatal("the rules file has no line %s", line.c_str());
    }
    text.replace(at, line.size(), replacement);
    return QByteArray::fromStdString(text);
}

// "key = value" as a rules file writes a number.
std::string number_line(std::string_view key, double value) {
    return std::string(key) + " = " + pay::rule_number_text(value);
}

// A grey picture as pdftoppm -gray writes it (binary PGM, one byte a pixel): its rows of pixels,
// none when it is not one.
std::vector<QByteArray> grey_rows(const QByteArray& pgm) {
    const auto header = QRegularExpression(QStringLiteral("^P5\\s+(\\d+)\\s+(\\d+)\\s+255\\s"))
                            .match(QString::fromLatin1(pgm.left(64)));
    if (!header.hasMatch()) {
        return {};
    }
    const qsizetype width = header.captured(1).toInt();
    const qsizetype height = header.captured(2).toInt();
    const qsizetype start = header.capturedLength();
    if (pgm.size() != start + width * height) {
        return {};
    }
    std::vector<QByteArray> rows;
    for (qsizetype y = 0; y < height; ++y) {
        rows.push_back(pgm.mid(start + y * width, width));
    }
    return rows;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

}  // namespace

class VelnaroSlipsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // Qt warns on standard error when the session has no runtime folder, as under CTest on a
        // build machine; the runs get a private one (QTemporaryDir makes it 0700), so that their
        // standard error holds only the program's own lines.
        QVERIFY(runtime_dir_.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_dir_.path()));
    }

    void writes_a_page_per_valid_row_and_lists_the_faulty_ones() {
        const QString csv =
            write(QStringLiteral("staff.csv"), header +
                                                   // line 2: scale 9, rank 1, as aliases
                                                   "A-1,9,1,C,no,2,3,yes,Salma\n"
                                                   // line 3: an empty zone
                                                   "A-2,10,6,,no,0,0,no,Karim\n"
                                                   // line 4: a name over two lines, quoted
                                                   "A-3,out,8,A,yes,5,2,no,\"Nadia\nBenali\"\n"
                                                   // line 6: one field short
                                                   "A-4,11,3,B,no,1,1,yes\n"
                                                   // line 7
                                                   "A-5,10,6,B,no,0,0,no,\n");
        const QString pdf = dir_.filePath(QStringLiteral("slips.pdf"));
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf});
        QCOMPARE(result.status, 1);
        QCOMPARE(page_count(pdf), 3);
        const QStringList lines = result.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith(QStringLiteral("velnaro-slips: line 3: zone is empty")),
                 qPrintable(lines[0]));
        QCOMPARE(lines[1], QStringLiteral("velnaro-slips: line 6: malformed record: 8 fields where "
                                          "the header has 9"));
        QCOMPARE(lines[2], QStringLiteral("velnaro-slips: 2 of 5 rows have errors and no page"));

        // The name and id of each row on its own page, and the first row's worked amounts:
        // 235 points, a yearly pay of 45687.42 and a monthly pay of 3807.29.
        const QString first = test_support::folded_pdf_text(pdf, 1);
        QVERIFY(first.contains(QStringLiteral("Salma")));
        QVERIFY(first.contains(QStringLiteral("A-1")));
        QVERIFY(first.contains(QStringLiteral("235.00")));
        QVERIFY(first.contains(QStringLiteral("45687.42")));
        QVERIFY(first.contains(QStringLiteral("3807.29")));
        // The aliases are printed as the window's list items.
        QVERIFY(first.contains(QStringLiteral("الدرجةالثالثة")));
        QVERIFY(test_support::folded_pdf_text(pdf, 2).contains(QStringLiteral("A-3")));
        QVERIFY(!test_support::folded_pdf_text(pdf, 2).contains(QStringLiteral("Salma")));
        QVERIFY(test_support::folded_pdf_text(pdf, 3).contains(QStringLiteral("A-5")));
    }

    void a_faulty_row_cannot_drive_the_terminal() {
        const QString csv = write(QStringLiteral("escape.csv"),
                                  header + "1,9,1,\x1b[2J,no,2,3,yes,a\n2,9,1,C,no,2,3,yes,b\n");
        const QString pdf = dir_.filePath(QStringLiteral("escape.pdf"));
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf});
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.startsWith(QStringLiteral("velnaro-slips: line 2: ")),
                 qPrintable(result.err));
        QVERIFY2(result.err.contains(QStringLiteral("\\x1b[2J")), qPrintable(result.err));
        QVERIFY(!result.err.contains(QChar(0x1b)));
        QCOMPARE(page_count(pdf), 1);
    }

    void every_valid_row_gives_status_zero() {
        const QString csv = write(QStringLiteral("valid.csv"),
                                  header + "1,9,1,C,no,2,3,yes,a\n2,9,2,C,no,2,3,yes,b\n");
        const QString pdf = dir_.filePath(QStringLiteral("valid.pdf"));
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QString());
        QCOMPARE(page_count(pdf), 2);
    }

    void a_failed_run_keeps_the_earlier_output_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("a header without the seven columns")
            << QByteArray("scale,rank\n9,1\n") << 2 << "the header row has no column zone";
        QTest::newRow("no row at all") << header << 2 << "has no rows";
        QTest::newRow("no row that computes")
            << QByteArray(header + "1,9,1,,no,2,3,yes,a\n") << 1 << "no row could be computed";
    }
    void a_failed_run_keeps_the_earlier_output() {
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QString csv = write(QStringLiteral("failing.csv"), input);
        const QString pdf = write(QStringLiteral("earlier.pdf"), "earlier");
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf});
        QCOMPARE(result.status, status);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(contents(pdf), QByteArray("earlier"));
        // No temporary file is left beside it.
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("earlier*")}, QDir::Files),
                 QStringList{QStringLiteral("earlier.pdf")});
    }

    void an_output_that_cannot_be_written_is_an_io_failure() {
        const QString csv = write(QStringLiteral("one.csv"), header + "1,9,1,C,no,2,3,yes,a\n");
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"),
                                dir_.filePath(QStringLiteral("no-such-folder/slips.pdf"))});
        QCOMPARE(result.status, 3);
        QVERIFY(result.err.startsWith(QStringLiteral("velnaro-slips: cannot write ")));
        QCOMPARE(result.err.count('\n'), 1);
    }

    // A read that fails is no end of the input: status 3 with the system's reason, and the
    // earlier output stays.
    void a_failed_read_of_standard_input_keeps_the_earlier_output_data() {
        QTest::addColumn<QString>("redirection");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << QStringLiteral("< \"$2\"")
                                  << QStringLiteral("cannot read standard input: Is a directory");
        QTest::newRow("closed") << QStringLiteral("<&-")
                                << QStringLiteral(
                                       "cannot read standard input: Bad file descriptor");
    }
    void a_failed_read_of_standard_input_keeps_the_earlier_output() {
        QFETCH(QString, redirection);
        QFETCH(QString, reason);
        const QString pdf = write(QStringLiteral("unread.pdf"), "earlier");
        const Run result = run_in_shell(
            QStringLiteral("exec \"$0\" --batch - -o \"$1\" ") + redirection, {pdf, dir_.path()});
        QCOMPARE(result.status, 3);
        QVERIFY2(result.err.startsWith(QStringLiteral("velnaro-slips: ") + reason),
                 qPrintable(result.err));
        QCOMPARE(result.err.count('\n'), 1);
        QCOMPARE(contents(pdf), QByteArray("earlier"));
        QCOMPARE(files_named_like(QStringLiteral("unread")), QStringList{"unread.pdf"});
    }

    // The staff file replaced by its slips would be lost, whatever name -o gives it.
    void refuses_to_write_over_its_input_data() {
        QTest::addColumn<QString>("command");
        const QString run_on = QStringLiteral("exec \"$0\" --batch \"$1/own.csv\" -o ");
        QTest::newRow("the same name") << run_on + QStringLiteral("\"$1/own.csv\"");
        QTest::newRow("another path") << run_on + QStringLiteral("\"$1/./own.csv\"");
        QTest::newRow("a symbolic link") << run_on + QStringLiteral("\"$1/own-symbolic.csv\"");
        QTest::newRow("a hard link") << run_on + QStringLiteral("\"$1/own-hard.csv\"");
        QTest::newRow("standard input")
            << QStringLiteral("exec \"$0\" --batch - -o \"$1/own.csv\" < \"$1/own.csv\"");
    }
    void refuses_to_write_over_its_input() {
        QFETCH(QString, command);
        const QByteArray text = rows_of(1);
        const QString csv = write(QStringLiteral("own.csv"), text);
        for (const QString& link :
             {QStringLiteral("own-symbolic.csv"), QStringLiteral("own-hard.csv")}) {
            QFile::remove(dir_.filePath(link));
        }
        QVERIFY(QFile::link(csv, dir_.filePath(QStringLiteral("own-symbolic.csv"))));
        QCOMPARE(
            ::link(QFile::encodeName(csv).constData(),
                   QFile::encodeName(dir_.filePath(QStringLiteral("own-hard.csv"))).constData()),
            0);
        const Run result = run_in_shell(command, {dir_.path()});
        QCOMPARE(result.status, 2);
        QVERIFY2(
            result.err.startsWith(QStringLiteral("velnaro-slips: -o ")) &&
                result.err.endsWith(QStringLiteral(" names the input file; choose another name\n")),
            qPrintable(result.err));
        QCOMPARE(contents(csv), text);
        QCOMPARE(files_named_like(QStringLiteral("own")),
                 (QStringList{"own-hard.csv", "own-symbolic.csv", "own.csv"}));
    }

    // A rules file is named once, and the slips never take its place: the run is refused before
    // anything is read or written.
    void keeps_the_rules_file_apart_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("message");
        const QString run_on = QStringLiteral("exec \"$0\" --batch \"$1/apart.csv\" ");
        QTest::newRow("--rules given twice")
            << run_on + QStringLiteral(
                            "-o \"$1/apart.pdf\" --rules \"$1/apart.toml\" --rules "
                            "\"$1/apart.toml\"")
            << QStringLiteral("--rules is given twice; name one file");
        QTest::newRow("--rules given twice, the first missing")
            << run_on + QStringLiteral(
                            "-o \"$1/apart.pdf\" --rules \"$1/missing.toml\" "
                            "--rules \"$1/apart.toml\"")
            << QStringLiteral("--rules is given twice; name one file");
        QTest::newRow("-o naming the rules file")
            << run_on + QStringLiteral("-o \"$1/apart.toml\" --rules \"$1/apart.toml\"")
            << QStringLiteral("apart.toml names the rules file of --rules; choose another name");
        QTest::newRow("-o naming the rules file by a link")
            << run_on +
                   QStringLiteral("--output \"$1/apart-link.toml\" --rules \"$1/./apart.toml\"")
            << QStringLiteral(
                   "apart-link.toml names the rules file of --rules; choose another name");
    }
    void keeps_the_rules_file_apart() {
        QFETCH(QString, command);
        QFETCH(QString, message);
        write(QStringLiteral("apart.csv"), rows_of(1));
        const QByteArray rules = QByteArray::fromStdString(pay::write_rules(pay::built_in_rules()));
        const QString toml = write(QStringLiteral("apart.toml"), rules);
        QFile::remove(dir_.filePath(QStringLiteral("apart-link.toml")));
        QVERIFY(QFile::link(toml, dir_.filePath(QStringLiteral("apart-link.toml"))));
        const Run result = run_in_shell(command, {dir_.path()});
        QCOMPARE(result.status, 2);
        QVERIFY2(result.err.startsWith(QStringLiteral("velnaro-slips: ")) &&
                     result.err.endsWith(message + QLatin1Char('\n')),
                 qPrintable(result.err));
        QCOMPARE(result.err.count('\n'), 1);
        QCOMPARE(contents(toml), rules);
        QCOMPARE(files_named_like(QStringLiteral("apart")),
                 (QStringList{"apart-link.toml", "apart.csv", "apart.toml"}));
    }

    // A pipe named by -o is written in place: its reader gets the PDF, and it stays a pipe.
    void writes_a_pipe_in_place() {
        const QString csv = write(QStringLiteral("piped.csv"), rows_of(2));
        const QString fifo = dir_.filePath(QStringLiteral("slips.fifo"));
        const QString copy = dir_.filePath(QStringLiteral("read-from-the-pipe.pdf"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QProcess reader;
        reader.start(QStringLiteral("/bin/sh"),
                     {QStringLiteral("-c"), QStringLiteral("cat \"$0\" > \"$1\""), fifo, copy});
        QVERIFY(reader.waitForStarted());
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), fifo});
        QVERIFY(reader.waitForFinished(60000));
        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, 0);
        QCOMPARE(page_count(copy), 2);
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(fifo).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
        QCOMPARE(files_named_like(QStringLiteral("slips.fifo")), QStringList{"slips.fifo"});
    }

    // A write that fails ends the run there, with the system's reason: the file-size limit is met
    // long before the end of an input that never ends (standard input stays open).
    void stops_at_the_first_failed_write() {
        const QString pdf = write(QStringLiteral("limited.pdf"), "earlier");
        QProcess process;
        process.start(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), QStringLiteral("ulimit -f 16; exec \"$0\" --batch - -o \"$1\""),
             program, pdf});
        QVERIFY(process.waitForStarted());
        process.write(rows_of(400));
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 3);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 QStringLiteral("velnaro-slips: cannot write %1: File too large\n").arg(pdf));
        QCOMPARE(contents(pdf), QByteArray("earlier"));
        QCOMPARE(files_named_like(QStringLiteral("limited")), QStringList{"limited.pdf"});
    }

    // Waiting on a pipe that sends nothing more, an interrupt ends the run at once; the rows
    // read so far are dropped with their temporary file.
    void an_interrupt_ends_a_run_that_waits_for_input_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int{SIGINT};
        QTest::newRow("SIGTERM") << int{SIGTERM};
    }
    void an_interrupt_ends_a_run_that_waits_for_input() {
        QFETCH(int, signal);
        const QString pdf = write(QStringLiteral("waiting.pdf"), "earlier");
        QProcess process;
        process.start(program,
                      {QStringLiteral("--batch"), QStringLiteral("-"), QStringLiteral("-o"), pdf});
        QVERIFY(process.waitForStarted());
        process.write(rows_of(1));
        QVERIFY(process.waitForBytesWritten());
        // The output is opened once the header is read: the run is then under way.
        QTRY_COMPARE_WITH_TIMEOUT(files_named_like(QStringLiteral("waiting")).size(), 2, 30000);
        QCOMPARE(::kill(static_cast<pid_t>(process.processId()), signal), 0);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 130);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 QStringLiteral("velnaro-slips: interrupted; %1 left as it was\n").arg(pdf));
        QCOMPARE(contents(pdf), QByteArray("earlier"));
        QCOMPARE(files_named_like(QStringLiteral("waiting")), QStringList{"waiting.pdf"});
    }

    // The replacement takes the earlier file's permissions, and its owner where the process may
    // give it (as root).
    void a_replaced_output_keeps_its_mode_and_owner() {
        const QString csv = write(QStringLiteral("owned.csv"), rows_of(1));
        const QString pdf = write(QStringLiteral("owned.pdf"), "earlier");
        const QByteArray path = QFile::encodeName(pdf);
        QCOMPARE(::chmod(path.constData(), 0640), 0);
        const bool may_give = ::geteuid() == 0;
        constexpr uid_t other_user = 1234;
        constexpr gid_t other_group = 5678;
        if (may_give) {
            QCOMPARE(::chown(path.constData(), other_user, other_group), 0);
        }
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf});
        QCOMPARE(result.status, 0);
        QCOMPARE(page_count(pdf), 1);
        struct stat info {};
        QCOMPARE(::stat(path.constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777U, 0640U);
        QCOMPARE(info.st_uid, may_give ? other_user : ::geteuid());
        if (may_give) {
            QCOMPARE(info.st_gid, other_group);
        }
    }

    // An interrupt that comes as the PDF takes its name is too late to keep the earlier file: the
    // run stands and says what happened, never that the file was left as it was. A preloaded
    // library raises SIGTERM as the program renames.
    void tells_an_interrupt_that_came_as_the_output_took_its_name() {
        const QString csv = write(QStringLiteral("late.csv"), rows_of(2));
        const QString pdf = write(QStringLiteral("late.pdf"), "earlier");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(INTERRUPT_AT_RENAME));
        // A sanitized build's runtime comes first only when nothing else is preloaded.
        const QString asan = environment.value(QStringLiteral("ASAN_OPTIONS"));
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           (asan.isEmpty() ? QString() : asan + QLatin1Char(':')) +
                               QStringLiteral("verify_asan_link_order=0"));
        const Run result =
            run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf}, environment);
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QStringLiteral("velnaro-slips: interrupted as %1 took its name; it "
                                            "holds every page\n")
                                 .arg(pdf));
        QCOMPARE(page_count(pdf), 2);
    }

    // Under sudo or cron there is no runtime folder, or one that is gone: a run is as quiet as
    // ever, and makes none.
    void runs_quietly_without_a_runtime_folder_data() {
        QTest::addColumn<bool>("names_one");
        QTest::newRow("unset") << false;
        QTest::newRow("naming a missing folder") << true;
    }
    void runs_quietly_without_a_runtime_folder() {
        QFETCH(bool, names_one);
        const QString csv = write(QStringLiteral("quiet.csv"), rows_of(1));
        const QString pdf = dir_.filePath(QStringLiteral("quiet.pdf"));
        const QString missing = dir_.filePath(QStringLiteral("missing-runtime"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (names_one) {
            environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), missing);
        } else {
            environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        }
        const Run result =
            run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf}, environment);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, 0);
        QCOMPARE(page_count(pdf), 1);
        QVERIFY(!QFileInfo::exists(missing));
    }

    // The pages in French and English: the page read from the left, its captions and the list
    // items in that language, the amounts as in Arabic.
    void writes_its_pages_in_the_language_asked_for_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("fr") << QStringLiteral("fr")
                            << QStringList{"Bulletindepaie",
                                           "Traitementdebaseannuel",
                                           "Salairenetmensuel",
                                           "9/troisièmegrade",
                                           "Matricule",
                                           "Nom",
                                           "Oui",
                                           "Non"};
        QTest::newRow("en") << QStringLiteral("en")
                            << QStringList{"Payslip",       "Annualbasesalary",
                                           "Monthlynetpay", "9/thirdgrade",
                                           "Staffnumber",   "Name",
                                           "Yes",           "No"};
    }
    void writes_its_pages_in_the_language_asked_for() {
        QFETCH(QString, language);
        QFETCH(QStringList, words);
        const QString csv =
            write(QStringLiteral("staff.csv"), header + "A-1,9,1,C,no,2,3,yes,Salma\n");
        const QString pdf = dir_.filePath(QStringLiteral("slips.pdf"));
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf,
                                QStringLiteral("--language"), language});
        QCOMPARE(result.status, 0);
        const QString text = test_support::folded_pdf_text(pdf, 1);
        for (const QString& word : words) {
            QVERIFY2(text.contains(word), qPrintable(word + QStringLiteral(" in ") + text));
        }
        // The worked slip: 235 points, a yearly pay of 45687.42 and a monthly pay of 3807.29.
        for (const char* amount : {"235.00", "45687.42", "3807.29"}) {
            QVERIFY(text.contains(QLatin1String(amount)));
        }
        QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[\\x{0600}-\\x{06FF}]"))),
                 qPrintable(text));
    }

    // A bilingual page: the Arabic page, each caption, label and list item with its French or
    // English under it; pdftotext reads both.
    void writes_bilingual_pages_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("ar+fr") << QStringLiteral("ar+fr")
                               << QStringList{"الراتبالأساسيالسنوي",
                                              "Traitementdebaseannuel",
                                              "الأجرةالشهرية",
                                              "Salairenetmensuel",
                                              "9/troisièmegrade",
                                              "الاسم",
                                              "Nom"};
        QTest::newRow("ar+en") << QStringLiteral("ar+en")
                               << QStringList{"الراتبالأساسيالسنوي", "Annualbasesalary",
                                              "Monthlynetpay", "9/thirdgrade", "Staffnumber"};
    }
    void writes_bilingual_pages() {
        QFETCH(QString, language);
        QFETCH(QStringList, words);
        const QString csv =
            write(QStringLiteral("staff.csv"), header + "A-1,9,1,C,no,2,3,yes,Salma\n");
        const QString pdf = dir_.filePath(QStringLiteral("slips.pdf"));
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf,
                                QStringLiteral("--language"), language});
        QCOMPARE(result.status, 0);
        QCOMPARE(page_count(pdf), 1);
        const QString text = test_support::folded_pdf_text(pdf, 1);
        for (const QString& word : words) {
            QVERIFY2(text.contains(word), qPrintable(word + QStringLiteral(" in ") + text));
        }
    }

    void usage_errors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("bilingual without Arabic first")
            << QStringList{"--batch", "a.csv", "-o", "b.pdf", "--language", "fr+ar"};
        QTest::newRow("Arabic twice")
            << QStringList{"--batch", "a.csv", "-o", "b.pdf", "--language", "ar+ar"};
        QTest::newRow("unknown language")
            << QStringList{"--batch", "a.csv", "-o", "b.pdf", "--language", "de"};
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("no output") << QStringList{"--batch", "staff.csv"};
        QTest::newRow("no input") << QStringList{"-o", "slips.pdf"};
        QTest::newRow("unknown option") << QStringList{"--batch", "a.csv", "-o", "b.pdf", "--x"};
        QTest::newRow("missing input file")
            << QStringList{"--batch", "/nonexistent/staff.csv", "-o", "b.pdf"};
    }
    void usage_errors() {
        QFETCH(QStringList, arguments);
        const Run result = run(arguments);
        QCOMPARE(result.status, 2);
        QVERIFY(result.err.startsWith(QStringLiteral("velnaro-slips: ")));
        QCOMPARE(result.err.count('\n'), 1);
    }

    // An argument's control characters are shown escaped, never sent to the terminal.
    void usage_errors_escape_controls_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("stray argument")
            << QStringList{"--batch", "a.csv", "-o", "b.pdf", "x\x1b]0;t\x07"}
            << QStringLiteral("velnaro-slips: unexpected argument x\\x1b]0;t\\x07\n");
        QTest::newRow("unknown option")
            << QStringList{"--batch", "a.csv", "-o", "b.pdf", "--\x1b[2J"}
            << QStringLiteral("velnaro-slips: Unknown option '\\x1b[2J'.\n");
    }
    void usage_errors_escape_controls() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run result = run(arguments);
        QCOMPARE(result.status, 2);
        QCOMPARE(result.err, message);
        QVERIFY(!result.err.contains(QChar(0x1b)));
        QVERIFY(!result.err.contains(QChar(0x07)));
    }

    // A rules file with the value of an index point raised, under another name: each page shows
    // what those rules compute, and names them.
    void prints_with_the_rules_of_a_file() {
        const pay::PayRules& built_in = pay::built_in_rules();
        // A quarter more, in whole cents as a rules file holds amounts.
        const double raised = std::round(built_in.base_salary.index_point_value * 125) / 100;
        QByteArray text = changed_rules_text(
            number_line("index_point_value", built_in.base_salary.index_point_value),
            number_line("index_point_value", raised));
        text.replace("name = \"" + QByteArray::fromStdString(built_in.name) + '"',
                     QByteArrayLiteral("name = \"Raised\""));
        const QString rules_path = write(QStringLiteral("raised.toml"), text);
        const auto reading = pay::load_rules_file(rules_path.toStdString());
        QVERIFY(std::holds_alternative<pay::PayRules>(reading));
        const pay::PayRules& rules = std::get<pay::PayRules>(reading);
        QCOMPARE(rules.base_salary.index_point_value, raised);

        const QString csv = write(QStringLiteral("raised.csv"), header + "1,9,1,C,no,2,3,yes,a\n");
        const QString pdf = dir_.filePath(QStringLiteral("raised.pdf"));
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf,
                                QStringLiteral("--rules"), rules_path});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, 0);

        // The row's aliases stand for these list items.
        const pay::PayInputs choices = test_support::worked_slip_inputs();
        pay::PaySession expected(".", rules);
        pay::PaySession built_in_session(".", built_in);
        QVERIFY(!expected.press_ok(choices));
        QVERIFY(!built_in_session.press_ok(choices));
        const QString page = test_support::folded_pdf_text(pdf, 1);
        for (const pay::SlipField field :
             {pay::SlipField::annual_base_salary, pay::SlipField::annual_pay,
              pay::SlipField::monthly_pay}) {
            const QString amount = QString::fromStdString(expected.text(field));
            QVERIFY(amount != QString::fromStdString(built_in_session.text(field)));
            QVERIFY2(page.contains(amount), qPrintable(amount));
        }
        QVERIFY(page.contains(QStringLiteral("Raised")));
        QVERIFY(page.contains(QString::fromStdString(pay::iso_date(rules.effective))));
    }

    // Rules that cannot be used: one line naming the file, the line and the column, status 2,
    // and no file written or replaced.
    void refuses_rules_that_cannot_be_used_data() {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<bool>("places_the_fault");
        const pay::PayRules& built_in = pay::built_in_rules();
        const std::string point_value =
            number_line("index_point_value", built_in.base_salary.index_point_value);
        const QByteArray file = QByteArray::fromStdString(pay::write_rules(built_in));
        QTest::newRow("a TOML syntax error")
            << write(QStringLiteral("syntax.toml"), file + "\n[income_tax\n") << true;
        QTest::newRow("an unknown key")
            << write(QStringLiteral("unknown.toml"),
                     changed_rules_text(point_value, point_value + "\npoint_value = 1"))
            << true;
        QTest::newRow("a number in quotes")
            << write(QStringLiteral("quoted.toml"),
                     changed_rules_text(
                         point_value,
                         "index_point_value = \"" +
                             pay::rule_number_text(built_in.base_salary.index_point_value) + '"'))
            << true;
        QTest::newRow("a missing file")
            << dir_.filePath(QStringLiteral("no-such-rules.toml")) << false;
        QTest::newRow("a folder") << dir_.path() << false;
    }
    void refuses_rules_that_cannot_be_used() {
        QFETCH(QString, rules);
        QFETCH(bool, places_the_fault);
        const auto reading = pay::load_rules_file(rules.toStdString());
        QVERIFY(std::holds_alternative<pay::RulesFileError>(reading));
        const pay::RulesFileError& error = std::get<pay::RulesFileError>(reading);
        QCOMPARE(error.line > 0 && error.column > 0, places_the_fault);

        const QString csv = write(QStringLiteral("one.csv"), header + "1,9,1,C,no,2,3,yes,a\n");
        const QString pdf = write(QStringLiteral("kept.pdf"), "earlier");
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf,
                                QStringLiteral("--rules"), rules});
        QCOMPARE(result.status, 2);
        QCOMPARE(result.err, QStringLiteral("velnaro-slips: ") +
                                 QString::fromStdString(pay::describe(error)) + QLatin1Char('\n'));
        QCOMPARE(contents(pdf), QByteArray("earlier"));
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("kept*")}, QDir::Files),
                 QStringList{QStringLiteral("kept.pdf")});
    }

    // A name or an id is shown as the file holds it, in the file's order: an override or a line
    // break in it cannot turn an id or a name round on the slip.
    void a_name_or_id_cannot_reorder_the_slip_data() {
        QTest::addColumn<QByteArray>("id");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QStringList>("in_order");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("an override before an id")
            << QByteArray(
                   "\xE2\x80\xAE"
                   "123456")
            << QByteArray("a") << QStringList{"123456"} << QStringList{"654321"};
        QTest::newRow("an override before a Latin name")
            << QByteArray("7")
            << QByteArray(
                   "\xE2\x80\xAE"
                   "Ali Ben Salah")
            << QStringList{"AliBenSalah"} << QStringList{"halaSneBilA"};
        QTest::newRow("line breaks in a quoted name")
            << QByteArray("7") << QByteArray("\"line1\nline2\rline3\"")
            << QStringList{"line1", "line2", "line3"} << QStringList{"line3line2line1"};
        QTest::newRow("an isolate left open before the id")
            << QByteArray(
                   "\xE2\x81\xA7"
                   "A-1\xE2\x80\xAE"
                   "2345")
            << QByteArray("b") << QStringList{"A-1", "2345"} << QStringList{"5432"};
    }
    void a_name_or_id_cannot_reorder_the_slip() {
        QFETCH(QByteArray, id);
        QFETCH(QByteArray, name);
        QFETCH(QStringList, in_order);
        QFETCH(QStringList, absent);
        const QString csv =
            write(QStringLiteral("spoof.csv"), header + id + ",9,1,C,no,2,3,yes," + name + "\n");
        const QString pdf = dir_.filePath(QStringLiteral("spoof.pdf"));
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, 0);
        const QString text = test_support::folded_pdf_text(pdf, 1);
        qsizetype at = 0;
        for (const QString& part : in_order) {
            const qsizetype found = text.indexOf(part, at);
            QVERIFY2(found >= 0, qPrintable(part + QStringLiteral(" in ") + text.left(200)));
            at = found + part.size();
        }
        for (const QString& part : absent) {
            QVERIFY2(!text.contains(part), qPrintable(part));
        }
    }

    // A name of 3,000 characters stays inside the page's margins: rendered, the page has no ink
    // in the 15 mm at its left.
    void a_long_name_stays_within_the_margins() {
        const QByteArray name = QByteArray("Ali Ben Salah ").repeated(215);
        const QString csv =
            write(QStringLiteral("long.csv"), header + "7,9,1,C,no,2,3,yes," + name + "\n");
        const QString pdf = dir_.filePath(QStringLiteral("long.pdf"));
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf});
        QCOMPARE(result.status, 0);
        constexpr int dpi = 40;
        const QString picture = dir_.filePath(QStringLiteral("long"));
        QProcess render;
        render.start(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                      QStringLiteral("-singlefile"), pdf, picture});
        QVERIFY2(render.waitForFinished(60000) && render.exitCode() == 0,
                 "pdftoppm (poppler-utils) did not run");
        const std::vector<QByteArray> page = grey_rows(contents(picture + QStringLiteral(".pgm")));
        QVERIFY(page.size() > 100);
        // The name's line is drawn, and it starts on the right.
        QVERIFY(test_support::folded_pdf_text(pdf, 1).contains(QStringLiteral("AliBenSalah")));
        // A pixel short of the margin's edge, for the smoothing of a glyph drawn up to it.
        const int margin = static_cast<int>(15 / 25.4 * dpi) - 1;
        for (std::size_t y = 0; y < page.size(); ++y) {
            for (int x = 0; x < margin; ++x) {
                QVERIFY2(static_cast<unsigned char>(page[y][x]) > 160,
                         qPrintable(QStringLiteral("ink at %1, %2").arg(x).arg(y)));
            }
        }
    }

    // Rows of a 100 KB name, each its own, make their pages as other rows do: each shows the start
    // of its name and an ellipsis, and the file stays the size of such pages.
    void rows_of_a_very_long_name_make_their_pages() {
        constexpr int rows = 20;
        const QByteArray name = QByteArray("Ali Ben Salah ").repeated(100 * 1024 / 14);
        QByteArray text = header;
        for (int i = 0; i < rows; ++i) {
            text +=
                QByteArray::number(i) + ",9,1,C,no,2,3,yes," + QByteArray::number(i) + name + "\n";
        }
        const QString csv = write(QStringLiteral("names.csv"), text);
        const QString pdf = dir_.filePath(QStringLiteral("names.pdf"));
        const Run result = run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, 0);
        QCOMPARE(page_count(pdf), rows);
        const QString last = test_support::folded_pdf_text(pdf, rows);
        QVERIFY(last.contains(QStringLiteral("AliBenSalahAliBenSalah")));
        // The ellipsis, as search folds it.
        QVERIFY(last.contains(QString(QChar(0x2026)).normalized(QString::NormalizationForm_KC)));
        // A page with a short name is about 6 KB; one that drew the whole name, over 100 KB.
        const qint64 size = QFileInfo(pdf).size();
        QVERIFY2(size < rows * 30 * 1024, qPrintable(QString::number(size)));
    }

    void runs_with_no_display() {
        const QString csv =
            write(QStringLiteral("nodisplay.csv"), header + "1,9,1,C,no,2,3,yes,a\n");
        const QString pdf = dir_.filePath(QStringLiteral("nodisplay.pdf"));
        QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
            bare.remove(QString::fromLatin1(name));
        }
        QCOMPARE(run({QStringLiteral("--batch"), csv, QStringLiteral("-o"), pdf}, bare).status, 0);
        QCOMPARE(page_count(pdf), 1);
        const Run version = run({QStringLiteral("--version")}, bare);
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith(QStringLiteral("velnaro-slips ")));
        const Run help = run({QStringLiteral("--help")}, bare);
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains(QStringLiteral("--batch")));
    }

  private:
    // The files of the test folder whose names hold `part`, hidden ones (a temporary file) too.
    QStringList files_named_like(const QString& part) const {
        return QDir(dir_.path())
            .entryList({QLatin1Char('*') + part + QLatin1Char('*')},
                       QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    }

    QString write(const QString& name, const QByteArray& text) {
        return test_support::write_test_file(dir_, name, text);
    }

    QTemporaryDir dir_;
    QTemporaryDir runtime_dir_;
};

QTEST_GUILESS_MAIN(VelnaroSlipsTest)

#include "velnaro_slips_test.moc"
