#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <unistd.h>

// The fuzz input as a file, since the readers read files.
inline QString FuzzInputFile(const uint8_t* data, size_t size)
{
    static const QString path = QStringLiteral("/dev/shm/vellamo-fuzz-%1.csv").arg(::getpid());
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    return path;
}
