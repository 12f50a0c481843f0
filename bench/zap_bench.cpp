// Prints figures for the running program: zap time (click to first frame of
// the new channel painted), CPU while a channel plays, and the memory of the
// whole process tree (program plus the browser's helper processes).
// Needs the X display and the demo content server, as the tests do:
//   build/bench/zap_bench
#include "app/application.h"
#include "app/index.h"
#include "player/twindowsmediaplayer.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

double CpuSeconds(pid_t pid) {
    QFile f(QString("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = f.readAll().split(')').last().split(' ');
    // Fields after "pid (comm)": utime and stime are the 12th and 13th.
    return (fields.value(12).toDouble() + fields.value(13).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

std::vector<pid_t> ProcessTree(pid_t root) {
    std::vector<pid_t> tree{root};
    for (std::size_t i = 0; i < tree.size(); ++i) {
        for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
            bool ok = false;
            const pid_t pid = entry.toInt(&ok);
            if (!ok) continue;
            QFile f(QString("/proc/%1/stat").arg(pid));
            if (!f.open(QIODevice::ReadOnly)) continue;
            const QList<QByteArray> fields = f.readAll().split(')').last().split(' ');
            if (fields.value(2).toInt() == tree[i]) tree.push_back(pid);
        }
    }
    return tree;
}

double RssMiB(pid_t pid) {
    QFile f(QString("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TForm1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    QTest::qWait(2000);  // let the start page settle

    TWindowsMediaPlayer* player = form.WindowsMediaPlayer1();
    std::vector<double> zaps;
    for (int round = 0; round < 2; ++round) {
        for (int b = 1; b <= 10; ++b) {
            auto* button = form.findChild<QAbstractButton*>(QString("bsSkinSpeedButton%1").arg(b));
            const int before = player->framesPainted();
            QElapsedTimer t;
            t.start();
            QTest::mouseClick(button, Qt::LeftButton);
            // The first frame of the new stream: Playing reached and a frame painted after it.
            if (!QTest::qWaitFor([&] {
                    return player->state() == TWindowsMediaPlayer::State::Playing && player->framesPainted() > before;
                }, 20000))
                std::printf("channel %d: no frame within 20 s (%s)\n", b, qPrintable(player->statusText()));
            else
                zaps.push_back(double(t.elapsed()));
            QTest::qWait(300);
        }
    }
    std::sort(zaps.begin(), zaps.end());
    if (!zaps.empty())
        std::printf("zap time over %zu switches: median %.0f ms, min %.0f ms, max %.0f ms\n", zaps.size(),
                    zaps[zaps.size() / 2], zaps.front(), zaps.back());

    const pid_t self = getpid();
    const double cpu0 = CpuSeconds(self);
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(10000);
    const double cpu = (CpuSeconds(self) - cpu0) / (double(wall.elapsed()) / 1000.0) * 100.0;
    std::printf("CPU of the program while playing (10 s): %.1f%% of one core\n", cpu);

    double total = 0;
    const auto tree = ProcessTree(self);
    for (pid_t pid : tree) total += RssMiB(pid);
    std::printf("memory (RSS) with page and video: program %.0f MiB, whole tree of %zu processes %.0f MiB\n",
                RssMiB(self), tree.size(), total);
    return 0;
}
