#pragma once
// Small timing helpers shared by the benchmarks: run a piece of work several times and
// report the median, so one slow run on a busy machine does not decide the figure.
#include "platform/desktop.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

inline double medianMs(int repetitions, const std::function<void()> &work)
{
    std::vector<double> times;
    times.reserve(repetitions);
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// One line per figure: what was measured, its median, the raw cost of the same work, the target.
inline void report(const char *what, double ms, const char *rawWhat, double rawMs, double targetMs)
{
    std::printf("%-52s %8.2f ms   (raw %s: %.2f ms, x%.1f)   target <= %.0f ms  %s\n", what, ms, rawWhat,
                rawMs, rawMs > 0 ? ms / rawMs : 0.0, targetMs, ms <= targetMs ? "OK" : "OVER");
}

// The desktop as far as a benchmark needs it: the SPIonic font is there, and a box never waits.
class QuietDesktop : public SystemDesktop {
public:
    MsgButton showMessage(const MessageRequest &r) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(r.text));
        return r.escapeButton;
    }
    QStringList installedFontFamilies() override { return {QStringLiteral("SPIonic")}; }
};

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace bench
