#pragma once
// What the fuzz targets share: a rule that must hold on every input aborts the run when broken
// (the fuzzer keeps the input as a crash), and the bytes as Qt sees them.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

[[noreturn]] inline void broken(const char *rule, const QString &detail = QString())
{
    std::fprintf(stderr, "broken rule: %s\n%s\n", rule, detail.toUtf8().constData());
    std::abort();
}

inline void check(bool holds, const char *rule, const QString &detail = QString())
{
    if (!holds)
        broken(rule, detail);
}

// The input without a copy; valid while the fuzzer's buffer is.
inline QByteArray bytesOf(const std::uint8_t *data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace fuzz
