#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

namespace test_support {

/// Writes `text` to the file `name` of `dir` and gives its path; a file that cannot be written
/// stops the test program.
inline QString write_test_file(const QTemporaryDir& dir, const QString& name,
                               const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) < 0) {
        qFatal("cannot write a test file");
    }
    return path;
}

}  // namespace test_support
