// velnaro-slips run as a process: a page per valid row, faulty rows listed with their lines and
// errors, velnaro-calc's exit statuses, the earlier output kept when a run fails, no display.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString program = QStringLiteral(VELNARO_SLIPS);
const QByteArray header =
    "id,scale,rank,zone,special_charges,children,dependents,mutual_member,name\n";

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run(const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
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

// The text of one page, folded as search folds it: letters for presentation forms, no spaces.
QString page_text(const QString& pdf, int page) {
    QString text = tool_output(QStringLiteral("pdftotext"),
                               {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                QString::number(page), QStringLiteral("-enc"),
                                QStringLiteral("UTF-8"), pdf, QStringLiteral("-")})
                       .normalized(QString::NormalizationForm_KC);
    return text.remove(
        QRegularExpression(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}\\s]")));
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
        const QString first = page_text(pdf, 1);
        QVERIFY(first.contains(QStringLiteral("Salma")));
        QVERIFY(first.contains(QStringLiteral("A-1")));
        QVERIFY(first.contains(QStringLiteral("235.00")));
        QVERIFY(first.contains(QStringLiteral("45687.42")));
        QVERIFY(first.contains(QStringLiteral("3807.29")));
        // The aliases are printed as the window's list items.
        QVERIFY(first.contains(QStringLiteral("الدرجةالثالثة")));
        QVERIFY(page_text(pdf, 2).contains(QStringLiteral("A-3")));
        QVERIFY(!page_text(pdf, 2).contains(QStringLiteral("Salma")));
        QVERIFY(page_text(pdf, 3).contains(QStringLiteral("A-5")));
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

    void usage_errors_data() {
        QTest::addColumn<QStringList>("arguments");
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
    QString write(const QString& name, const QByteArray& text) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) < 0) {
            qFatal("cannot write a test file");
        }
        return path;
    }

    QTemporaryDir dir_;
    QTemporaryDir runtime_dir_;
};

QTEST_GUILESS_MAIN(VelnaroSlipsTest)

#include "velnaro_slips_test.moc"
